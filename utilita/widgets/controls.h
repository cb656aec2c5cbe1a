#pragma once
// The controls every window of Utilita builds, made one way. Each carries its
// platform control name ("Command5", "Label2(0)") as objectName: tests and
// accessibility find it by that name.
#include <QFrame>
#include <QString>
#include <QStyle>

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace utilita {

// A label caption shown the way the captions are written: "&&" is one
// ampersand, a single "&" marks an access key and is not shown. (QLabel shows
// ampersands literally unless it has a buddy.)
QString LabelText(const QString& caption);

// A plain-text label showing caption as LabelText does.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption);

// A picture from the style's standard icons.
QLabel* MakeImage(QWidget* parent, const char* name, QStyle::StandardPixmap pixmap, int size);

// A sunken line, QFrame::HLine or QFrame::VLine.
QFrame* MakeLine(QWidget* parent, const char* name, QFrame::Shape shape);

// How a command button looks; the defaults are the dialogs' buttons.
struct ButtonLook {
    int minimumHeight = 36;
    int leftPadding = -1;   // caption and icon to the left with this padding; -1 centred
    int iconSize = -1;      // -1: the style's size
};

// A command button with an icon. Enter never presses it by default: a key
// meant for a box must not start an operation.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QStyle::StandardPixmap pixmap,
                        const ButtonLook& look = {});

// A check box, ticked at first.
QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& caption);

} // namespace utilita
