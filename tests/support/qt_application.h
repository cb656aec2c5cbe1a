#pragma once
// One QApplication for a whole test runner, created on first use: on Qt's
// offscreen platform in runners built with TESTS_QT_OFFSCREEN (the suites'
// environment setting alone does not reach ctest), else on the X display.
#include <QApplication>

namespace testing_support {

inline QApplication& EnsureQtApplication() {
    static int argc = 1;
    static char name[] = "tests";
    static char* argv[] = {name, nullptr};
#ifdef TESTS_QT_OFFSCREEN
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    static QApplication* app = new QApplication(argc, argv);   // kept to the end of the process
    return *app;
}

} // namespace testing_support
