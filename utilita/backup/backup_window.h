#pragma once
// The backup and restore window: widgets only, the procedures are in
// procedures.h. The menu makes it afresh for each opening, prepares it for
// one of the two operations and shows it modally.
#include <cstdint>
#include <string>

#include "backup/procedures.h"
#include "widgets/child_dialog.h"
#include "zip/zip_component.h"

class QCheckBox;
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

class BackupWindow : public ChildDialog, private BackupView {
    Q_OBJECT

public:
    BackupWindow(const AppContext& context, dao::DBEngine& engine, QWidget* parent = nullptr);

    // The menu's preparation: the mode's captions, and the button of the
    // other operation disabled.
    void Prepare(Mode mode);

    // The operations, as their buttons start them: nothing without a drive
    // or while one runs.
    void StartBackup();
    void StartRestore();

    // The zip component the operations use (tests set a medium's capacity).
    zipcomp::ZipComponent& Zip() { return zip_; }

private:
    void BuildControls();
    void OnDriveBoxLeft();

    void ShowInfo(const std::string& text) override;
    void SetStatus(const char* text) override;
    void SetHourglass(bool on) override;

    const AppContext& context_;
    dao::DBEngine& engine_;
    DriveBox* driveBox_ = nullptr;
    QLabel* promptLabel_ = nullptr;
    QLabel* headingLabel_ = nullptr;
    QCheckBox* severalDisksCheck_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QPushButton* backupButton_ = nullptr;
    QPushButton* restoreButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    // Outside what the user sees: start the copy, close, start the restore.
    QPushButton* startBackupButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* startRestoreButton_ = nullptr;
    zipcomp::ZipComponent zip_;
};

} // namespace utilita::backup
