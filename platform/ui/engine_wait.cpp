#include "ui/engine_wait.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>

#include "dbengine/waiting.h"

namespace ui {

namespace {

// A window is not closed under the operation that waits: its close is dropped,
// as its clicks are.
class NoClosing : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close) return false;
        event->ignore();
        return true;
    }
};

} // namespace

void PaintWindowsWhileTheEngineWaits() {
    dao::SetWaitHook([filter = new NoClosing, shown = false](bool waiting) mutable {
        if (waiting && !shown) {
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
            QCoreApplication::instance()->installEventFilter(filter);
        } else if (!waiting && shown) {
            QCoreApplication::instance()->removeEventFilter(filter);
            QGuiApplication::restoreOverrideCursor();
        }
        shown = waiting;
        // Painting and timers only: input is left queued for after the wait.
        if (waiting) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers);
    });
}

} // namespace ui
