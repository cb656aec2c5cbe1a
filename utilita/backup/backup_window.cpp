#include "backup/backup_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "backup/drive_box.h"
#include "backup/messages.h"
#include "context/app_context.h"
#include "widgets/notice.h"

namespace utilita::backup {

BackupWindow::BackupWindow(const AppContext& context, dao::DBEngine& engine, QWidget* parent)
    : ChildDialog(parent), context_(context), engine_(engine) {
    BuildControls();
    for (QPushButton* button : {backupButton_, startBackupButton_})
        connect(button, &QPushButton::clicked, this, [this] { StartBackup(); });
    for (QPushButton* button : {restoreButton_, startRestoreButton_})
        connect(button, &QPushButton::clicked, this, [this] { StartRestore(); });
    for (QPushButton* button : {exitButton_, closeButton_})
        connect(button, &QPushButton::clicked, this, [this] { close(); });
    connect(driveBox_, &DriveBox::lostFocus, this, [this] { OnDriveBoxLeft(); });
    zip_.DiskRequest = [this](std::int16_t disk) { ShowInfo(kInsertDiskNumber + std::to_string(disk)); };
}

void BackupWindow::Prepare(Mode mode) {
    const bool restore = mode == Mode::Restore;
    (restore ? backupButton_ : restoreButton_)->setEnabled(false);
    promptLabel_->setText(QString::fromUtf8(restore ? kRestorePrompt : kBackupPrompt));
    headingLabel_->setText(QString::fromUtf8(restore ? kRestoreHeading : kBackupHeading));
}

void BackupWindow::StartBackup() {
    const std::string drive = driveBox_->text().toStdString();
    if (drive.empty() || Running()) return;
    RunningGuard running(*this);
    RunBackup({context_.archiveFolder, drive, zip_}, engine_, *this);
}

void BackupWindow::StartRestore() {
    const std::string drive = driveBox_->text().toStdString();
    if (drive.empty() || Running()) return;
    RunningGuard running(*this);
    RunRestore({context_.archiveFolder, drive, zip_}, engine_, *this);
}

void BackupWindow::OnDriveBoxLeft() {
    const bool oneLetter = driveBox_->text().size() == 1;
    severalDisksCheck_->setEnabled(oneLetter);
    severalDisksCheck_->setChecked(oneLetter);
}

void BackupWindow::ShowInfo(const std::string& text) { ShowNotice(this, text, ui::Icon::Information); }

void BackupWindow::SetStatus(const char* text) {
    statusLabel_->setText(QString::fromUtf8(text));
    statusLabel_->repaint();  // the operation runs before the next paint
}

void BackupWindow::SetHourglass(bool on) {
    if (on) setCursor(Qt::WaitCursor);
    else unsetCursor();
}

} // namespace utilita::backup
