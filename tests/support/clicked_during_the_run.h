#pragma once
// The Conversione window with clicks on "Esegui" and "Uscita" made while the
// run holds the program (as its last line is written): they wait in the
// queue, and must not act once the buttons come back.
#include <string>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>

#include "app/main_window.h"

namespace test_support {

class ClickedDuringTheRun : public MainWindow {
public:
    using MainWindow::MainWindow;
    void AppendLog(const std::string& line) override {
        MainWindow::AppendLog(line);
        if (line.rfind("PROCEDURA", 0) != 0) return;
        for (QPushButton* button : {Controls().runButton, Controls().exitButton}) {
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                QCoreApplication::postEvent(button, new QMouseEvent(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                                                                    Qt::LeftButton, Qt::NoModifier));
        }
    }
};

} // namespace test_support
