// The window walk over real X11 windows (Xvfb). Titles carry this process's
// id: tests of other runners share the display and must not see our windows.
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "desktop/window_walk.h"
#include "desktop/x11_windows.h"
#include "desktop/x_window.h"

namespace {

using desktop::TitleMatch;
using testing_support::XWindow;

class desktop_x11_walk : public ::testing::Test {
protected:
    void SetUp() override {
        if (!testing_support::HaveXDisplay()) GTEST_SKIP() << "no X display";
        ASSERT_NE(x_.get(), nullptr);
    }

    // Walks from start with the walk's own connection (as TaskExists does).
    bool Walk(Window start, const std::string& title, TitleMatch match, int* yields = nullptr) {
        desktop::x11::Connection connection;
        int count = 0;
        bool found = desktop::WalkDownForTitle(connection.display(), start, title, match, [&] { ++count; });
        if (yields) *yields = count;
        return found;
    }

    Display* x() const { return x_.get(); }

    const std::string name_ = "Vantorima7~" + std::to_string(::getpid());
    testing_support::XDisplay x_;
};

TEST_F(desktop_x11_walk, FindsTheTitleBelowTheStartNeverAbove) {
    XWindow menu(x(), "Menu");
    XWindow application(x(), name_);

    application.Lower();
    EXPECT_TRUE(Walk(menu.id(), name_, TitleMatch::Whole)) << "below the start window";
    EXPECT_TRUE(Walk(menu.id(), name_, TitleMatch::Part));

    application.Raise();
    EXPECT_FALSE(Walk(menu.id(), name_, TitleMatch::Whole)) << "above the start window";
    EXPECT_FALSE(Walk(menu.id(), name_, TitleMatch::Part));

    EXPECT_TRUE(Walk(application.id(), name_, TitleMatch::Whole)) << "the start window itself is looked at";
}

TEST_F(desktop_x11_walk, ExactNeedsTheWholeTitlePartNeedsAnOccurrenceBothCaseSensitive) {
    XWindow menu(x(), "Menu");
    XWindow trailingBlank(x(), name_ + " ");
    trailingBlank.Lower();
    EXPECT_FALSE(Walk(menu.id(), name_, TitleMatch::Whole));
    EXPECT_TRUE(Walk(menu.id(), name_, TitleMatch::Part));

    trailingBlank.Destroy();
    std::string lower = name_;
    lower[0] = 'v';
    XWindow otherCase(x(), lower);
    otherCase.Lower();
    EXPECT_FALSE(Walk(menu.id(), name_, TitleMatch::Whole));
    EXPECT_FALSE(Walk(menu.id(), name_, TitleMatch::Part));
}

TEST_F(desktop_x11_walk, ReadsUtf8NamesAndLatin1WmNames) {
    XWindow menu(x(), "Menu");
    const std::string accented = "Utilità " + name_;
    XWindow legacy(x(), accented, XWindow::TitleKind::WmNameOnly);
    legacy.Lower();
    EXPECT_EQ(desktop::x11::Title(x(), legacy.id()), accented);
    EXPECT_TRUE(Walk(menu.id(), accented, TitleMatch::Whole));

    XWindow modern(x(), "Società " + name_);
    EXPECT_EQ(desktop::x11::Title(x(), modern.id()), "Società " + name_);
}

TEST_F(desktop_x11_walk, YieldsOncePerStepAndStopsAtTheFirstMatch) {
    XWindow application(x(), name_);
    XWindow menu(x(), "Menu");
    Window pair[2] = {menu.id(), application.id()};   // application directly below the menu
    XRestackWindows(x(), pair, 2);
    XSync(x(), False);
    int yields = -1;
    EXPECT_TRUE(Walk(menu.id(), name_, TitleMatch::Whole, &yields));
    EXPECT_EQ(yields, 1);
    EXPECT_TRUE(Walk(application.id(), name_, TitleMatch::Whole, &yields));
    EXPECT_EQ(yields, 0);
    EXPECT_FALSE(Walk(0, name_, TitleMatch::Whole, &yields)) << "no active window";
    EXPECT_EQ(yields, 0);
}

TEST_F(desktop_x11_walk, VanishedStartWindowEndsTheWalkQuietly) {
    XWindow application(x(), name_);
    application.Lower();
    XWindow menu(x(), "Menu");
    Window gone = menu.id();
    menu.Destroy();
    EXPECT_FALSE(Walk(gone, name_, TitleMatch::Whole));
    EXPECT_EQ(desktop::x11::Title(x(), gone), "");
}

TEST_F(desktop_x11_walk, ReadsTheClientTitleInsideAWindowManagerFrame) {
    XWindow menuFrame(x(), "", XWindow::TitleKind::Untitled);
    XWindow menuClient(x(), "Menu", XWindow::TitleKind::NetWmName, menuFrame.id());
    menuClient.SetWmState();
    XWindow frame(x(), "", XWindow::TitleKind::Untitled);
    XWindow client(x(), name_, XWindow::TitleKind::NetWmName, frame.id());
    client.SetWmState();
    frame.Lower();

    EXPECT_EQ(desktop::x11::TopLevelOf(x(), menuClient.id()), menuFrame.id());
    EXPECT_EQ(desktop::x11::Title(x(), frame.id()), name_);
    EXPECT_TRUE(Walk(desktop::x11::TopLevelOf(x(), menuClient.id()), name_, TitleMatch::Whole));
    frame.Raise();
    EXPECT_FALSE(Walk(desktop::x11::TopLevelOf(x(), menuClient.id()), name_, TitleMatch::Whole));
}

} // namespace
