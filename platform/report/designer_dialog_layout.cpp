// The designer's controls: the page part and the line table on two tabs
// beside the sample page.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "report/designer_dialog.h"
#include "report/page_view.h"

namespace report {

namespace {

template <class W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
    button->setAutoDefault(false);
    return button;
}

QDoubleSpinBox* Length(QWidget* parent, const char* name, double max) {
    auto* spin = Named(new QDoubleSpinBox(parent), name);
    spin->setRange(0, max);
    spin->setDecimals(1);
    spin->setSingleStep(1);
    spin->setSuffix(QStringLiteral(" mm"));
    return spin;
}

QDoubleSpinBox* FontSize(QWidget* parent, const char* name) {
    auto* spin = Named(new QDoubleSpinBox(parent), name);
    spin->setRange(4, 72);
    spin->setDecimals(1);
    spin->setSingleStep(0.5);
    spin->setSuffix(QStringLiteral(" pt"));
    return spin;
}

QComboBox* Formats(QWidget* parent, const char* name) {
    auto* combo = Named(new QComboBox(parent), name);
    combo->addItem(QStringLiteral("Automatico"), int(ValueFormat::Auto));
    combo->addItem(QStringLiteral("Testo"), int(ValueFormat::Text));
    combo->addItem(QStringLiteral("Importo (1.234,50)"), int(ValueFormat::Amount));
    combo->addItem(QStringLiteral("Data (gg/mm/aaaa)"), int(ValueFormat::Date));
    combo->addItem(QStringLiteral("Numero (1234,5)"), int(ValueFormat::Number));
    combo->addItem(QString::fromUtf8("Sì/No"), int(ValueFormat::YesNo));
    return combo;
}

QComboBox* Choice(QWidget* parent, const char* name, const DefinitionList& list) {
    auto* combo = Named(new QComboBox(parent), name);
    for (const Definition& d : list.Items()) {
        const QString sample = QString::fromStdString(d.contents);
        combo->addItem(QString::fromStdString(d.name) + QStringLiteral("   [") + sample.left(30) + QLatin1Char(']'),
                       QString::fromStdString(d.name));
    }
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(18);
    return combo;
}

} // namespace

void DesignerDialog::BuildControls() {
    setObjectName(QStringLiteral("LayoutDesigner"));
    setWindowTitle(QString::fromStdString(request_.title));
    const double pageWidth = request_.layout.pageWidth;
    const double pageHeight = request_.layout.pageHeight;

    QString file = QStringLiteral("Modulo: ") + QString::fromStdString(request_.file.string());
    if (request_.newLayout) file += QStringLiteral("   (nuovo modulo, non ancora salvato)");
    fileLabel_ = Named(new QLabel(file, this), "LayoutFile");
    fileLabel_->setTextFormat(Qt::PlainText);

    // Page part.
    auto* headerTab = new QWidget;
    items_ = Named(new QListWidget(headerTab), "HeaderItems");
    variableChoice_ = Choice(headerTab, "VariableChoice", request_.variables);
    addVariable_ = Button(headerTab, "AddVariable", "Aggiungi &variabile");
    textToAdd_ = Named(new QLineEdit(headerTab), "TextToAdd");
    textToAdd_->setPlaceholderText(QStringLiteral("Testo fisso"));
    addText_ = Button(headerTab, "AddText", "Aggiungi &testo");
    removeItem_ = Button(headerTab, "RemoveItem", "&Rimuovi");
    auto* addRow1 = new QHBoxLayout;
    addRow1->addWidget(variableChoice_, 1);
    addRow1->addWidget(addVariable_);
    auto* addRow2 = new QHBoxLayout;
    addRow2->addWidget(textToAdd_, 1);
    addRow2->addWidget(addText_);

    auto* itemBox = Named(new QGroupBox(QStringLiteral("Elemento scelto"), headerTab), "ItemProperties");
    itemCaption_ = Named(new QLineEdit(itemBox), "ItemCaption");
    itemX_ = Length(itemBox, "ItemX", pageWidth);
    itemY_ = Length(itemBox, "ItemY", pageHeight);
    itemWidth_ = Length(itemBox, "ItemWidth", pageWidth);
    itemSize_ = FontSize(itemBox, "ItemSize");
    itemBold_ = Named(new QCheckBox(QStringLiteral("&Grassetto"), itemBox), "ItemBold");
    itemFormat_ = Formats(itemBox, "ItemFormat");
    auto* itemForm = new QFormLayout(itemBox);
    itemForm->addRow(QStringLiteral("Didascalia / testo"), itemCaption_);
    auto* position = new QHBoxLayout;
    position->addWidget(new QLabel(QStringLiteral("X"), itemBox));
    position->addWidget(itemX_);
    position->addWidget(new QLabel(QStringLiteral("Y"), itemBox));
    position->addWidget(itemY_);
    itemForm->addRow(QStringLiteral("Posizione"), position);
    itemForm->addRow(QStringLiteral("Larghezza"), itemWidth_);
    auto* font = new QHBoxLayout;
    font->addWidget(itemSize_);
    font->addWidget(itemBold_);
    itemForm->addRow(QStringLiteral("Carattere"), font);
    itemForm->addRow(QStringLiteral("Formato"), itemFormat_);

    auto* headerLayout = new QVBoxLayout(headerTab);
    headerLayout->addWidget(items_, 1);
    headerLayout->addLayout(addRow1);
    headerLayout->addLayout(addRow2);
    headerLayout->addWidget(itemBox);
    headerLayout->addWidget(removeItem_, 0, Qt::AlignLeft);

    // Line table.
    auto* tableTab = new QWidget;
    columns_ = Named(new QListWidget(tableTab), "Columns");
    fieldChoice_ = Choice(tableTab, "FieldChoice", request_.fields);
    addField_ = Button(tableTab, "AddField", "Aggiungi &campo");
    columnUp_ = Button(tableTab, "ColumnUp", "S&u");
    columnDown_ = Button(tableTab, "ColumnDown", "Gi&ù");
    removeColumn_ = Button(tableTab, "RemoveColumn", "Ri&muovi");
    auto* addRow3 = new QHBoxLayout;
    addRow3->addWidget(fieldChoice_, 1);
    addRow3->addWidget(addField_);
    auto* order = new QHBoxLayout;
    order->addWidget(columnUp_);
    order->addWidget(columnDown_);
    order->addStretch();
    order->addWidget(removeColumn_);

    auto* columnBox = Named(new QGroupBox(QStringLiteral("Colonna scelta"), tableTab), "ColumnProperties");
    columnTitle_ = Named(new QLineEdit(columnBox), "ColumnTitle");
    columnWidth_ = Length(columnBox, "ColumnWidth", pageWidth);
    columnAlign_ = Named(new QComboBox(columnBox), "ColumnAlign");
    columnAlign_->addItem(QStringLiteral("Sinistra"), int(Align::Left));
    columnAlign_->addItem(QStringLiteral("Centro"), int(Align::Center));
    columnAlign_->addItem(QStringLiteral("Destra"), int(Align::Right));
    columnFormat_ = Formats(columnBox, "ColumnFormat");
    auto* columnForm = new QFormLayout(columnBox);
    columnForm->addRow(QStringLiteral("Titolo"), columnTitle_);
    columnForm->addRow(QStringLiteral("Larghezza"), columnWidth_);
    columnForm->addRow(QStringLiteral("Allineamento"), columnAlign_);
    columnForm->addRow(QStringLiteral("Formato"), columnFormat_);

    auto* tableBox = Named(new QGroupBox(QStringLiteral("Tabella"), tableTab), "TableProperties");
    tableTop_ = Length(tableBox, "TableTop", pageHeight);
    tableBottom_ = Length(tableBox, "TableBottom", pageHeight);
    tableSize_ = FontSize(tableBox, "TableSize");
    auto* tableForm = new QFormLayout(tableBox);
    tableForm->addRow(QStringLiteral("Inizio"), tableTop_);
    tableForm->addRow(QStringLiteral("Fine"), tableBottom_);
    tableForm->addRow(QStringLiteral("Carattere"), tableSize_);

    auto* tableLayout = new QVBoxLayout(tableTab);
    tableLayout->addWidget(columns_, 1);
    tableLayout->addLayout(addRow3);
    tableLayout->addLayout(order);
    tableLayout->addWidget(columnBox);
    tableLayout->addWidget(tableBox);

    auto* tabs = Named(new QTabWidget(this), "Parts");
    tabs->addTab(headerTab, QStringLiteral("&Intestazione"));
    tabs->addTab(tableTab, QStringLiteral("Ri&ghe"));

    page_ = Named(new PageView(this), "Page");

    save_ = Button(this, "Save", "&Salva");
    close_ = Button(this, "Close", "&Chiudi");
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(save_);
    commands->addWidget(close_);

    auto* body = new QHBoxLayout;
    body->addWidget(tabs, 3);
    body->addWidget(page_, 4);
    auto* window = new QVBoxLayout(this);
    window->addWidget(fileLabel_);
    window->addLayout(body, 1);
    window->addLayout(commands);
    resize(960, 680);
}

} // namespace report
