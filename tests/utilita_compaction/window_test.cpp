// The compaction window: its controls, a run from its button with the marks,
// status and pointer the user sees, refusals while it runs, the report of a
// failure, and the menu opening it modally.
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "compaction/compaction_window.h"
#include "context/app_context.h"
#include "dbengine/engine.h"
#include "menu/main_window.h"
#include "support/qt_application.h"
#include "support/watching_message_boxes.h"
#include "utilita_compaction/archive_fixture.h"

namespace compaction_testing {
namespace {

using testing_support::WatchingBoxes;
using Window = utilita::compaction::CompactionWindow;

// What the window showed when a message box came up.
struct WindowState {
    bool marks[3] = {false, false, false};
    QString status;
    Qt::CursorShape pointer = Qt::ArrowCursor;
};

class CompactionWindow : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::EnsureQtApplication();
        context.archiveFolder = kArchive;
        archive.BuildDatabase(kFirst, 1);
        archive.BuildDatabase(kSecond, 2);
    }

    template <typename T>
    static T* Child(QWidget& window, const char* name) {
        T* child = window.findChild<T*>(QString::fromLatin1(name));
        if (!child) ADD_FAILURE() << "no control " << name;
        return child;
    }
    static WindowState StateOf(Window& form) {
        WindowState state;
        for (int i = 0; i < 3; ++i)
            state.marks[i] = Child<QCheckBox>(form, ("cec(" + std::to_string(i) + ")").c_str())->isChecked();
        state.status = Child<QLabel>(form, "Label2(0)")->text();
        state.pointer = form.cursor().shape();
        return state;
    }
    static void PressF12(QWidget& window) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
    }
    static void ExpectIdle(Window& form) {
        const WindowState state = StateOf(form);
        for (bool mark : state.marks) EXPECT_FALSE(mark);
        EXPECT_EQ(state.status, QStringLiteral("In attesa..."));
        EXPECT_EQ(state.pointer, Qt::ArrowCursor);
    }

    ArchiveFolder archive;
    utilita::AppContext context;
    WatchingBoxes boxes;
};

TEST_F(CompactionWindow, ShowsItsControlsAsWritten) {
    Window form(context, dao::DBEngine::Instance());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Recupera e Compatta files di archivio"));
    EXPECT_EQ(Child<QPushButton>(form, "Command2")->text(), QStringLiteral("Recupera e &Compatta"));
    EXPECT_EQ(Child<QPushButton>(form, "Command1(0)")->text(), QStringLiteral("&Uscita"));
    const char* marks[3] = {"Recupera Vantorima7.MDB && Vantorima7A.MDB", "Compatta Vantorima7.MDB && Vantorima7A.MDB",
                            "Allineamento indici nei files di archivio"};
    for (int i = 0; i < 3; ++i) {
        auto* mark = Child<QCheckBox>(form, ("cec(" + std::to_string(i) + ")").c_str());
        EXPECT_EQ(mark->text(), QString::fromLatin1(marks[i]));
        // "&&" is a shown ampersand, not an access key.
        EXPECT_TRUE(QKeySequence::mnemonic(mark->text()).isEmpty()) << i;
    }
    EXPECT_EQ(QKeySequence::mnemonic(Child<QPushButton>(form, "Command2")->text()),
              QKeySequence(Qt::ALT | Qt::Key_C));
    ExpectIdle(form);
}

TEST_F(CompactionWindow, RunFromItsButtonEndsWithConfermaAndTheWindowIdle) {
    Window form(context, dao::DBEngine::Instance());
    form.show();
    std::optional<WindowState> atMessage;
    boxes.onShow = [&] { atMessage = StateOf(form); };

    Child<QPushButton>(form, "Command2")->click();

    ASSERT_EQ(boxes.Requests().size(), 1u);
    const ui::MessageRequest& done = boxes.Requests()[0];
    EXPECT_EQ(done.text, "Procedura terminata !");
    EXPECT_EQ(done.title, "Conferma");
    EXPECT_EQ(done.buttons, ui::Buttons::Ok);
    EXPECT_EQ(done.icon, ui::Icon::Information);
    // The message comes while the run still shows; the window is put back after it.
    ASSERT_TRUE(atMessage);
    for (bool mark : atMessage->marks) EXPECT_TRUE(mark);
    EXPECT_EQ(atMessage->status, QStringLiteral("Attendere prego..."));
    EXPECT_EQ(atMessage->pointer, Qt::WaitCursor);
    ExpectIdle(form);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(archive.Names(), (std::set<std::string>{kFirst, kSecond}));
}

TEST_F(CompactionWindow, StartAndCloseAreRefusedWhileItRunsAndF12ClosesItAfter) {
    Window form(context, dao::DBEngine::Instance());
    form.show();
    std::vector<bool> runningAndVisible;
    bool closeAccepted = true;
    QTimer::singleShot(0, &form, [&] {
        runningAndVisible.push_back(form.Running());
        Child<QPushButton>(form, "Command2")->click();
        PressF12(form);
        Child<QPushButton>(form, "Command1(0)")->click();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&form, &escape);
        closeAccepted = form.close();
        runningAndVisible.push_back(form.isVisible());
    });

    Child<QPushButton>(form, "Command2")->click();

    EXPECT_EQ(runningAndVisible, (std::vector<bool>{true, true}));
    EXPECT_FALSE(closeAccepted);
    ASSERT_EQ(boxes.Requests().size(), 1u) << "one run only";
    EXPECT_EQ(boxes.Requests()[0].text, "Procedura terminata !");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.Running());

    PressF12(form);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(CompactionWindow, FailureIsReportedAndTheWindowStaysOpenAndIdle) {
    std::filesystem::remove(archive.Host(kSecond));
    Window form(context, dao::DBEngine::Instance());
    form.show();

    Child<QPushButton>(form, "Command2")->click();

    ASSERT_EQ(boxes.Requests().size(), 1u);
    const ui::MessageRequest& report = boxes.Requests()[0];
    EXPECT_EQ(report.title, "Linea Vantorima 7  - Utilità");
    EXPECT_EQ(report.buttons, ui::Buttons::Ok);
    EXPECT_EQ(report.icon, ui::Icon::Critical);
    EXPECT_EQ(report.text.rfind("Procedura interrotta !\r\n", 0), 0u) << report.text;
    EXPECT_NE(report.text.find("Errore nr. 3024"), std::string::npos) << report.text;
    EXPECT_TRUE(form.isVisible());
    ExpectIdle(form);
}

TEST_F(CompactionWindow, MenuCommandOpensItModallyOverTheMenu) {
    const std::filesystem::path driveC = archive.Folder().parent_path();
    std::ofstream(driveC / "VanRete7.dat", std::ios::binary) << "C:\\archivi\r\n";
    std::ofstream(archive.Host("VanReteAB.dat"), std::ios::binary) << "";
    context.printerQuery = [] { return true; };
    utilita::MainWindow menu(context, dao::DBEngine::Instance(), [] { return false; });
    ASSERT_TRUE(menu.Load());
    menu.show();

    bool opened = false;
    QTimer::singleShot(0, &menu, [&] {
        auto* form = qobject_cast<Window*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr) << "no compaction window is the modal one";
        opened = true;
        EXPECT_TRUE(form->isModal());
        EXPECT_EQ(form->parentWidget(), &menu);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Recupera e Compatta files di archivio"));
        PressF12(*form);
    });
    auto* command = menu.findChild<QPushButton*>(QStringLiteral("Command2"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(command, nullptr);
    command->click();

    EXPECT_TRUE(opened);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(boxes.Requests().empty());
}

} // namespace
} // namespace compaction_testing
