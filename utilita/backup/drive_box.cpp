#include "backup/drive_box.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace utilita::backup {

void DriveBox::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && text[0] >= u'a' && text[0] <= u'z') {
        QKeyEvent upper(event->type(), event->key(), event->modifiers(), text.toUpper(), event->isAutoRepeat(),
                        static_cast<quint16>(event->count()));
        QLineEdit::keyPressEvent(&upper);
        event->setAccepted(upper.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DriveBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A message box coming up, or another program's window, takes the
    // activation, not the focus within this window.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) emit lostFocus();
}

} // namespace utilita::backup
