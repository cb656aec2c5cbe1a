#include "report/designer/property_editors.h"

#include <QCheckBox>
#include <QColor>
#include <QLineEdit>

namespace report {

namespace {

// A value is taken when the operator leaves the box or steps, not at each digit typed.
QDoubleSpinBox* Spin(QWidget* parent, const char* name, double min, double max, double step, const char* suffix) {
    auto* spin = Named(new QDoubleSpinBox(parent), name);
    spin->setRange(min, max);
    spin->setDecimals(1);
    spin->setSingleStep(step);
    spin->setSuffix(QString::fromLatin1(suffix));
    spin->setKeyboardTracking(false);
    return spin;
}

} // namespace

QDoubleSpinBox* Length(QWidget* parent, const char* name, double max) {
    return Spin(parent, name, 0, max, 1, " mm");
}

QDoubleSpinBox* FontSize(QWidget* parent, const char* name) {
    return Spin(parent, name, 4, 72, 0.5, " pt");
}

QComboBox* AlignChoice(QWidget* parent, const char* name) {
    auto* combo = Named(new QComboBox(parent), name);
    combo->addItem(QStringLiteral("Sinistra"), int(Align::Left));
    combo->addItem(QStringLiteral("Centro"), int(Align::Center));
    combo->addItem(QStringLiteral("Destra"), int(Align::Right));
    return combo;
}

QComboBox* FormatChoice(QWidget* parent, const char* name) {
    auto* combo = Named(new QComboBox(parent), name);
    combo->addItem(QStringLiteral("Automatico"), int(ValueFormat::Auto));
    combo->addItem(QStringLiteral("Testo"), int(ValueFormat::Text));
    combo->addItem(QStringLiteral("Importo (1.234,50)"), int(ValueFormat::Amount));
    combo->addItem(QStringLiteral("Data (gg/mm/aaaa)"), int(ValueFormat::Date));
    combo->addItem(QStringLiteral("Numero (1234,5)"), int(ValueFormat::Number));
    combo->addItem(QString::fromUtf8("Sì/No"), int(ValueFormat::YesNo));
    return combo;
}

QComboBox* ColourChoice(QWidget* parent, const char* name, bool withNone) {
    auto* combo = Named(new QComboBox(parent), name);
    if (withNone) combo->addItem(QStringLiteral("Nessuno"), QString());
    const std::pair<const char*, const char*> presets[] = {
        {"Nero", "#000000"},         {"Grigio scuro", "#505050"}, {"Grigio", "#a0a0a0"},
        {"Grigio chiaro", "#e6e6e6"}, {"Blu", "#1f4e99"},         {"Azzurro chiaro", "#dde8f5"},
        {"Rosso", "#b01c1c"},        {"Verde", "#2b7a3d"},        {"Bianco", "#ffffff"}};
    for (const auto& [label, colour] : presets) {
        QPixmap swatch(12, 12);
        swatch.fill(QColor(QString::fromLatin1(colour)));
        combo->addItem(QIcon(swatch), QString::fromLatin1(label), QString::fromLatin1(colour));
    }
    return combo;
}

void ConnectEditor(QWidget* editor, QObject* context, std::function<void()> changed) {
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        QObject::connect(line, &QLineEdit::textEdited, context, changed);
    else if (auto* spin = qobject_cast<QDoubleSpinBox*>(editor))
        QObject::connect(spin, &QDoubleSpinBox::valueChanged, context, changed);
    else if (auto* combo = qobject_cast<QComboBox*>(editor))
        QObject::connect(combo, &QComboBox::currentIndexChanged, context, changed);
    else if (auto* check = qobject_cast<QCheckBox*>(editor))
        QObject::connect(check, &QCheckBox::toggled, context, changed);
}

void SetText(QWidget* lineEdit, const std::string& text) {
    auto* line = static_cast<QLineEdit*>(lineEdit);
    const QString value = QString::fromStdString(text);
    if (line->text() != value) line->setText(value);
}

void SelectData(QComboBox* combo, const QVariant& value) {
    int index = combo->findData(value);
    if (index < 0 && value.typeId() == QMetaType::QString) {
        combo->addItem(value.toString(), value);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(std::max(index, 0));
}

void SelectText(QComboBox* combo, const std::string& data) {
    SelectData(combo, QString::fromStdString(data));
}

} // namespace report
