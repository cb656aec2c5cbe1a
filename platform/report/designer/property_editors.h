#pragma once
// Small editors of the designer's panels: lengths in millimetres, font
// sizes, alignments, formats and colours, and how each reports a change.
#include <functional>
#include <string>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QString>

#include "report/model/layout.h"

class QObject;
class QWidget;

namespace report {

template <class W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QDoubleSpinBox* Length(QWidget* parent, const char* name, double max);
QDoubleSpinBox* FontSize(QWidget* parent, const char* name);
QComboBox* AlignChoice(QWidget* parent, const char* name);
QComboBox* FormatChoice(QWidget* parent, const char* name);
// Preset colours by name, as "#rrggbb" data; with none, a first entry "Nessuno" (no colour).
QComboBox* ColourChoice(QWidget* parent, const char* name, bool withNone);

// Calls changed when the operator edits the widget (a line edit, spin box,
// combo box or check box); changes made by the program call it too, so the
// caller guards its own loading.
void ConnectEditor(QWidget* editor, QObject* context, std::function<void()> changed);

void SetText(QWidget* lineEdit, const std::string& text);
void SelectData(QComboBox* combo, const QVariant& value);   // adds an unknown colour
void SelectText(QComboBox* combo, const std::string& data);

} // namespace report
