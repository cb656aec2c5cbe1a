#include "report/designer/property_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "report/designer/property_editors.h"
#include "report/designer/property_targets.h"

namespace report {

namespace {

using namespace panel;

bool IsTable(const Layout&, ObjectRef r) { return r == kTable; }
bool IsPlaced(const Layout& l, ObjectRef r) { return IsItem(l, r) || IsShape(l, r); }

} // namespace

QString SelectionTitle(const Layout& layout, const Selection& selected) {
    if (selected.empty()) return QStringLiteral("Tabella delle righe");
    if (selected.size() > 1) return QString::number(selected.size()) + QStringLiteral(" oggetti scelti");
    const ObjectRef r = selected.front();
    if (r.part == Part::Column)
        return QStringLiteral("Colonna ") + QString::fromStdString(layout.table.columns[At(r)].field);
    if (r.part == Part::Shape) {
        switch (layout.shapes[At(r)].kind) {
        case ShapeKind::Line: return QStringLiteral("Linea");
        case ShapeKind::Rectangle: return QStringLiteral("Rettangolo");
        case ShapeKind::Image: return QStringLiteral("Immagine");
        }
    }
    switch (TextItem(layout, r)->kind) {
    case ItemKind::Text: return QStringLiteral("Testo fisso");
    case ItemKind::PageNumber: return QStringLiteral("Numero di pagina");
    case ItemKind::PrintDate: return QStringLiteral("Data di stampa");
    case ItemKind::Sum: return QStringLiteral("Somma");
    case ItemKind::Count: return QStringLiteral("Numero di righe");
    case ItemKind::Variable: break;
    }
    return QStringLiteral("Variabile");
}

PropertyPanel::PropertyPanel(LayoutDocument& document, const DefinitionList& variables,
                             const DefinitionList& fields, QWidget* parent)
    : QWidget(parent), document_(document) {
    setObjectName(QStringLiteral("Properties"));
    Build(variables, fields);
    connect(&document_, &LayoutDocument::Changed, this, &PropertyPanel::Load);
    Load();
}

Selection PropertyPanel::Targets() const {
    return document_.Selected().empty() ? Selection{kTable} : document_.Selected();
}

void PropertyPanel::AddRow(const QString& label, QWidget* editor, Row row) {
    row.editor = editor;
    form_->addRow(label, editor);
    const std::size_t index = rows_.size();
    rows_.push_back(std::move(row));
    ConnectEditor(editor, this, [this, index] { Store(index); });
}

void PropertyPanel::Build(const DefinitionList& variables, const DefinitionList& fields) {
    form_ = new QFormLayout(this);
    auto* title = Named(new QLabel(this), "SelectionKind");
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    form_->addRow(title);
    BuildTextRows(variables, fields);
    BuildGeometryRows();
    BuildFontRows();
    BuildShapeRows();
    BuildColumnRows();
    BuildTableRows();
}

void PropertyPanel::BuildTextRows(const DefinitionList& variables, const DefinitionList& fields) {
    auto* text = Named(new QLineEdit(this), "PropText");
    AddRow(QStringLiteral("Testo"), text,
           {nullptr, [](const Layout& l, ObjectRef r) { return ItemOfKind(l, r, ItemKind::Text); },
            [text](const Layout& l, ObjectRef r) { SetText(text, (*TextItem(l, r)).source); },
            [text](Layout& l, ObjectRef r) { (*TextItem(l, r)).source = text->text().toStdString(); }});
    auto* caption = Named(new QLineEdit(this), "PropCaption");
    AddRow(QStringLiteral("Didascalia"), caption,
           {nullptr, [](const Layout& l, ObjectRef r) { return IsItem(l, r) && (*TextItem(l, r)).kind != ItemKind::Text; },
            [caption](const Layout& l, ObjectRef r) { SetText(caption, (*TextItem(l, r)).caption); },
            [caption](Layout& l, ObjectRef r) { (*TextItem(l, r)).caption = caption->text().toStdString(); }});
    // A header variable and a footer sum both name their source from a list of definitions.
    const auto sourceRow = [this](const QString& label, const char* name, const DefinitionList& choices, ItemKind kind) {
        auto* box = Named(new QComboBox(this), name);
        for (const Definition& d : choices.Items())
            box->addItem(QString::fromStdString(d.name), QString::fromStdString(d.name));
        AddRow(label, box,
               {nullptr, [kind](const Layout& l, ObjectRef r) { return ItemOfKind(l, r, kind); },
                [box](const Layout& l, ObjectRef r) { SelectText(box, (*TextItem(l, r)).source); },
                [box](Layout& l, ObjectRef r) { (*TextItem(l, r)).source = box->currentData().toString().toStdString(); }});
    };
    sourceRow(QStringLiteral("Variabile"), "PropVariable", variables, ItemKind::Variable);
    sourceRow(QStringLiteral("Campo sommato"), "PropField", fields, ItemKind::Sum);

}

void PropertyPanel::BuildGeometryRows() {
    // Several objects move as one block: the first one goes where typed, the others keep their distance.
    auto* x = Length(this, "PropX", 1000);
    AddRow(QStringLiteral("X"), x,
           {nullptr, IsPlaced, [x](const Layout& l, ObjectRef r) { x->setValue(Bounds(l, r).x()); }, nullptr,
            [x](Layout& l, const Selection& s) { MoveObjects(l, s, QPointF(x->value() - Bounds(l, s.front()).x(), 0)); }});
    auto* y = Length(this, "PropY", 1000);
    AddRow(QStringLiteral("Y"), y,
           {nullptr, IsPlaced, [y](const Layout& l, ObjectRef r) { y->setValue(Bounds(l, r).y()); }, nullptr,
            [y](Layout& l, const Selection& s) { MoveObjects(l, s, QPointF(0, y->value() - Bounds(l, s.front()).y())); }});
    auto* width = Length(this, "PropWidth", 1000);
    AddRow(QStringLiteral("Larghezza"), width,
           {nullptr, [](const Layout& l, ObjectRef r) { return IsPlaced(l, r) || IsColumn(l, r); },
            [width](const Layout& l, ObjectRef r) { width->setValue(Bounds(l, r).width()); },
            [width](Layout& l, ObjectRef r) {
                QRectF b = Bounds(l, r);
                b.setWidth(width->value());
                SetBounds(l, r, b);
            }});
    auto* height = Length(this, "PropHeight", 1000);
    AddRow(QStringLiteral("Altezza"), height,
           {nullptr, IsShape, [height](const Layout& l, ObjectRef r) { height->setValue(Bounds(l, r).height()); },
            [height](Layout& l, ObjectRef r) {
                QRectF b = Bounds(l, r);
                b.setHeight(height->value());
                SetBounds(l, r, b);
            }});
}

void PropertyPanel::BuildFontRows() {

    // A text with a box height wraps inside it; 0 keeps it on one line.
    auto* wrap = Length(this, "PropWrapHeight", 1000);
    wrap->setSpecialValueText(QStringLiteral("una riga"));
    AddRow(QStringLiteral("A capo entro"), wrap,
           {nullptr, IsItem, [wrap](const Layout& l, ObjectRef r) { wrap->setValue((*TextItem(l, r)).height); },
            [wrap](Layout& l, ObjectRef r) { (*TextItem(l, r)).height = wrap->value(); }});
    auto* family = Named(new QFontComboBox(this), "PropFont");
    AddRow(QStringLiteral("Carattere"), family,
           {nullptr, IsItem,
            [family](const Layout& l, ObjectRef r) {
                const std::string& f = (*TextItem(l, r)).fontFamily;
                family->setCurrentFont(QFont(f.empty() ? QStringLiteral("DejaVu Sans") : QString::fromStdString(f)));
            },
            [family](Layout& l, ObjectRef r) { (*TextItem(l, r)).fontFamily = family->currentFont().family().toStdString(); }});
    auto* size = FontSize(this, "PropSize");
    AddRow(QStringLiteral("Dimensione"), size,
           {nullptr, [](const Layout& l, ObjectRef r) { return IsItem(l, r) || IsTable(l, r); },
            [size](const Layout& l, ObjectRef r) { size->setValue(IsTable(l, r) ? l.table.fontSize : (*TextItem(l, r)).fontSize); },
            [size](Layout& l, ObjectRef r) { (IsTable(l, r) ? l.table.fontSize : (*TextItem(l, r)).fontSize) = size->value(); }});
    auto* bold = Named(new QCheckBox(QStringLiteral("G&rassetto"), this), "PropBold");
    AddRow(QString(), bold,
           {nullptr, IsItem, [bold](const Layout& l, ObjectRef r) { bold->setChecked((*TextItem(l, r)).bold); },
            [bold](Layout& l, ObjectRef r) { (*TextItem(l, r)).bold = bold->isChecked(); }});
    auto* italic = Named(new QCheckBox(QStringLiteral("C&orsivo"), this), "PropItalic");
    AddRow(QString(), italic,
           {nullptr, IsItem, [italic](const Layout& l, ObjectRef r) { italic->setChecked((*TextItem(l, r)).italic); },
            [italic](Layout& l, ObjectRef r) { (*TextItem(l, r)).italic = italic->isChecked(); }});
}

} // namespace report
