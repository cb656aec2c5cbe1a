#pragma once
// The side panel of the designer: the properties of the selected objects
// (position and size in millimetres, font, alignment, format, line, fill,
// image; a column's title, width, alignment and format), or, with nothing
// selected, the line table's. Every change is an undo step of the document;
// a change applies to every selected object that has the property.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "report/designer/layout_document.h"
#include "report/model/definitions.h"

class QFormLayout;

namespace report {

// What the panel edits: "Rettangolo", "Colonna codice", "3 oggetti scelti", ...
QString SelectionTitle(const Layout& layout, const Selection& selected);

class PropertyPanel : public QWidget {
    Q_OBJECT

public:
    PropertyPanel(LayoutDocument& document, const DefinitionList& variables, const DefinitionList& fields,
                  QWidget* parent = nullptr);

    // Asks for an image file and puts it into the selected image objects;
    // pickImage answers the file's bytes, or nothing on a cancel.
    std::function<std::optional<std::string>()> pickImage;

private:
    struct Row {
        QWidget* editor;
        std::function<bool(const Layout&, ObjectRef)> applies;
        std::function<void(const Layout&, ObjectRef)> load;
        std::function<void(Layout&, ObjectRef)> store;
        // Instead of store, one change of all the targets that have the property.
        std::function<void(Layout&, const Selection&)> storeAll = {};
    };

    void Build(const DefinitionList& variables, const DefinitionList& fields);
    void BuildTextRows(const DefinitionList& variables, const DefinitionList& fields);
    void BuildGeometryRows();
    void BuildFontRows();
    void BuildShapeRows();
    void BuildColumnRows();
    void BuildTableRows();
    void AddRow(const QString& label, QWidget* editor, Row row);
    void Load();
    void Store(std::size_t row);
    // The selection, or the line table when nothing is selected.
    Selection Targets() const;

    LayoutDocument& document_;
    QFormLayout* form_ = nullptr;
    std::vector<Row> rows_;
    bool loading_ = false;
};

} // namespace report
