#pragma once
// What the property panel's rows ask of the objects they edit.
#include "report/model/layout_edits.h"

namespace report::panel {

// With nothing selected the panel edits the line table.
inline constexpr ObjectRef kTable{Part::Column, -1};

inline std::size_t At(ObjectRef r) { return static_cast<std::size_t>(r.index); }
inline bool IsItem(const Layout& l, ObjectRef r) { return TextItem(l, r) != nullptr; }
inline bool IsShape(const Layout& l, ObjectRef r) { return r.part == Part::Shape && Exists(l, r); }
inline bool IsColumn(const Layout& l, ObjectRef r) { return r.part == Part::Column && Exists(l, r); }
inline bool ItemOfKind(const Layout& l, ObjectRef r, ItemKind kind) { return IsItem(l, r) && TextItem(l, r)->kind == kind; }
inline bool ShapeOfKind(const Layout& l, ObjectRef r, ShapeKind kind) {
    return IsShape(l, r) && l.shapes[At(r)].kind == kind;
}

} // namespace report::panel
