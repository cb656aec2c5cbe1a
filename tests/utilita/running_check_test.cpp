// The running-application check of the menu over real X11 windows (Xvfb):
// backup, restore and compaction refuse while a window titled exactly
// "Vantorima7" lies below the menu. This is the one test of all runners that
// makes windows with that title: ctest runs tests in parallel on one display.
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include "support/recording_menu.h"
#include "utilita/utilita_fixture.h"
#include "desktop/x_window.h"   // Xlib last: its macros clash with Qt's names

namespace {

using testing_support::RecordingMenu;
using testing_support::XWindow;

const char* const kRefusal = "Linea Vantorima 7  - Utilità: Rilevata Vantorima 7 aperto...chiuderlo e riprovare !";
const char* const kRightsRefusal = "Attenzione: Utente non abilitato !";

class utilita_running_check : public testing_support::UtilitaFixture {
protected:
    void SetUp() override {
        if (!testing_support::HaveXDisplay()) GTEST_SKIP() << "no X display";
        UtilitaFixture::SetUp();
        ASSERT_EQ(QGuiApplication::platformName(), QLatin1String("xcb"));
        drives.LayOutArchive();
        ASSERT_NE(x_.get(), nullptr);
    }

    // Gives the menu the focus; raise also puts it on top of the stack.
    bool MakeActive(RecordingMenu& form, bool raise = false) {
        form.show();
        if (raise) form.raise();
        form.activateWindow();
        QElapsedTimer timer;
        timer.start();
        while (QApplication::activeWindow() != &form && timer.elapsed() < 60000) {
            QCoreApplication::processEvents();
            QThread::msleep(10);
        }
        return QApplication::activeWindow() == &form;
    }

    struct Outcome {
        std::vector<std::string> messages;
        std::vector<std::string> opened;
        bool operator==(const Outcome&) const = default;
        friend void PrintTo(const Outcome& o, std::ostream* os) {
            *os << "messages {";
            for (const auto& m : o.messages) *os << " [" << m << "]";
            *os << " } windows {";
            for (const auto& w : o.opened) *os << " " << w;
            *os << " }";
        }
    };

    // Clicks one command with the menu active. Another runner on the display
    // may take the focus away meanwhile; the click is then made again.
    Outcome Click(RecordingMenu& form, const char* command) {
        Outcome outcome;
        for (int attempt = 0; attempt < 3; ++attempt) {
            EXPECT_TRUE(MakeActive(form));
            ResetMessages();
            form.opened.clear();
            form.Click(command);
            bool stillActive = QApplication::activeWindow() == &form;
            outcome = {};
            for (const auto& m : Messages()) outcome.messages.push_back(m.title + ": " + m.text);
            for (const auto& o : form.opened) outcome.opened.push_back(o.window);
            if (stillActive) break;
        }
        return outcome;
    }

    static Outcome Refused() { return {{kRefusal}, {}}; }
    static Outcome Opened(const char* window) { return {{}, {window}}; }

    testing_support::XDisplay x_;
};

TEST_F(utilita_running_check, RefusesOnlyWhenTheMainApplicationLiesBelowTheMenu) {
    RecordingMenu form(context);
    ASSERT_TRUE(form.Load());
    ASSERT_TRUE(MakeActive(form, true));

    EXPECT_EQ(Click(form, "Command5"), Opened("backup")) << "no main application";

    {
        XWindow application(x_.get(), "Vantorima7");
        application.Lower();
        EXPECT_TRUE(form.TaskExists("Vantorima7", desktop::TitleMatch::Whole));
        EXPECT_EQ(Click(form, "Command5"), Refused());
        EXPECT_EQ(Click(form, "Command4"), Refused());
        EXPECT_EQ(Click(form, "Command2"), Refused());
        EXPECT_EQ(Click(form, "Command3"), Opened("layouts")) << "print layouts are not checked";

        context.userNotEnabled = true;
        EXPECT_EQ(Click(form, "Command4"), (Outcome{{kRightsRefusal}, {}})) << "rights come first";
        EXPECT_EQ(Click(form, "Command5"), Refused()) << "backup has no rights gate";
        context.userNotEnabled = false;

        application.Raise();
        EXPECT_EQ(Click(form, "Command5"), Opened("backup")) << "a window above the menu is not looked at";
    }
    {
        XWindow application(x_.get(), "Vantorima7 ");
        application.Lower();
        EXPECT_EQ(Click(form, "Command2"), Opened("compaction")) << "the title must match whole";
        EXPECT_TRUE(form.TaskExists("Vantorima7", desktop::TitleMatch::Part));
    }
    {
        XWindow application(x_.get(), "vantorima7");
        application.Lower();
        EXPECT_EQ(Click(form, "Command4"), Opened("restore")) << "letter case counts";
    }
    {
        // Without a window manager Qt may report no active window (after a
        // message box): the walk then starts from the menu itself.
        XWindow application(x_.get(), "Vantorima7");
        application.Lower();
        QApplication::setActiveWindow(nullptr);
        ASSERT_EQ(QApplication::activeWindow(), nullptr);
        EXPECT_TRUE(form.TaskExists("Vantorima7", desktop::TitleMatch::Whole));
    }
}

} // namespace
