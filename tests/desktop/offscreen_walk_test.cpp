#include <QWidget>

#include <gtest/gtest.h>

#include "support/qt_application.h"
#include "desktop/window_walk.h"

namespace {

TEST(desktop_window_walk, FindsNothingWithoutAnXDisplay) {
    testing_support::EnsureQtApplication();
    ASSERT_NE(QGuiApplication::platformName(), QLatin1String("xcb"));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Vantorima7"));
    window.show();
    window.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &window) << "the walk would start here";
    EXPECT_FALSE(desktop::TaskExists("Vantorima7", desktop::TitleMatch::Whole));
    EXPECT_FALSE(desktop::TaskExists("Vantorima", desktop::TitleMatch::Part));
}

} // namespace
