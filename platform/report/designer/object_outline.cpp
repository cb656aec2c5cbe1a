#include "report/designer/object_outline.h"

#include <QScrollBar>

#include "report/designer/property_panel.h"

namespace report {

QString OutlineLabel(const Layout& layout, ObjectRef ref) {
    QString label = SelectionTitle(layout, {ref});
    const HeaderItem* item = TextItem(layout, ref);
    if (!item) return label;
    const std::string& shown = item->kind == ItemKind::Variable || item->kind == ItemKind::Sum ||
                                       item->kind == ItemKind::Text ? item->source : item->caption;
    // A caption as written before its value ("Righe: ") reads as a name without its colon.
    QString name = QString::fromStdString(shown).trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    if (!name.isEmpty()) label += QStringLiteral(": ") + name;
    if (ref.part == Part::Footer) label += QStringLiteral(" (piede)");
    return label;
}

ObjectOutline::ObjectOutline(LayoutDocument& document, QWidget* parent) : QListWidget(parent), document_(document) {
    setObjectName(QStringLiteral("Outline"));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTextElideMode(Qt::ElideRight);
    connect(&document_, &LayoutDocument::Changed, this, &ObjectOutline::Follow);
    connect(this, &QListWidget::itemSelectionChanged, this, &ObjectOutline::Choose);
    Follow();
}

void ObjectOutline::Follow() {
    const Layout& layout = document_.Current();
    following_ = true;
    rows_ = AllObjects(layout);
    QStringList labels;
    for (const ObjectRef& ref : rows_) labels.append(OutlineLabel(layout, ref));
    bool same = count() == labels.size();
    for (int i = 0; same && i < count(); ++i) same = item(i)->text() == labels[i];
    if (!same) {
        // New rows keep the list where it was scrolled.
        const int scrolled = verticalScrollBar()->value();
        clear();
        addItems(labels);
        verticalScrollBar()->setValue(scrolled);
    }
    const Selection& selected = document_.Selected();
    for (int i = 0; i < count(); ++i)
        item(i)->setSelected(std::find(selected.begin(), selected.end(), rows_[static_cast<std::size_t>(i)]) !=
                             selected.end());
    // A choice made on the page comes into view; one made in the list leaves it where it is.
    if (!choosing_ && !selected.empty())
        if (const auto at = std::find(rows_.begin(), rows_.end(), selected.front()); at != rows_.end())
            scrollToItem(item(static_cast<int>(at - rows_.begin())));
    following_ = false;
}

void ObjectOutline::Choose() {
    if (following_) return;
    Selection chosen;
    for (int i = 0; i < count(); ++i)
        if (item(i)->isSelected()) chosen.push_back(rows_[static_cast<std::size_t>(i)]);
    choosing_ = true;
    document_.Select(chosen);
    choosing_ = false;
}

} // namespace report
