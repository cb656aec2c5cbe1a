// The built program itself on the X display: a second start by the same user
// is refused while the first runs, and a crashed first leaves no stale lock.
// The program's windows are told apart by their owner process and title.
#include <csignal>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

#include "support/qt_application.h"
#include "desktop/x11_windows.h"
#include "support/temp_dir.h"
#include "utilita/drives_folder.h"
#include "desktop/x_window.h"   // Xlib last: its macros clash with Qt's names

namespace {

const std::string kMenuTitle = "Linea Vantorima 7  -  Programma di Utilità";
const std::string kMessageTitle = "Linea Vantorima 7  - Utilità";

class utilita_program : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing_support::HaveXDisplay()) GTEST_SKIP() << "no X display";
        testing_support::EnsureQtApplication();
        ASSERT_NE(x_.get(), nullptr);
        // Windows of other programs may vanish while we look at them.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        drives_.LayOutArchive();
        // A lock folder of the test's own: a utilita started by hand must not interfere.
        ::chmod(runtime_.path().c_str(), 0700);
    }

    void Start(QProcess& process) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VANTORIMA_DRIVES", QString::fromStdString(drives_.path().string()));
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime_.path().string()));
        env.insert("QT_QPA_PLATFORM", "xcb");
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(UTILITA_PROGRAM), {});
        ASSERT_TRUE(process.waitForStarted(60000));
    }

    // The process's windows on the screen (Qt also makes windows it has not shown yet).
    std::vector<Window> WindowsOf(const QProcess& process, const std::string& title) {
        std::vector<Window> found;
        for (auto w : desktop::x11::TopLevelsTopDown(x_.get())) {
            XWindowAttributes attributes{};
            if (!XGetWindowAttributes(x_.get(), w, &attributes) || attributes.map_state != IsViewable) continue;
            if (desktop::x11::OwnerProcess(x_.get(), w) == process.processId() &&
                desktop::x11::Title(x_.get(), w) == title)
                found.push_back(w);
        }
        return found;
    }

    template <typename Predicate>
    static bool WaitUntil(Predicate done, int ms = 60000) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > ms) return false;
            QThread::msleep(50);
        }
        return true;
    }

    // As the close box of the window does.
    void CloseWindow(Window w) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = w;
        event.xclient.message_type = XInternAtom(x_.get(), "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = static_cast<long>(XInternAtom(x_.get(), "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(x_.get(), w, False, NoEventMask, &event);
        XFlush(x_.get());
    }

    // Waits for the menu, answering the printer warning on the way if the
    // machine has no printer.
    bool ReachesTheMenu(QProcess& process) {
        return WaitUntil([&] {
            if (!WindowsOf(process, kMenuTitle).empty()) return true;
            for (Window box : WindowsOf(process, kMessageTitle)) CloseWindow(box);
            return process.state() != QProcess::Running;
        }) && !WindowsOf(process, kMenuTitle).empty();
    }

    testing_support::XDisplay x_;
    testing_support::DrivesFolder drives_;
    testing_support::TempDir runtime_;
};

TEST_F(utilita_program, SecondStartIsRefusedWhileTheFirstRunsAndAfterItsCrashStartsAgain) {
    QProcess first;
    Start(first);
    ASSERT_TRUE(ReachesTheMenu(first));

    QProcess second;
    Start(second);
    ASSERT_TRUE(WaitUntil([&] { return !WindowsOf(second, kMessageTitle).empty(); }))
        << "the second start shows its message";
    EXPECT_TRUE(WindowsOf(second, kMenuTitle).empty());
    for (Window box : WindowsOf(second, kMessageTitle)) CloseWindow(box);
    ASSERT_TRUE(second.waitForFinished(60000)) << "the refused start ends after its message";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running) << "the first instance is untouched";
    EXPECT_FALSE(WindowsOf(first, kMenuTitle).empty());

    first.kill();   // SIGKILL: a crash, no clean-up of any kind
    ASSERT_TRUE(first.waitForFinished(60000));

    QProcess third;
    Start(third);
    EXPECT_TRUE(ReachesTheMenu(third)) << "no stale lock may block a later start";
    third.kill();
    third.waitForFinished(60000);
}

} // namespace
