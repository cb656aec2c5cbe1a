#pragma once
// MainWindow: the one window of Conversione. It finds the archive folder at load,
// lets the operator pick the two databases, and runs the conversion through
// the logic library, which sees it as a ConversionView.
#include <QMainWindow>
#include <string>

#include "app/main_window_layout.h"
#include "dbengine/engine.h"
#include "run/conversion_session.h"
#include "run/conversion_view.h"
#include "ui/file_dialog.h"

class MainWindow : public QMainWindow, public conversione::ConversionView {
    Q_OBJECT

public:
    explicit MainWindow(dao::DBEngine& engine, QWidget* parent = nullptr);

    // Start-up: log line, archive folder, default target, marker file.
    // Returns false when the program must end.
    bool Start();

    void OnPickSourceClicked();
    void OnPickTargetClicked();
    void OnRunClicked();
    void OnExitClicked();

    bool Ended() const { return ended_; }
    const std::string& ArchiveFolder() const { return archiveFolder_; }
    const conversione_app::MainWindowControls& Controls() const { return controls_; }
    ui::CommonDialog& FileDialog() { return fileDialog_; }

    // ConversionView
    std::string SourceFileName() const override;
    std::string TargetFileName() const override;
    void AppendLog(const std::string& line) override;
    void SelectLastLogLine() override;
    void DisableButtons() override;
    void EnableButtons() override;
    conversione::MessageAnswer ShowMessage(const std::string& text, conversione::MessageButtons buttons,
                                           conversione::MessageIcon icon,
                                           conversione::MessageDefault defaultButton) override;
    void YieldToMessageLoop() override;

private:
    // Asks for a file and puts its name (or, on a cancel, the last one) in box.
    void PickInto(QLineEdit* box);
    void SetButtonsEnabled(bool enabled);
    void EndProgram();

    conversione_app::MainWindowControls controls_;
    ui::CommonDialog fileDialog_;
    conversione::ConversionSession session_;
    std::string archiveFolder_;
    bool ended_ = false;
};
