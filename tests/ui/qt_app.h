#pragma once
// One QApplication for the whole test runner, made on first use, on Qt's
// offscreen platform unless the environment names another.
#include <QApplication>
#include <QtGlobal>

namespace ui_testing {

inline QApplication& App() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}

} // namespace ui_testing
