#pragma once
// The designer's edits as plain functions on a layout: finding, moving,
// resizing, aligning, copying, removing and stacking the page part's objects
// and arranging the line table. The designer runs each of them as one undo
// step (layout_document.h); they need no window.
#include <optional>
#include <vector>

#include <QPointF>
#include <QRectF>

#include "report/model/layout.h"

namespace report {

// One object of the layout: a text item of the page part, a drawn object,
// a column of the line table, or a text item of the table's footer.
enum class Part { Item, Shape, Column, Footer };

struct ObjectRef {
    Part part = Part::Item;
    int index = 0;
    auto operator<=>(const ObjectRef&) const = default;
};

using Selection = std::vector<ObjectRef>;

enum class Edge { Left, Right, Top, Bottom };

// What Copy keeps and Paste puts back.
struct Clip {
    std::vector<HeaderItem> items;
    std::vector<Shape> shapes;
    std::vector<HeaderItem> footer;
    bool Empty() const { return items.empty() && shapes.empty() && footer.empty(); }
};

bool Exists(const Layout& layout, ObjectRef ref);
// Every object, as the page draws them: drawn objects, texts, columns, footer.
Selection AllObjects(const Layout& layout);
// The text item of the page part or of the footer; nullptr for other objects.
const HeaderItem* TextItem(const Layout& layout, ObjectRef ref);
HeaderItem* TextItem(Layout& layout, ObjectRef ref);

// Where an object lies, in millimetres (a line's box may have no width or
// no height). A column: its cells from the titles to the table's end. A
// footer item: from the footer's top, which only a laid out page knows.
QRectF Bounds(const Layout& layout, ObjectRef ref);

// The objects at a point, topmost first (texts lie over drawn objects, later
// over earlier; footer items lie footerTop down the page); then the empty
// frames whose inside holds the point (a selected one counts where it lies)
// and the column there, its title row before those frames, its cells after
// them. tolerance widens thin lines.
Selection ObjectsAt(const Layout& layout, QPointF mm, double tolerance, double footerTop = -1,
                    const Selection& selected = {});
// The first of them.
std::optional<ObjectRef> ObjectAt(const Layout& layout, QPointF mm, double tolerance, double footerTop = -1,
                                  const Selection& selected = {});
// The objects (not columns) that a rubber band touches.
Selection ObjectsIn(const Layout& layout, const QRectF& band, double footerTop = -1);

// Where a new object of that size goes: at wanted, or else at the nearest
// place on a 5 mm grid inside the margins where it covers no other object
// and lies outside the line table; wanted when there is none.
QPointF FreePlace(const Layout& layout, QSizeF size, QPointF wanted, double footerTop = -1);

ObjectRef AddItem(Layout& layout, const HeaderItem& item);
ObjectRef AddShape(Layout& layout, const Shape& shape);
ObjectRef AddColumn(Layout& layout, const TableColumn& column);
ObjectRef AddFooterItem(Layout& layout, const HeaderItem& item);

// Moves objects by delta, each kept on the paper.
void MoveObjects(Layout& layout, const Selection& objects, QPointF delta);
// Gives an object a new box (a line: its two ends span the box); at least 1 mm wide.
void SetBounds(Layout& layout, ObjectRef ref, const QRectF& box);

// A value to the nearest step of the grid (step <= 0: unchanged).
double Snap(double value, double step);

// Lines the objects up with the first one's edge, or gives them its width.
void AlignObjects(Layout& layout, const Selection& objects, Edge edge);
void SameWidth(Layout& layout, const Selection& objects);

Clip Copy(const Layout& layout, const Selection& objects);
// Appends the clip's objects shifted by offset, or, where that covers
// another object, in the nearest free place (FreePlace); footer items keep
// the offset. Answers them, as selected.
Selection Paste(Layout& layout, const Clip& clip, QPointF offset, double footerTop = -1);
void Remove(Layout& layout, const Selection& objects);
// To the top (drawn last) or the bottom of their list; answers where they went.
Selection BringToFront(Layout& layout, const Selection& objects);
Selection SendToBack(Layout& layout, const Selection& objects);

inline constexpr double kMinColumnWidth = 3.0;

// Where a column starts (index = the column count: where the table ends).
double ColumnLeft(const LineTable& table, int index);
// Where the table ends: ColumnLeft of the column count.
double TableRight(const LineTable& table);
// Moves a column to another place in the table (0-based, clamped). Here and
// in every change of the columns the footer's items keep to the columns they
// stand under: their edges keep their distance to their column's sides.
int MoveColumn(Layout& layout, int from, int to);
// At least kMinColumnWidth, and never so wide that the table leaves the paper.
void ResizeColumn(Layout& layout, int index, double width);
// Removes columns with the footer items that belong to them: the sums of
// their fields and what stands wholly under them.
void RemoveColumns(Layout& layout, const std::vector<int>& indexes);
// Brings what lies off the paper back onto it and gives a size to what has
// none (a layout from a file); answers how many values it changed, of which
// widened receives those that were widths under the least a box may have.
int BringIntoPage(Layout& layout, int* widened = nullptr);
// Shrinks the columns in proportion so that the table ends inside the right margin.
void FitColumns(Layout& layout);
// The column whose right edge is near x on the table's title row, if any.
std::optional<int> ColumnEdgeAt(const Layout& layout, QPointF mm, double tolerance);
// The column at x (its title row or cells), if any.
std::optional<int> ColumnAt(const Layout& layout, double x);
// The table's left edge, its footer sums going along.
void SetTableLeft(Layout& layout, double left);
// The table's top and bottom limits, at least one title row and one line apart.
void SetTableLimits(Layout& layout, double top, double bottom);

} // namespace report
