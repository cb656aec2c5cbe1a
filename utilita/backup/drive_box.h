#pragma once
// The drive box: a letter typed in lower case arrives in upper case (text
// pasted is left as it is), and leaving the box for another control is told.
#include <QLineEdit>

namespace utilita::backup {

class DriveBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    // Focus moved elsewhere in the window (not the window losing activation).
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace utilita::backup
