// The panel's rows for drawn objects, table columns and the table, and how
// the panel follows the selection.
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "report/designer/property_editors.h"
#include "report/designer/property_panel.h"
#include "report/designer/property_targets.h"

namespace report {

namespace {

using namespace panel;

bool IsRectangle(const Layout& l, ObjectRef r) { return ShapeOfKind(l, r, ShapeKind::Rectangle); }
bool IsImage(const Layout& l, ObjectRef r) { return ShapeOfKind(l, r, ShapeKind::Image); }
// Values that a format shapes: variables and the footer's sums and counts.
bool IsValue(const Layout& l, ObjectRef r) {
    return ItemOfKind(l, r, ItemKind::Variable) || ItemOfKind(l, r, ItemKind::Sum) || ItemOfKind(l, r, ItemKind::Count);
}

Align& AlignOf(Layout& l, ObjectRef r) {
    return r.part == Part::Column ? l.table.columns[At(r)].align : (*TextItem(l, r)).align;
}
ValueFormat& FormatOf(Layout& l, ObjectRef r) {
    return r.part == Part::Column ? l.table.columns[At(r)].format : (*TextItem(l, r)).format;
}

} // namespace

void PropertyPanel::BuildShapeRows() {
    auto* lineWidth = Length(this, "PropLineWidth", 10);
    lineWidth->setDecimals(2);
    lineWidth->setSingleStep(0.1);
    AddRow(QStringLiteral("Spessore linea"), lineWidth,
           {nullptr, [](const Layout& l, ObjectRef r) { return IsShape(l, r) && !IsImage(l, r); },
            [lineWidth](const Layout& l, ObjectRef r) { lineWidth->setValue(l.shapes[At(r)].lineWidth); },
            [lineWidth](Layout& l, ObjectRef r) { l.shapes[At(r)].lineWidth = lineWidth->value(); }});
    auto* colour = ColourChoice(this, "PropLineColor", false);
    AddRow(QStringLiteral("Colore linea"), colour,
           {nullptr, [](const Layout& l, ObjectRef r) { return IsShape(l, r) && !IsImage(l, r); },
            [colour](const Layout& l, ObjectRef r) { SelectText(colour, l.shapes[At(r)].lineColor); },
            [colour](Layout& l, ObjectRef r) { l.shapes[At(r)].lineColor = colour->currentData().toString().toStdString(); }});
    auto* fill = ColourChoice(this, "PropFill", true);
    AddRow(QStringLiteral("Riempimento"), fill,
           {nullptr, IsRectangle, [fill](const Layout& l, ObjectRef r) { SelectText(fill, l.shapes[At(r)].fill); },
            [fill](Layout& l, ObjectRef r) { l.shapes[At(r)].fill = fill->currentData().toString().toStdString(); }});
    auto* radius = Length(this, "PropRadius", 50);
    AddRow(QStringLiteral("Angoli arrotondati"), radius,
           {nullptr, IsRectangle, [radius](const Layout& l, ObjectRef r) { radius->setValue(l.shapes[At(r)].radius); },
            [radius](Layout& l, ObjectRef r) { l.shapes[At(r)].radius = radius->value(); }});
    auto* image = Named(new QPushButton(QStringLiteral("Cambia &immagine..."), this), "PropImage");
    image->setAutoDefault(false);
    rows_.push_back({image, IsImage, nullptr, nullptr});
    form_->addRow(QString(), image);
    connect(image, &QPushButton::clicked, this, [this] {
        if (!pickImage) return;
        const std::optional<std::string> bytes = pickImage();
        if (!bytes || ImageTypeOf(*bytes).empty()) return;
        document_.Apply(QStringLiteral("Cambia immagine"), [&](Layout& l, Selection& selection) {
            for (ObjectRef r : selection)
                if (IsImage(l, r)) {
                    l.shapes[At(r)].image = *bytes;
                    l.shapes[At(r)].imageType = ImageTypeOf(*bytes);
                }
        });
    });
}

void PropertyPanel::BuildColumnRows() {
    auto* title = Named(new QLineEdit(this), "PropTitle");
    AddRow(QStringLiteral("Titolo"), title,
           {nullptr, IsColumn, [title](const Layout& l, ObjectRef r) { SetText(title, l.table.columns[At(r)].title); },
            [title](Layout& l, ObjectRef r) { l.table.columns[At(r)].title = title->text().toStdString(); }});
    auto* align = AlignChoice(this, "PropAlign");
    AddRow(QStringLiteral("Allineamento"), align,
           {nullptr, [](const Layout& l, ObjectRef r) { return IsItem(l, r) || IsColumn(l, r); },
            [align](const Layout& l, ObjectRef r) { SelectData(align, int(AlignOf(const_cast<Layout&>(l), r))); },
            [align](Layout& l, ObjectRef r) { AlignOf(l, r) = static_cast<Align>(align->currentData().toInt()); }});
    auto* format = FormatChoice(this, "PropFormat");
    AddRow(QStringLiteral("Formato"), format,
           {nullptr, [](const Layout& l, ObjectRef r) { return IsValue(l, r) || IsColumn(l, r); },
            [format](const Layout& l, ObjectRef r) { SelectData(format, int(FormatOf(const_cast<Layout&>(l), r))); },
            [format](Layout& l, ObjectRef r) { FormatOf(l, r) = static_cast<ValueFormat>(format->currentData().toInt()); }});
}

void PropertyPanel::BuildTableRows() {
    const auto isTable = [](const Layout&, ObjectRef r) { return r == kTable; };
    auto* top = Length(this, "PropTableTop", 1000);
    AddRow(QStringLiteral("Inizio righe"), top,
           {nullptr, isTable, [top](const Layout& l, ObjectRef) { top->setValue(l.table.top); },
            [top](Layout& l, ObjectRef) { SetTableLimits(l, top->value(), l.table.bottom); }});
    auto* bottom = Length(this, "PropTableBottom", 1000);
    AddRow(QStringLiteral("Fine righe"), bottom,
           {nullptr, isTable, [bottom](const Layout& l, ObjectRef) { bottom->setValue(l.table.bottom); },
            [bottom](Layout& l, ObjectRef) { SetTableLimits(l, l.table.top, bottom->value()); }});
    auto* left = Length(this, "PropTableLeft", 1000);
    AddRow(QStringLiteral("Margine sinistro righe"), left,
           {nullptr, isTable, [left](const Layout& l, ObjectRef) { left->setValue(l.table.left); },
            [left](Layout& l, ObjectRef) { SetTableLeft(l, left->value()); }});
}

void PropertyPanel::Load() {
    const Layout& layout = document_.Current();
    const Selection targets = Targets();
    loading_ = true;
    findChild<QLabel*>(QStringLiteral("SelectionKind"))->setText(SelectionTitle(layout, document_.Selected()));
    for (Row& row : rows_) {
        // A row shows when the first target has the property.
        const bool shown = row.applies(layout, targets.front());
        form_->setRowVisible(row.editor, shown);
        if (shown && row.load) row.load(layout, targets.front());
    }
    loading_ = false;
}

void PropertyPanel::Store(std::size_t index) {
    if (loading_) return;
    const Row& row = rows_[index];
    const Selection targets = Targets();
    document_.Apply(QStringLiteral("Proprietà"),
                    [&](Layout& layout, Selection&) {
                        Selection having;
                        for (ObjectRef r : targets)
                            if (row.applies(layout, r)) having.push_back(r);
                        if (having.empty()) return;
                        if (row.storeAll) row.storeAll(layout, having);
                        else
                            for (ObjectRef r : having) row.store(layout, r);
                    },
                    document_.PropertyKey(static_cast<int>(index)));
}

} // namespace report
