// The designer's edits on a layout, without windows: finding objects,
// moving and resizing them on the paper, aligning, copying, stacking, the
// table's columns and limits, and one undo step per edit or drag.
#include <cmath>

#include <QLineF>

#include <gtest/gtest.h>

#include "report/designer/layout_document.h"
#include "report/designer/page_setup_dialog.h"

namespace {

using namespace report;

HeaderItem Text(double x, double y, double width) {
    HeaderItem item;
    item.kind = ItemKind::Text;
    item.source = "testo";
    item.x = x;
    item.y = y;
    item.width = width;
    return item;
}

Shape Frame(double x, double y, double w, double h) {
    Shape s;
    s.x = x;
    s.y = y;
    s.width = w;
    s.height = h;
    return s;
}

Layout Sample() {
    Layout layout;
    AddItem(layout, Text(20, 20, 50));
    AddItem(layout, Text(40, 60, 30));
    AddShape(layout, Frame(100, 30, 80, 40));   // a hollow frame
    layout.table.left = 10;
    layout.table.top = 120;
    layout.table.bottom = 270;
    for (const char* f : {"codice", "articolo", "importo"}) AddColumn(layout, {f, f, 30, Align::Left, ValueFormat::Auto});
    return layout;
}

TEST(LayoutEdits, ObjectsAreFoundTopmostFirstAndFramesByTheirBorder) {
    Layout layout = Sample();
    AddItem(layout, Text(110, 40, 30));          // inside the frame
    EXPECT_EQ(ObjectAt(layout, {25, 22}, 1), (ObjectRef{Part::Item, 0}));
    EXPECT_EQ(ObjectAt(layout, {115, 41}, 1), (ObjectRef{Part::Item, 2}));
    EXPECT_EQ(ObjectAt(layout, {100.5, 50}, 1), (ObjectRef{Part::Shape, 0})) << "the border";
    EXPECT_EQ(ObjectAt(layout, {160, 60}, 1), (ObjectRef{Part::Shape, 0})) << "its inside, where nothing else is";
    Shape box = Frame(150, 50, 20, 15);
    box.fill = "#e6e6e6";
    AddShape(layout, box);
    SendToBack(layout, {{Part::Shape, 1}});
    EXPECT_EQ(ObjectAt(layout, {160, 60}, 1), (ObjectRef{Part::Shape, 0})) << "a filled box is taken anywhere";
    EXPECT_EQ(ObjectAt(layout, {160, 60}, 1, -1, {{Part::Shape, 1}}), (ObjectRef{Part::Shape, 1}))
        << "a chosen frame is taken by its inside over what lies below it";
    EXPECT_EQ(ObjectsAt(layout, {100.5, 41}, 1), (Selection{{Part::Shape, 1}})) << "not the text, 9 mm away";
    EXPECT_EQ(ObjectAt(layout, {45, 200}, 1), (ObjectRef{Part::Column, 1}));
    EXPECT_EQ(ColumnEdgeAt(layout, {70.4, 125}, 1), 1);
    const Selection band = ObjectsIn(layout, QRectF(QPointF(30, 55), QPointF(120, 70)));
    EXPECT_EQ(band, (Selection{{Part::Shape, 1}, {Part::Item, 1}}));
}

TEST(LayoutEdits, FooterItemsLieBelowTheLinesAndAreEditedLikeTheOthers) {
    Layout layout = Sample();
    HeaderItem sum = Text(70, 2, 30);
    sum.kind = ItemKind::Sum;
    const ObjectRef ref = AddFooterItem(layout, sum);
    EXPECT_EQ(ObjectAt(layout, {80, 160 + 3}, 1), (ObjectRef{Part::Column, 2})) << "no footer known: the column";
    EXPECT_EQ(ObjectAt(layout, {80, 160 + 3}, 1, 160), ref);
    EXPECT_EQ(ObjectsIn(layout, QRectF(65, 150, 10, 20), 160), (Selection{ref}));
    MoveObjects(layout, {ref}, {5, -10});
    EXPECT_EQ(layout.table.footer[0].x, 75);
    EXPECT_EQ(layout.table.footer[0].y, 0) << "not above the footer's top";
    EXPECT_EQ(Paste(layout, Copy(layout, {ref}), {0, 5}), (Selection{{Part::Footer, 1}}));
    Remove(layout, {ref});
    ASSERT_EQ(layout.table.footer.size(), 1u);
    EXPECT_EQ(layout.table.footer[0].y, 5);
}

TEST(LayoutEdits, MovesAndResizesStayOnThePaperAndSnapToTheGrid) {
    Layout layout = Sample();
    MoveObjects(layout, {{Part::Item, 0}, {Part::Shape, 0}}, {-30, 5});
    EXPECT_EQ(layout.header[0].x, 0) << "stopped at the paper's edge";
    EXPECT_EQ(layout.shapes[0].x, 80) << "and the other with it, as one block";
    EXPECT_EQ(layout.shapes[0].y, 35);
    SetBounds(layout, {Part::Shape, 0}, QRectF(QPointF(80, 30), QPointF(300, 20)));
    EXPECT_EQ(Bounds(layout, {Part::Shape, 0}), QRectF(80, 20, 130, 10)) << "normalised and cut at the paper";
    Shape line = Frame(10, 100, 50, 0);
    line.kind = ShapeKind::Line;
    const ObjectRef lineRef = AddShape(layout, line);
    SetBounds(layout, lineRef, QRectF(5, 100, 80, 12));
    EXPECT_EQ(layout.shapes[1].height, 0) << "a horizontal line stays horizontal";
    EXPECT_EQ(layout.shapes[1].width, 80);
    EXPECT_DOUBLE_EQ(Snap(12.4, 5), 10);
    EXPECT_DOUBLE_EQ(Snap(12.6, 5), 15);
    EXPECT_DOUBLE_EQ(Snap(12.6, 0), 12.6);
}

TEST(LayoutEdits, LinesResizeAlongTheirLengthAndKeepTheirThickness) {
    Layout layout = Sample();
    Shape slant = Frame(40, 60, 20, -10);   // rising to the right
    slant.kind = ShapeKind::Line;
    slant.lineWidth = 0.5;
    const ObjectRef flat = AddShape(layout, Shape{ShapeKind::Line, 20, 100, 50, 0});
    const ObjectRef upright = AddShape(layout, Shape{ShapeKind::Line, 30, 150, 0, 40});
    const ObjectRef slanting = AddShape(layout, slant);
    SetBounds(layout, flat, QRectF(10, 100, 190, 0));
    EXPECT_EQ(Bounds(layout, flat), QRectF(10, 100, 190, 0));
    SetBounds(layout, upright, QRectF(30, 120, 0, 400));
    EXPECT_EQ(Bounds(layout, upright), QRectF(30, 120, 0, layout.pageHeight - 120)) << "cut at the paper's foot";
    SetBounds(layout, slanting, QRectF(40, 50, 30, 10));
    EXPECT_EQ(layout.shapes[3], (Shape{slant.kind, 40, 60, 30, -10, 0.5})) << "still rising, as thick";
}

TEST(PaperChange, OnAnotherPaperAllStaysInsideTheMarginsApartInBlocksAndComesBack) {
    Layout a4 = Sample();                                      // margins of 10 mm
    const ObjectRef cap = AddItem(a4, Text(115, 60, 12));
    const ObjectRef city = AddItem(a4, Text(128.5, 60, 52));   // 1.5 mm after the cap, to the right margin
    const ObjectRef box = AddShape(a4, Frame(150, 85, 45, 12));
    const ObjectRef boxed = AddItem(a4, Text(151, 86, 43));    // inside the frame
    AddItem(a4, Text(150, 282, 50));                           // a page number at the foot
    HeaderItem sum = Text(70, 2, 30);
    sum.kind = ItemKind::Sum;
    sum.source = "importo";
    AddFooterItem(a4, sum);
    Selection page = AllObjects(a4);
    std::erase_if(page, [](ObjectRef r) { return r.part == Part::Footer; });
    for (const QSizeF paper : {QSizeF(148, 210), QSizeF(297, 210), QSizeF(215.9, 279.4)}) {
        Layout other = a4;
        ChangePaper(other, paper.width(), paper.height());
        const QRectF room = QRectF(10, 10, paper.width() - 20, paper.height() - 20).adjusted(-1e-9, -1e-9, 1e-9, 1e-9);
        for (const ObjectRef& r : page) {
            EXPECT_TRUE(room.contains(Bounds(other, r))) << paper.width() << " object " << int(r.part) << r.index;
            for (const ObjectRef& s : page)
                if (r < s && !Bounds(a4, r).intersects(Bounds(a4, s))) {
                    EXPECT_FALSE(Bounds(other, r).intersects(Bounds(other, s))) << paper.width() << " " << r.index;
                }
        }
        EXPECT_NEAR(Bounds(other, {Part::Footer, 0}).right(), Bounds(other, {Part::Column, 2}).right(), 1e-9)
            << "the footer went with the table";
        EXPECT_TRUE(Bounds(other, box).contains(Bounds(other, boxed))) << "a block keeps its shape";
        const double gap = Bounds(other, city).left() - Bounds(other, cap).right();
        EXPECT_TRUE(gap > 0 && gap < 2.5) << gap;
        ChangePaper(other, 210, 297);
        for (const ObjectRef& r : AllObjects(a4)) {
            const QRectF was = Bounds(a4, r), is = Bounds(other, r);
            EXPECT_NEAR(QLineF(was.topLeft(), is.topLeft()).length() + QLineF(was.bottomRight(), is.bottomRight()).length(),
                        0, 1e-9) << paper.width();
        }
        EXPECT_EQ(other.designWidth, 0) << "back on the paper it was designed on";
    }
    // Landscape, an object moved there, and back: the move is kept.
    std::vector<PaperTrip> trips;
    Layout turned = OnPaper(a4, 297, 210, trips);
    MoveObjects(turned, {cap}, {30, 0});
    const double moved = turned.header[static_cast<std::size_t>(cap.index)].x;
    turned = OnPaper(turned, 210, 297, trips);
    EXPECT_DOUBLE_EQ(turned.header[static_cast<std::size_t>(cap.index)].x, CarriedAlong(moved, 297, 210, 10, 10));
    EXPECT_GT(turned.header[static_cast<std::size_t>(cap.index)].x, a4.header[static_cast<std::size_t>(cap.index)].x);
    // A side outside 50-1000 mm is brought within them.
    ChangePaper(turned, 20, 5000);
    EXPECT_EQ(QSizeF(turned.pageWidth, turned.pageHeight), QSizeF(kMinPaperSide, kMaxPaperSide));
}

TEST(LayoutEdits, AlignSameWidthCopyRemoveAndStacking) {
    Layout layout = Sample();
    const Selection both{{Part::Item, 0}, {Part::Item, 1}, {Part::Shape, 0}};
    AlignObjects(layout, both, Edge::Left);
    EXPECT_EQ(layout.header[1].x, 20);
    EXPECT_EQ(layout.shapes[0].x, 20);
    AlignObjects(layout, both, Edge::Bottom);
    EXPECT_DOUBLE_EQ(Bounds(layout, {Part::Item, 1}).bottom(), Bounds(layout, {Part::Item, 0}).bottom());
    EXPECT_EQ(layout.shapes[0].y, 0) << "a box taller than the anchor stops at the paper's top";
    SameWidth(layout, both);
    EXPECT_EQ(layout.header[1].width, 50);
    EXPECT_EQ(layout.shapes[0].width, 50);

    const Selection pasted = Paste(layout, Copy(layout, {{Part::Item, 1}, {Part::Shape, 0}}), {5, 5});
    EXPECT_EQ(pasted, (Selection{{Part::Shape, 1}, {Part::Item, 2}}));
    EXPECT_EQ(layout.header[2].x, layout.header[1].x + 5);

    EXPECT_EQ(SendToBack(layout, {{Part::Item, 2}}), (Selection{{Part::Item, 0}}));
    EXPECT_EQ(layout.header[0].x, 25);
    EXPECT_EQ(BringToFront(layout, {{Part::Item, 0}}), (Selection{{Part::Item, 2}}));
    EXPECT_EQ(layout.header[2].x, 25);

    Remove(layout, {{Part::Item, 0}, {Part::Item, 2}, {Part::Column, 0}});
    ASSERT_EQ(layout.header.size(), 1u);
    EXPECT_EQ(layout.header[0].x, 20) << "the pasted copy (at 25) went with the first item";
    ASSERT_EQ(layout.table.columns.size(), 2u);
    EXPECT_EQ(layout.table.columns[0].field, "articolo");
}

TEST(LayoutEdits, ColumnsReorderAndResizeAndTheTableKeepsItsRoom) {
    Layout layout = Sample();
    HeaderItem sum = Text(75, 2, 25);   // right-aligned under "importo", 70 to 100
    sum.kind = ItemKind::Sum;
    sum.source = "importo";
    AddFooterItem(layout, sum);
    EXPECT_EQ(MoveColumn(layout, 2, 0), 0);
    EXPECT_EQ(layout.table.columns[0].field, "importo");
    EXPECT_EQ(Bounds(layout, {Part::Footer, 0}), QRectF(15, 2, 25, ItemHeight(sum))) << "the sum went along";
    ResizeColumn(layout, 0, 40);
    EXPECT_EQ(Bounds(layout, {Part::Footer, 0}).right(), 50) << "its right edge keeps to the column's";
    SetTableLeft(layout, 20);
    EXPECT_EQ(layout.table.footer[0].x, 25);
    EXPECT_EQ(MoveColumn(layout, 0, 9), 2) << "clamped to the last place";
    EXPECT_EQ(Bounds(layout, {Part::Footer, 0}).right(), 20 + 30 + 30 + 40);
    ResizeColumn(layout, 1, 1);
    EXPECT_EQ(layout.table.columns[1].width, 3);
    ResizeColumn(layout, 2, 500);
    EXPECT_DOUBLE_EQ(Bounds(layout, {Part::Column, 2}).right(), layout.pageWidth);
    SetTableLimits(layout, 200, 150);
    EXPECT_EQ(layout.table.top, 200);
    EXPECT_GT(layout.table.bottom, 200) << "the bottom never rises above the top";
    ChangePaper(layout, 148, 210);
    EXPECT_LE(Bounds(layout, {Part::Shape, 0}).right(), 148);
    EXPECT_LE(layout.table.bottom, 210);
    EXPECT_EQ(PaperOf(297, 210), Paper::A4);
    EXPECT_EQ(PaperOf(100, 100), Paper::Custom);
}

TEST(LayoutEdits, FooterTotalsKeepToTheirColumnsAndVariablesGoWithTheirs) {
    Layout layout = Sample();                      // codice 10-40, articolo 40-70, importo 70-100
    HeaderItem count = Text(10, 2, 30);            // a line count under codice
    count.kind = ItemKind::Count;
    HeaderItem label = Text(45, 2, 50);            // "Totale documento:" from articolo into importo
    label.kind = ItemKind::Variable;
    HeaderItem total = Text(72, 6, 28);            // a variable wholly under importo
    total.kind = ItemKind::Variable;
    for (const HeaderItem& item : {count, label, total}) AddFooterItem(layout, item);
    ResizeColumn(layout, 1, 20);                   // articolo 10 mm narrower
    EXPECT_EQ(Bounds(layout, {Part::Footer, 1}), QRectF(45, 2, 40, ItemHeight(label)));
    EXPECT_EQ(Bounds(layout, {Part::Footer, 2}).left(), 62) << "the block keeps together";
    Remove(layout, {{Part::Column, 2}});
    ASSERT_EQ(layout.table.footer.size(), 2u) << "the variable under importo went with it";
    EXPECT_EQ(layout.table.footer[0].x, 10) << "the count stays";
    EXPECT_EQ(Bounds(layout, {Part::Footer, 1}).right(), 60) << "its right edge where importo was";
    Remove(layout, {{Part::Column, 0}});
    EXPECT_EQ(layout.table.footer.size(), 2u) << "a count belongs to no column";
}

TEST(PaperChange, AnotherPaperAndBackGivesTheLayoutExactlyAndTheTableStaysOnIt) {
    Layout a4 = Sample();
    AddShape(a4, Frame(150, 10, 50, 20));          // near the right edge: pushed in on A5
    a4.table.columns[1].width = 150;               // the table reaches 200 mm
    HeaderItem sum = Text(180, 2, 20);
    sum.kind = ItemKind::Sum;
    sum.source = "importo";
    AddFooterItem(a4, sum);
    for (const QSizeF paper : {QSizeF(148, 210), QSizeF(215.9, 279.4)}) {
        std::vector<PaperTrip> trips;
        const Layout other = OnPaper(a4, paper.width(), paper.height(), trips);
        const double right = other.table.left + other.table.columns[0].width + other.table.columns[1].width +
                             other.table.columns[2].width;
        EXPECT_LE(right, paper.width() - other.margins.right + 1e-9) << paper.width();
        EXPECT_NEAR((other.table.columns[1].width - 2 * kCellPadding) / (other.table.columns[0].width - 2 * kCellPadding),
                    (150 - 2 * kCellPadding) / (30 - 2 * kCellPadding), 0.1) << "the texts' room near proportion";
        EXPECT_LE(Bounds(other, {Part::Shape, 1}).right(), paper.width());
        EXPECT_LE(Bounds(other, {Part::Footer, 0}).right(), paper.width());
        EXPECT_EQ(OnPaper(other, 210, 297, trips), a4) << paper.width();
        EXPECT_TRUE(trips.empty());
    }
}

TEST(LayoutDocument, EveryEditIsOneUndoStepAndADragIsOne) {
    LayoutDocument document(Sample());
    EXPECT_FALSE(document.Modified());
    document.Apply(QStringLiteral("Aggiungi"), [](Layout& l, Selection& s) { s = {AddShape(l, Frame(10, 10, 20, 20))}; });
    EXPECT_EQ(document.Selected(), (Selection{{Part::Shape, 1}}));
    // A drag: each step starts from the layout at the press and replaces the last.
    const Layout pressed = document.Current();
    const int key = document.NewGestureKey();
    for (double dx : {2.0, 5.0, 9.0}) {
        Layout moved = pressed;
        MoveObjects(moved, document.Selected(), {dx, 0});
        document.Replace(QStringLiteral("Sposta"), moved, document.Selected(), key);
    }
    EXPECT_EQ(document.Current().shapes[1].x, 19);
    EXPECT_EQ(document.History().count(), 2);
    EXPECT_TRUE(document.Modified());

    document.History().undo();
    EXPECT_EQ(document.Current().shapes[1].x, 10);
    document.History().undo();
    EXPECT_EQ(document.Current(), Sample());
    EXPECT_TRUE(document.Selected().empty()) << "the selection goes back with the layout";
    EXPECT_FALSE(document.Modified());
    document.History().redo();
    document.History().redo();
    EXPECT_EQ(document.Current().shapes[1].x, 19);

    document.MarkSaved();
    document.CopySelection();
    document.PasteClip();
    document.PasteClip();
    const Layout& pasted = document.Current();
    ASSERT_EQ(pasted.shapes.size(), 4u);
    for (const ObjectRef& r : AllObjects(pasted))
        for (int copy : {2, 3})
            if (r != ObjectRef{Part::Shape, copy}) {
                EXPECT_FALSE(Bounds(pasted, {Part::Shape, copy}).intersects(Bounds(pasted, r)))
                    << "each paste in free room, beside the table: " << int(r.part) << r.index;
            }
    const QRectF lines = Bounds(pasted, {Part::Column, 0}) | Bounds(pasted, {Part::Column, 2});
    EXPECT_FALSE(QRectF(FreePlace(pasted, {40, 20}, lines.center()), QSizeF(40, 20)).intersects(lines))
        << "a new object wanted among the lines goes beside them";
    EXPECT_TRUE(document.Modified());
}

} // namespace
