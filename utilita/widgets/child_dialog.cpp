#include "widgets/child_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

namespace utilita {

ChildDialog::RunningGuard::~RunningGuard() {
    QCoreApplication::processEvents();
    flag_ = false;
}

void ChildDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F12) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ChildDialog::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ChildDialog::reject() {
    if (!running_) QDialog::reject();
}

} // namespace utilita
