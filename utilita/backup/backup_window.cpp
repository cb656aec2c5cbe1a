#include "backup/backup_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "backup/drive_box.h"
#include "backup/messages.h"
#include "widgets/notice.h"
#include "ui/message_box.h"

namespace utilita::backup {

Form1::Form1(const AppContext& context, dao::DBEngine& engine, QWidget* parent)
    : ChildDialog(parent), context_(context), engine_(engine) {
    BuildControls();
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
    for (int i = 0; i < 3; ++i) connect(bottone[i], &QPushButton::clicked, this, [this, i] { bottone_Click(i); });
    connect(Text2, &DriveBox::lostFocus, this, [this] { Text2_LostFocus(); });
    Zip1.DiskRequest = [this](std::int16_t disk) { Zip1_DiskRequest(disk); };
}

void Form1::Prepare(Mode mode) {
    const bool restore = mode == Mode::Restore;
    (restore ? Command5 : Command4)->setEnabled(false);
    Label3[1]->setText(QString::fromUtf8(restore ? kRestorePrompt : kBackupPrompt));
    Label4[0]->setText(QString::fromUtf8(restore ? kRestoreHeading : kBackupHeading));
}

void Form1::bottone_Click(int index) {
    switch (index) {
    case 0: Backup(); break;
    case 1: close(); break;
    case 2: Restore(); break;
    default: break;
    }
}

void Form1::Command5_Click() { bottone_Click(0); }

void Form1::Command4_Click() { bottone_Click(2); }

void Form1::Command1_Click(int /*index*/) { close(); }

void Form1::Text2_LostFocus() {
    const bool oneLetter = Text2->text().size() == 1;
    Check1[1]->setEnabled(oneLetter);
    Check1[1]->setChecked(oneLetter);
}

void Form1::Zip1_DiskRequest(std::int16_t disk) { ShowInfo(kInsertDiskNumber + std::to_string(disk)); }

void Form1::ShowInfo(const std::string& text) {
    ui::ShowMessage(this, text, ui::Buttons::Ok, ui::Icon::Information, kMessageTitle);
}

void Form1::SetStatus(const char* text) {
    Label1->setText(QString::fromUtf8(text));
    Label1->repaint();  // the operation runs before the next paint
}

void Form1::Hourglass() { setCursor(Qt::WaitCursor); }

void Form1::DefaultPointer() { unsetCursor(); }

} // namespace utilita::backup
