// The menu's backup and restore commands open this window, modally and
// prepared for their operation.
#include <QApplication>
#include <QTimer>

#include "backup_fixture.h"
#include "menu/main_window.h"

namespace backup_testing {
namespace {

struct Seen {
    bool modal = false;
    bool copyEnabled = false;
    bool restoreEnabled = false;
    QString prompt;
    QString heading;
    Qt::CursorShape menuPointer = Qt::ArrowCursor;
};

// Clicks the menu command and looks at the modal window it opened, then
// closes it with "&Uscita".
Seen OpenFromMenu(utilita::MainWindow& menu, const char* command) {
    Seen seen;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<utilita::backup::BackupWindow*>(QApplication::activeModalWidget());
        if (window) {
            seen.modal = window->isModal() && window->isVisible();
            seen.copyEnabled = window->findChild<QWidget*>(QStringLiteral("Command5"))->isEnabled();
            seen.restoreEnabled = window->findChild<QWidget*>(QStringLiteral("Command4"))->isEnabled();
            seen.prompt = window->findChild<QLabel*>(QStringLiteral("Label3(1)"))->text();
            seen.heading = window->findChild<QLabel*>(QStringLiteral("Label4(0)"))->text();
            seen.menuPointer = menu.cursor().shape();
            window->findChild<QPushButton*>(QStringLiteral("Command1(0)"))->click();
        }
    });
    menu.findChild<QPushButton*>(QString::fromLatin1(command))->click();
    return seen;
}

using MenuOpensBackupWindow = BackupWindowTest;

TEST_F(MenuOpensBackupWindow, CopiaAndRipristinoArchiviDatiOpenItPrepared) {
    utilita::MainWindow menu(context, dao::DBEngine::Instance(), [] { return false; });
    menu.show();

    const Seen backup = OpenFromMenu(menu, "Command5");
    EXPECT_TRUE(backup.modal);
    EXPECT_TRUE(backup.copyEnabled);
    EXPECT_FALSE(backup.restoreEnabled);
    EXPECT_EQ(backup.prompt, QStringLiteral("Effettua la copia nel drive"));
    EXPECT_EQ(backup.heading, QStringLiteral("Copia di sicurezza"));
    EXPECT_EQ(backup.menuPointer, Qt::WaitCursor);

    const Seen restore = OpenFromMenu(menu, "Command4");
    EXPECT_TRUE(restore.modal);
    EXPECT_FALSE(restore.copyEnabled);
    EXPECT_TRUE(restore.restoreEnabled);
    EXPECT_EQ(restore.prompt, QStringLiteral("Ripristino archivi dal drive"));
    EXPECT_EQ(restore.heading, QStringLiteral("Ripristino degli"));

    EXPECT_EQ(menu.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(boxes.shown.empty());
}

} // namespace
} // namespace backup_testing
