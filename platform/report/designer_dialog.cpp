#include "report/designer_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "report/composer.h"
#include "report/default_layout.h"
#include "report/layout_file.h"
#include "report/page_view.h"
#include "ui/message_box.h"

namespace report {

namespace {

constexpr int kSampleLines = 3;

const char* AlignWord(Align align) {
    switch (align) {
    case Align::Center: return "centro";
    case Align::Right: return "destra";
    case Align::Left: break;
    }
    return "sinistra";
}

void SelectData(QComboBox* combo, int value) {
    const int index = combo->findData(value);
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

QString Mm(double value) { return QString::number(value, 'f', 1); }

} // namespace

QString ItemRowText(const HeaderItem& item, const DefinitionList& variables) {
    QString what;
    if (item.kind == ItemKind::Text) {
        what = QStringLiteral("Testo \"") + QString::fromStdString(item.source) + QLatin1Char('"');
    } else {
        what = QStringLiteral("Variabile ") + QString::fromStdString(item.source);
        if (!variables.Find(item.source)) what += QStringLiteral(" (non definita)");
    }
    return what + QStringLiteral("   x ") + Mm(item.x) + QStringLiteral("  y ") + Mm(item.y) + QStringLiteral("  ") +
           Mm(item.fontSize) + QStringLiteral(" pt") + (item.bold ? QStringLiteral(" grassetto") : QString());
}

QString ColumnRowText(const TableColumn& column, const DefinitionList& fields) {
    QString what = QString::fromStdString(column.field);
    if (!fields.Find(column.field)) what += QStringLiteral(" (non definito)");
    return what + QStringLiteral("   \"") + QString::fromStdString(column.title) + QStringLiteral("\"  ") +
           Mm(column.width) + QStringLiteral(" mm  ") + QString::fromLatin1(AlignWord(column.align));
}

DesignerDialog::DesignerDialog(DesignRequest& request, QWidget* parent) : QDialog(parent), request_(request) {
    BuildControls();
    loading_ = true;
    tableTop_->setValue(request_.layout.table.top);
    tableBottom_->setValue(request_.layout.table.bottom);
    tableSize_->setValue(request_.layout.table.fontSize);
    loading_ = false;
    FillItems(request_.layout.header.empty() ? -1 : 0);
    FillColumns(request_.layout.table.columns.empty() ? -1 : 0);
    Connect();
    RefreshPage();
}

void DesignerDialog::Connect() {
    connect(addVariable_, &QPushButton::clicked, this, &DesignerDialog::AddVariable);
    connect(addText_, &QPushButton::clicked, this, &DesignerDialog::AddText);
    connect(textToAdd_, &QLineEdit::returnPressed, this, &DesignerDialog::AddText);
    connect(removeItem_, &QPushButton::clicked, this, &DesignerDialog::RemoveItem);
    connect(items_, &QListWidget::currentRowChanged, this, &DesignerDialog::ItemSelected);
    connect(itemCaption_, &QLineEdit::textEdited, this, &DesignerDialog::ItemEdited);
    for (QDoubleSpinBox* spin : {itemX_, itemY_, itemWidth_, itemSize_})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &DesignerDialog::ItemEdited);
    connect(itemBold_, &QCheckBox::toggled, this, &DesignerDialog::ItemEdited);
    connect(itemFormat_, &QComboBox::currentIndexChanged, this, &DesignerDialog::ItemEdited);

    connect(addField_, &QPushButton::clicked, this, &DesignerDialog::AddField);
    connect(removeColumn_, &QPushButton::clicked, this, &DesignerDialog::RemoveColumn);
    connect(columnUp_, &QPushButton::clicked, this, [this] { MoveColumn(-1); });
    connect(columnDown_, &QPushButton::clicked, this, [this] { MoveColumn(1); });
    connect(columns_, &QListWidget::currentRowChanged, this, &DesignerDialog::ColumnSelected);
    connect(columnTitle_, &QLineEdit::textEdited, this, &DesignerDialog::ColumnEdited);
    connect(columnWidth_, &QDoubleSpinBox::valueChanged, this, &DesignerDialog::ColumnEdited);
    connect(columnAlign_, &QComboBox::currentIndexChanged, this, &DesignerDialog::ColumnEdited);
    connect(columnFormat_, &QComboBox::currentIndexChanged, this, &DesignerDialog::ColumnEdited);
    for (QDoubleSpinBox* spin : {tableTop_, tableBottom_, tableSize_})
        connect(spin, &QDoubleSpinBox::valueChanged, this, &DesignerDialog::TableEdited);

    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(close_, &QPushButton::clicked, this, &DesignerDialog::reject);
}

// ---- page part

double DesignerDialog::NextFreeRow() const {
    double y = 12;
    for (const HeaderItem& item : request_.layout.header)
        if (item.x < 100) y = std::max(y, item.y + LineHeight(item.fontSize) + 0.5);
    return std::min(y, request_.layout.table.top - 6);
}

void DesignerDialog::AddVariable() {
    const QString name = variableChoice_->currentData().toString();
    if (name.isEmpty()) return;
    HeaderItem item;
    item.kind = ItemKind::Variable;
    item.source = name.toStdString();
    item.caption = item.source + ": ";
    item.y = std::max(0.0, NextFreeRow());
    if (const Definition* d = request_.variables.Find(item.source)) item.align = SuggestedAlign(*d);
    request_.layout.header.push_back(item);
    FillItems(static_cast<int>(request_.layout.header.size()) - 1);
    Changed();
}

void DesignerDialog::AddText() {
    const QString text = textToAdd_->text().trimmed();
    if (text.isEmpty()) return;
    HeaderItem item;
    item.kind = ItemKind::Text;
    item.source = text.toStdString();
    item.y = std::max(0.0, NextFreeRow());
    item.fontSize = 12;
    item.bold = true;
    request_.layout.header.push_back(item);
    textToAdd_->clear();
    FillItems(static_cast<int>(request_.layout.header.size()) - 1);
    Changed();
}

void DesignerDialog::RemoveItem() {
    const int row = items_->currentRow();
    if (row < 0) return;
    auto& header = request_.layout.header;
    header.erase(header.begin() + row);
    FillItems(std::min(row, static_cast<int>(header.size()) - 1));
    Changed();
}

void DesignerDialog::FillItems(int select) {
    loading_ = true;
    items_->clear();
    for (const HeaderItem& item : request_.layout.header) items_->addItem(ItemRowText(item, request_.variables));
    loading_ = false;
    items_->setCurrentRow(select);
    ItemSelected();
}

void DesignerDialog::ItemSelected() {
    if (loading_) return;
    const int row = items_->currentRow();
    const bool any = row >= 0 && row < static_cast<int>(request_.layout.header.size());
    for (QWidget* w : std::initializer_list<QWidget*>{itemCaption_, itemX_, itemY_, itemWidth_, itemSize_, itemBold_,
                                                      itemFormat_, removeItem_})
        w->setEnabled(any);
    if (!any) {
        page_->SetHighlight({});
        return;
    }
    const HeaderItem& item = request_.layout.header[static_cast<std::size_t>(row)];
    loading_ = true;
    itemCaption_->setText(QString::fromStdString(item.kind == ItemKind::Text ? item.source : item.caption));
    itemX_->setValue(item.x);
    itemY_->setValue(item.y);
    itemWidth_->setValue(item.width);
    itemSize_->setValue(item.fontSize);
    itemBold_->setChecked(item.bold);
    SelectData(itemFormat_, int(item.format));
    itemFormat_->setEnabled(item.kind == ItemKind::Variable);
    loading_ = false;
    page_->SetHighlight(QRectF(item.x, item.y, item.width, LineHeight(item.fontSize)));
}

void DesignerDialog::ItemEdited() {
    if (loading_) return;
    const int row = items_->currentRow();
    if (row < 0 || row >= static_cast<int>(request_.layout.header.size())) return;
    HeaderItem& item = request_.layout.header[static_cast<std::size_t>(row)];
    (item.kind == ItemKind::Text ? item.source : item.caption) = itemCaption_->text().toStdString();
    item.x = itemX_->value();
    item.y = itemY_->value();
    item.width = itemWidth_->value();
    item.fontSize = itemSize_->value();
    item.bold = itemBold_->isChecked();
    item.format = static_cast<ValueFormat>(itemFormat_->currentData().toInt());
    items_->item(row)->setText(ItemRowText(item, request_.variables));
    page_->SetHighlight(QRectF(item.x, item.y, item.width, LineHeight(item.fontSize)));
    Changed();
}

// ---- line table

void DesignerDialog::AddField() {
    const QString name = fieldChoice_->currentData().toString();
    if (name.isEmpty()) return;
    TableColumn column;
    column.field = name.toStdString();
    column.title = column.field;
    if (const Definition* d = request_.fields.Find(column.field)) column.align = SuggestedAlign(*d);
    request_.layout.table.columns.push_back(column);
    FillColumns(static_cast<int>(request_.layout.table.columns.size()) - 1);
    Changed();
}

void DesignerDialog::RemoveColumn() {
    const int row = columns_->currentRow();
    if (row < 0) return;
    auto& columns = request_.layout.table.columns;
    columns.erase(columns.begin() + row);
    FillColumns(std::min(row, static_cast<int>(columns.size()) - 1));
    Changed();
}

void DesignerDialog::MoveColumn(int step) {
    const int row = columns_->currentRow();
    auto& columns = request_.layout.table.columns;
    const int to = row + step;
    if (row < 0 || to < 0 || to >= static_cast<int>(columns.size())) return;
    std::swap(columns[static_cast<std::size_t>(row)], columns[static_cast<std::size_t>(to)]);
    FillColumns(to);
    Changed();
}

void DesignerDialog::FillColumns(int select) {
    loading_ = true;
    columns_->clear();
    for (const TableColumn& column : request_.layout.table.columns)
        columns_->addItem(ColumnRowText(column, request_.fields));
    loading_ = false;
    columns_->setCurrentRow(select);
    ColumnSelected();
}

void DesignerDialog::ColumnSelected() {
    if (loading_) return;
    const int row = columns_->currentRow();
    const int count = static_cast<int>(request_.layout.table.columns.size());
    const bool any = row >= 0 && row < count;
    for (QWidget* w : std::initializer_list<QWidget*>{columnTitle_, columnWidth_, columnAlign_, columnFormat_,
                                                      removeColumn_})
        w->setEnabled(any);
    columnUp_->setEnabled(any && row > 0);
    columnDown_->setEnabled(any && row + 1 < count);
    if (!any) return;
    const TableColumn& column = request_.layout.table.columns[static_cast<std::size_t>(row)];
    loading_ = true;
    columnTitle_->setText(QString::fromStdString(column.title));
    columnWidth_->setValue(column.width);
    SelectData(columnAlign_, int(column.align));
    SelectData(columnFormat_, int(column.format));
    loading_ = false;
}

void DesignerDialog::ColumnEdited() {
    if (loading_) return;
    const int row = columns_->currentRow();
    if (row < 0 || row >= static_cast<int>(request_.layout.table.columns.size())) return;
    TableColumn& column = request_.layout.table.columns[static_cast<std::size_t>(row)];
    column.title = columnTitle_->text().toStdString();
    column.width = columnWidth_->value();
    column.align = static_cast<Align>(columnAlign_->currentData().toInt());
    column.format = static_cast<ValueFormat>(columnFormat_->currentData().toInt());
    columns_->item(row)->setText(ColumnRowText(column, request_.fields));
    Changed();
}

void DesignerDialog::TableEdited() {
    if (loading_) return;
    LineTable& table = request_.layout.table;
    table.top = tableTop_->value();
    table.bottom = tableBottom_->value();
    table.fontSize = tableSize_->value();
    Changed();
}

// ---- the whole

void DesignerDialog::Changed() {
    modified_ = true;
    RefreshPage();
}

void DesignerDialog::RefreshPage() {
    // The sample page: the first record's variables over a few lines of the
    // first line record.
    Composer composer(request_.layout);
    composer.OutputPageObjects(request_.variables);
    for (int i = 0; i < kSampleLines; ++i) composer.OutputLine(request_.fields);
    composer.FinishLines(request_.variables);
    page_->SetPage(composer.Pages().front());
}

bool DesignerDialog::Save() {
    std::string error;
    if (!SaveLayout(request_.file, request_.layout, error)) {
        ui::ShowMessage(this, "Impossibile salvare il modulo :\r\n" + request_.file.string() + "\r\n" + error,
                        ui::Buttons::Ok, ui::Icon::Exclamation, request_.title);
        return false;
    }
    modified_ = false;
    request_.newLayout = false;
    fileLabel_->setText(QStringLiteral("Modulo: ") + QString::fromStdString(request_.file.string()) +
                        QStringLiteral("   (salvato)"));
    return true;
}

void DesignerDialog::reject() {
    if (modified_) {
        const int answer = ui::ShowMessage(this, "Salvare le modifiche al modulo ?", ui::Buttons::YesNo,
                                           ui::Icon::Question, request_.title);
        if (answer == ui::kYes && !Save()) return;
    }
    QDialog::reject();
}

} // namespace report
