#pragma once
// The backup and restore window. The menu makes it afresh for each opening,
// prepares it for one of the two operations and shows it modally.
#include <cstdint>
#include <string>

#include "widgets/child_dialog.h"

#include "zip/zip_component.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace dao { class DBEngine; }

namespace utilita {
struct AppContext;
}

namespace utilita::backup {

class DriveBox;

enum class Mode { Backup, Restore };

class Form1 : public ChildDialog {
    Q_OBJECT

public:
    Form1(const AppContext& context, dao::DBEngine& engine, QWidget* parent = nullptr);

    // The menu's preparation: the mode's captions, and the button of the
    // other operation disabled.
    void Prepare(Mode mode);

    // The operation handler: 0 backup, 1 close, 2 restore.
    void bottone_Click(int index);

    // The zip component the operations use (tests set a medium's capacity).
    zipcomp::ZipComponent& Zip() { return Zip1; }

private:
    enum class Phase { Copy, Test, Restore };

    void BuildControls();
    void Command1_Click(int index);
    void Command4_Click();
    void Command5_Click();
    void Text2_LostFocus();
    void Zip1_DiskRequest(std::int16_t disk);

    void Backup();
    void Restore();
    void RunBackup(Phase& phase);
    void RunRestore();
    // An error that no step handled: the phase's failure message with its
    // number, then status and pointer back.
    void ReportEscaped(Phase phase, int number);

    void ShowInfo(const std::string& text);
    void SetStatus(const char* text);
    void Hourglass();
    void DefaultPointer();


    const AppContext& context_;
    dao::DBEngine& engine_;
    QGroupBox* Frame1 = nullptr;
    DriveBox* Text2 = nullptr;
    QLineEdit* Text1[2] = {nullptr, nullptr};
    QLabel* Label3[2] = {nullptr, nullptr};
    QLabel* Label2[3] = {nullptr, nullptr, nullptr};
    QCheckBox* Check1[3] = {nullptr, nullptr, nullptr};
    QLabel* Label4[2] = {nullptr, nullptr};
    QLabel* Label1 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command1[1] = {nullptr};
    QPushButton* bottone[3] = {nullptr, nullptr, nullptr};
    zipcomp::ZipComponent Zip1;
};

} // namespace utilita::backup
