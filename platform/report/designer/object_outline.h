#pragma once
// The designer's list of every object of the layout (texts, drawn objects,
// columns, footer items), in the order they are drawn: choosing rows chooses
// the objects on the page, and the rows follow the page's selection.
#include <QListWidget>

#include "report/designer/layout_document.h"

namespace report {

// One object as the list names it: "Linea", "Variabile nominativo", ...
QString OutlineLabel(const Layout& layout, ObjectRef ref);

class ObjectOutline : public QListWidget {
    Q_OBJECT

public:
    ObjectOutline(LayoutDocument& document, QWidget* parent = nullptr);

private:
    void Follow();
    void Choose();

    LayoutDocument& document_;
    Selection rows_;            // the object of each row
    bool following_ = false;
    bool choosing_ = false;     // the selection is being made in the list
};

} // namespace report
