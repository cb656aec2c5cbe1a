// The controls of the backup and restore window with their design-time texts.
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSizePolicy>
#include <QStyle>
#include <QVBoxLayout>

#include "backup/backup_window.h"
#include "backup/drive_box.h"
#include "backup/messages.h"
#include "widgets/controls.h"
#include "widgets/notice.h"

namespace utilita::backup {

void BackupWindow::BuildControls() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));

    // Heading beside its picture.
    headingLabel_ = MakeLabel(this, "Label4(0)", QStringLiteral("Copia sicurezza "));
    QLabel* subheading = MakeLabel(this, "Label4(1)", QStringLiteral("Archivi "));
    QFont heading = headingLabel_->font();
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    heading.setBold(true);
    headingLabel_->setFont(heading);
    subheading->setFont(heading);
    auto* headingText = new QVBoxLayout;
    headingText->addWidget(headingLabel_);
    headingText->addWidget(subheading);
    auto* top = new QHBoxLayout;
    top->addWidget(MakeImage(this, "Image1", QStyle::SP_DriveFDIcon, 48));
    top->addLayout(headingText, 1);

    // Drive and file boxes.
    auto* boxesFrame = new QGroupBox(this);
    boxesFrame->setObjectName(QStringLiteral("Frame1"));
    promptLabel_ = MakeLabel(boxesFrame, "Label3(1)", QStringLiteral("Effettua la copia in :"));
    driveBox_ = new DriveBox(QStringLiteral("A"), boxesFrame);
    driveBox_->setObjectName(QStringLiteral("Text2"));
    driveBox_->setMaximumWidth(60);
    auto* archiveNameBox = new QLineEdit(QStringLiteral("V7BACKUP.ZIP"), boxesFrame);
    archiveNameBox->setObjectName(QStringLiteral("Text1(1)"));
    archiveNameBox->setReadOnly(true);
    auto* boxes = new QGridLayout(boxesFrame);
    boxes->addWidget(promptLabel_, 0, 0);
    boxes->addWidget(driveBox_, 0, 1, Qt::AlignLeft);
    boxes->addWidget(MakeLabel(boxesFrame, "Label2(2)", QStringLiteral("File di backup")), 1, 0);
    boxes->addWidget(archiveNameBox, 1, 1);
    boxes->setColumnStretch(1, 1);

    // Created in their tab order.
    QCheckBox* testAfterCopyCheck = MakeCheck(this, "Check1(2)", QStringLiteral("Test a fine copia"));
    severalDisksCheck_ = MakeCheck(this, "Check1(1)", QString::fromUtf8("Copia su più dischi"));
    auto* checks = new QHBoxLayout;
    checks->addWidget(testAfterCopyCheck);
    checks->addWidget(severalDisksCheck_);
    checks->addStretch();

    backupButton_ = MakeButton(this, "Command5", QStringLiteral("&Copia Dati"), QStyle::SP_DialogSaveButton);
    restoreButton_ = MakeButton(this, "Command4", QStringLiteral("&Ripristino Dati"), QStyle::SP_BrowserReload);
    exitButton_ = MakeButton(this, "Command1(0)", QStringLiteral("&Uscita"), QStyle::SP_DialogCloseButton);
    auto* commands = new QHBoxLayout;
    commands->addWidget(backupButton_);
    commands->addWidget(restoreButton_);
    commands->addStretch();
    commands->addWidget(exitButton_);

    statusLabel_ = MakeLabel(this, "Label1", QString::fromUtf8(kWaiting));
    statusLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusLabel_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // The operation buttons lie outside what the user sees: neither the mouse
    // nor their access keys reach them.
    auto hidden = [this](const char* name, const char* caption) {
        QPushButton* button = MakeButton(this, name, QString::fromUtf8(caption), QStyle::SP_CommandLink);
        button->hide();
        return button;
    };
    startBackupButton_ = hidden("bottone(0)", "&Avvia la copia");
    closeButton_ = hidden("bottone(1)", "&Chiudi");
    startRestoreButton_ = hidden("bottone(2)", "&Ripristino archivi");

    auto* window = new QVBoxLayout(this);
    window->addLayout(top);
    window->addWidget(MakeLine(this, "Line1", QFrame::HLine));
    window->addWidget(boxesFrame);
    window->addLayout(checks);
    window->addStretch(1);
    window->addLayout(commands);
    window->addWidget(statusLabel_);
    resize(440, 320);
}

} // namespace utilita::backup
