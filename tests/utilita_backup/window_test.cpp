// The window's controls, the menu's preparation, the drive box and closing.
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include "backup_fixture.h"

namespace backup_testing {
namespace {

using utilita::backup::Mode;
using BackupWindow = BackupWindowTest;

QString Caption(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
    return qobject_cast<QAbstractButton*>(w)->text();
}

void Type(QWidget* box, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
}

void Leave(QWidget* box, Qt::FocusReason reason = Qt::TabFocusReason) {
    QFocusEvent out(QEvent::FocusOut, reason);
    QCoreApplication::sendEvent(box, &out);
}

TEST_F(BackupWindow, ShowsEveryControlWithItsDesignTimeText) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Copia di sicurezza e Ripristino archivi"));
    const std::vector<std::pair<const char*, QString>> expected = {
        {"Text2", "A"},
        {"Text1(1)", "V7BACKUP.ZIP"},
        {"Label3(1)", "Effettua la copia in :"},
        {"Label2(2)", "File di backup"},
        {"Check1(2)", "Test a fine copia"},
        {"Check1(1)", QString::fromUtf8("Copia su più dischi")},
        {"Label4(0)", "Copia sicurezza "},
        {"Label4(1)", "Archivi "},
        {"Label1", "In attesa..."},
        {"Command5", "&Copia Dati"},
        {"Command4", "&Ripristino Dati"},
        {"Command1(0)", "&Uscita"},
        {"bottone(0)", "&Avvia la copia"},
        {"bottone(1)", "&Chiudi"},
        {"bottone(2)", "&Ripristino archivi"},
    };
    for (const auto& [name, text] : expected) {
        QWidget* control = Control<QWidget>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(Caption(control), text) << name;
    }
    form->show();
    for (const char* name : {"bottone(0)", "bottone(1)", "bottone(2)"}) EXPECT_FALSE(Control<QWidget>(name)->isVisible());
    EXPECT_TRUE(Control<QWidget>("Command5")->isEnabled());
    EXPECT_TRUE(Control<QWidget>("Command4")->isEnabled());
}

TEST_F(BackupWindow, MenuPreparesItForBackupOrRestore) {
    form->Prepare(Mode::Backup);
    EXPECT_TRUE(Control<QWidget>("Command5")->isEnabled());
    EXPECT_FALSE(Control<QWidget>("Command4")->isEnabled());
    EXPECT_EQ(Control<QLabel>("Label3(1)")->text(), QStringLiteral("Effettua la copia nel drive"));
    EXPECT_EQ(Control<QLabel>("Label4(0)")->text(), QStringLiteral("Copia di sicurezza"));

    utilita::backup::BackupWindow other(context, dao::DBEngine::Instance());
    other.Prepare(Mode::Restore);
    EXPECT_FALSE(other.findChild<QWidget*>(QStringLiteral("Command5"))->isEnabled());
    EXPECT_TRUE(other.findChild<QWidget*>(QStringLiteral("Command4"))->isEnabled());
    EXPECT_EQ(other.findChild<QLabel*>(QStringLiteral("Label3(1)"))->text(),
              QStringLiteral("Ripristino archivi dal drive"));
    EXPECT_EQ(other.findChild<QLabel*>(QStringLiteral("Label4(0)"))->text(), QStringLiteral("Ripristino degli"));
}

TEST_F(BackupWindow, DriveBoxTurnsTypedLettersUpperCaseButNotPastedText) {
    QLineEdit* box = DriveBox();
    box->clear();
    Type(box, Qt::Key_C, "c");
    EXPECT_EQ(box->text(), QStringLiteral("C"));
    Type(box, Qt::Key_1, "1");
    Type(box, Qt::Key_Egrave, QString::fromUtf8("è"));
    Type(box, Qt::Key_Z, "Z");
    EXPECT_EQ(box->text(), QString::fromUtf8("C1èZ"));
    box->clear();
    box->insert(QStringLiteral("d"));  // as a paste arrives
    EXPECT_EQ(box->text(), QStringLiteral("d"));
}

TEST_F(BackupWindow, LeavingTheDriveBoxTicksSeveralDisksForOneLetterOnly) {
    auto* severalDisks = Control<QCheckBox>("Check1(1)");
    for (const auto& [text, oneLetter] : std::vector<std::pair<QString, bool>>{
             {"AB", false}, {"C", true}, {"", false}, {QString::fromUtf8("è"), true}}) {
        DriveBox()->setText(text);
        Leave(DriveBox());
        EXPECT_EQ(severalDisks->isEnabled(), oneLetter) << text.toStdString();
        EXPECT_EQ(severalDisks->isChecked(), oneLetter) << text.toStdString();
    }
    // The window losing activation is not leaving the box.
    DriveBox()->setText("AB");
    Leave(DriveBox(), Qt::ActiveWindowFocusReason);
    EXPECT_TRUE(severalDisks->isChecked());
}

TEST_F(BackupWindow, UscitaChiudiAndF12CloseItButEscapeDoesNot) {
    const auto reopen = [this] {
        form = NewWindow();
        form->show();
        EXPECT_TRUE(form->isVisible());
    };
    reopen();
    Control<QPushButton>("Command1(0)")->click();
    EXPECT_FALSE(form->isVisible());

    reopen();
    Control<QPushButton>("bottone(1)")->click();
    EXPECT_FALSE(form->isVisible());

    reopen();
    Type(DriveBox(), Qt::Key_Escape, {});
    EXPECT_TRUE(form->isVisible());
    Type(DriveBox(), Qt::Key_F12, {});  // passed on from the focused box to the window
    EXPECT_FALSE(form->isVisible());
}

TEST_F(BackupWindow, DoesNotCloseWhileAnOperationRuns) {
    form->show();
    boxes.whileShown = [this](const std::string&) {
        form->close();
        Type(DriveBox(), Qt::Key_F12, {});
    };
    RunBackup("C");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(boxes.shown.size(), 2u);  // copy done, test done
    form->close();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace backup_testing
