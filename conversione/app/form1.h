#pragma once
// Form1: the one window of Conversione. It finds the archive folder at load,
// lets the operator pick the two databases, and runs the conversion through
// the logic library, which sees it as a ConversionView.
#include <QMainWindow>
#include <string>

#include "app/form1_layout.h"
#include "dbengine/engine.h"
#include "run/conversion_state.h"
#include "run/conversion_view.h"
#include "ui/file_dialog.h"

class Form1 : public QMainWindow, public conversione::ConversionView {
    Q_OBJECT

public:
    explicit Form1(dao::DBEngine& engine, QWidget* parent = nullptr);

    // Start-up: log line, archive folder, default target, marker file.
    // Returns false when the program must end.
    bool Form_Load();

    void bottone_Click(int index);      // 0 source, 1 target
    void SSCommand1_Click(int index);   // 2 exit, 3 run

    bool Ended() const { return ended_; }
    const std::string& ArchiveFolder() const { return archiveFolder_; }
    const conversione_app::Form1Controls& Controls() const { return controls_; }
    ui::CommonDialog& cm1() { return cm1_; }

    // ConversionView
    std::string SourceFileName() const override;
    std::string TargetFileName() const override;
    void AppendLog(const std::string& line) override;
    void SelectLastLogLine() override;
    void DisableButtons() override;
    void EnableButtons() override;
    int ShowMessage(const std::string& text, conversione::MessageButtons buttons, conversione::MessageIcon icon,
                    conversione::MessageDefault defaultButton) override;
    void YieldToMessageLoop() override;

private:
    void SetButtonsEnabled(bool enabled);
    void EndProgram();

    conversione_app::Form1Controls controls_;
    ui::CommonDialog cm1_;
    conversione::ConversionState state_;
    std::string archiveFolder_;
    bool ended_ = false;
};
