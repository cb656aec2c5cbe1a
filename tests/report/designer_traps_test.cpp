// The traps a new operator met in the designer, each worked as they worked
// it: lines lost on a resize, the layout lost by landscape and back, the page
// moving under the mouse, objects out of reach and the smaller ones.
#include <cmath>

#include <QBuffer>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest/QTest>

#include "support/designer_traps.h"
#include "report/designer/design_sample.h"
#include "report/designer/property_panel.h"
#include "report/model/layout_file.h"

namespace report_testing {
namespace {

TEST_F(DesignerTraps, ALineIsResizedAlongItsLengthByHandlePanelAndSameWidth) {
    Trigger("AddHorizontalLine");
    const Shape line = LastShape();
    Drag({line.x + line.width, line.y}, {line.x + line.width + 41, line.y + 7});   // its right end
    EXPECT_EQ(LastShape(), (Shape{ShapeKind::Line, line.x, line.y, line.width + 40, 0, line.lineWidth}));
    Child<QDoubleSpinBox>("PropWidth")->setValue(120);
    EXPECT_EQ(LastShape(), (Shape{ShapeKind::Line, line.x, line.y, 120, 0, line.lineWidth}));
    Trigger("AddRectangle");
    dialog->Document().Select({{Part::Shape, 1}, {Part::Shape, 0}});
    Trigger("SameWidth");
    EXPECT_EQ(Current().shapes[0], (Shape{ShapeKind::Line, line.x, line.y, Current().shapes[1].width, 0}));
    Trigger("AddVerticalLine");
    const Shape upright = LastShape();
    Drag({upright.x, upright.y + upright.height}, {upright.x + 3, upright.y + upright.height + 20});
    EXPECT_EQ(Bounds(Current(), Selected().front()), QRectF(upright.x, upright.y, 0, upright.height + 20));
}

TEST_F(DesignerTraps, AnA5LayoutKeepsItsValuesWholeAndComesBackToA4AfterASave) {
    TurnPage(true);
    TurnPage(false);
    EXPECT_EQ(Current(), request.layout) << "in one sitting, exactly";
    const Layout a4 = Current();
    // The values stay whole: a code prints on one line as on A4.
    const auto whole = [this](const Layout& layout, const char* value) {
        const Page page = SamplePage(layout, request.variables, request.fields);
        return std::any_of(page.texts.begin(), page.texts.end(), [&](const PageText& t) { return t.text == value; });
    };
    ASSERT_TRUE(whole(a4, "FE-1020"));
    TurnPage(false, Paper::A5);
    ASSERT_EQ(Current().pageWidth, 148);
    EXPECT_TRUE(whole(Current(), "FE-1020"));
    Key(canvas, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(LoadLayout(request.file, request.layout), LayoutLoad::Loaded);
    request.newLayout = false;
    Open();
    TurnPage(false, Paper::A4);
    for (const ObjectRef& r : AllObjects(a4)) {
        const QRectF was = Bounds(a4, r), is = Bounds(Current(), r);
        EXPECT_LT(QLineF(was.topLeft(), is.topLeft()).length() + QLineF(was.bottomRight(), is.bottomRight()).length(),
                  0.5) << int(r.part) << " " << r.index;
        if (const HeaderItem* item = TextItem(a4, r)) {
            EXPECT_NEAR(TextItem(Current(), r)->fontSize, item->fontSize, 0.05);
        }
    }
    EXPECT_NEAR(Current().table.fontSize, a4.table.fontSize, 0.05);
}

TEST_F(DesignerTraps, ThePageStaysPutWhileTheSelectionChanges) {
    // A long name widens the panel's list of variables.
    request.variables.Set("indirizzo_completo_della_destinazione_merce", "Via Roma 1", kFieldTypeText);
    Open();
    const auto pageAt = [this] {
        QApplication::sendPostedEvents();
        dialog->layout()->activate();
        return canvas->mapTo(dialog.get(), canvas->ToPixel({0, 0}).toPoint());
    };
    Trigger("AddRectangle");
    const QPoint first = pageAt();
    for (ObjectRef ref : {ObjectRef{Part::Item, 0}, ObjectRef{Part::Column, 1}, ObjectRef{Part::Shape, 0}}) {
        Click(QPointF(Bounds(Current(), ref).center().x(), Bounds(Current(), ref).top() + 2));
        ASSERT_EQ(Selected(), Selection{ref});
        EXPECT_EQ(pageAt(), first) << "after choosing " << SelectionTitle(Current(), {ref}).toStdString();
    }
}

TEST_F(DesignerTraps, NewObjectsLandOnFreePageAndFramesAreReachable) {
    Trigger("ZoomPage");
    Trigger("AddRectangle");
    Trigger("AddRectangle");
    const QRectF first = Bounds(Current(), {Part::Shape, 0});
    const QRectF second = Bounds(Current(), {Part::Shape, 1});
    EXPECT_LT(QLineF(first.center(), canvas->VisibleMm().center()).length(), 10) << "in the visible middle";
    EXPECT_FALSE(first.intersects(second)) << "the second beside the first";
    for (int i = 0; i < static_cast<int>(Current().header.size()); ++i)
        EXPECT_FALSE(first.intersects(Bounds(Current(), {Part::Item, i})) ||
                     second.intersects(Bounds(Current(), {Part::Item, i})));
    const Margins& m = Current().margins;
    EXPECT_TRUE(QRectF(m.left, m.top, Current().pageWidth - m.left - m.right, Current().pageHeight - m.top - m.bottom)
                    .contains(first | second));
    // A palette button let go on the page puts its object there.
    QWidget* button = Child<QToolBar>("Palette")->widgetForAction(Child<QAction>("AddText"));
    const QPoint onPage = canvas->mapToGlobal(canvas->ToPixel({30, 60}).toPoint());
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), button->mapToGlobal(QPointF(2, 2)), Qt::LeftButton,
                      Qt::LeftButton, {});
    QMouseEvent release(QEvent::MouseButtonRelease, button->mapFromGlobal(QPointF(onPage)), QPointF(onPage),
                        Qt::LeftButton, Qt::NoButton, {});
    QApplication::setActiveWindow(dialog.get());
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
    EXPECT_EQ(Bounds(Current(), Selected().front()).topLeft(), QPointF(30, 60));
    EXPECT_EQ(QApplication::focusWidget(), canvas) << "the keys stay on the page";

    // The empty frame is dragged by its inside; a click on its border beside
    // another object's handle takes the frame.
    Drag(second.center(), second.center() + QPointF(10, 0));
    EXPECT_EQ(Bounds(Current(), {Part::Shape, 1}), second.translated(10, 0));
    const QRectF text = Bounds(Current(), Selected().front());
    dialog->Document().Apply(QStringLiteral("Sposta"), [&](Layout& l, Selection&) {
        MoveObjects(l, {{Part::Shape, 0}}, text.topRight() - QPointF(0, 5) - first.topLeft());
    });
    Click({text.right(), text.center().y()});
    EXPECT_EQ(Selected(), (Selection{{Part::Shape, 0}}));
    // The object list follows the page and chooses on it.
    auto* outline = Child<QListWidget>("Outline");
    ASSERT_EQ(outline->selectedItems().size(), 1);
    EXPECT_EQ(outline->selectedItems()[0]->text(), QStringLiteral("Rettangolo"));
    QListWidgetItem* last = outline->item(outline->count() - 1);
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, {}, outline->visualItemRect(last).center());
    EXPECT_EQ(Selected().size(), 1u);
    EXPECT_NE(Selected().front(), (ObjectRef{Part::Shape, 0}));
}

TEST_F(DesignerTraps, SumsFollowColumnsWidthsSnapKeysAndTheMenuWork) {
    Child<QComboBox>("FieldChoice")->setCurrentIndex(2);   // qtà
    Trigger("AddSum");
    const QRectF column = Bounds(Current(), {Part::Column, 2});
    Drag({column.center().x(), column.top() + 2}, {Current().table.left + 1, column.top() + 2});
    EXPECT_EQ(Current().table.footer.back().x, Current().table.left) << "the sum went with its column";
    Drag({Bounds(Current(), {Part::Column, 1}).right(), column.top() + 2}, {column.left() + 13.3, column.top() + 2});
    EXPECT_EQ(std::fmod(Current().table.columns[1].width, 5), 0) << "a width on the 5 mm grid";

    dialog->Document().Select({{Part::Item, 0}});
    Child<QDoubleSpinBox>("PropX")->setValue(0);
    Key(canvas, Qt::Key_Left);
    EXPECT_EQ(Child<QLabel>("StatusMessage")->text(),
              QStringLiteral("L'oggetto è al bordo della pagina: non si sposta oltre."));
    Key(canvas, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selected(), AllObjects(Current())) << "the table's columns too";
    ASSERT_EQ(Selected().size(), Current().header.size() + Current().table.columns.size() + Current().table.footer.size());
    Key(canvas, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(dialog->Modified());
    EXPECT_TRUE(fs::exists(request.file));
    Trigger("AddRectangle");
    Key(Child<QWidget>("Outline"), Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible() && boxes.Requests().empty()) << "Escape neither closes nor asks";

    const QPointF inside = Bounds(Current(), {Part::Item, 1}).center();
    QContextMenuEvent right(QContextMenuEvent::Mouse, canvas->ToPixel(inside).toPoint(),
                            canvas->mapToGlobal(canvas->ToPixel(inside).toPoint()));
    QApplication::sendEvent(canvas, &right);
    EXPECT_EQ(Selected(), (Selection{{Part::Item, 1}}));
    auto* menu = Child<QMenu>("EditMenu");
    ASSERT_TRUE(menu->isVisible());
    EXPECT_TRUE(menu->actions().contains(Child<QAction>("Delete")));
    menu->hide();
}

TEST_F(DesignerTraps, ShiftKeepsAnImagesProportions) {
    QByteArray png;
    QBuffer buffer(&png);
    QImage(40, 20, QImage::Format_RGB32).save(&buffer, "PNG");
    dialog->pickImage = [&png] { return png.toStdString(); };
    Trigger("AddImage");
    const QRectF image = Bounds(Current(), Selected().front());
    Drag(image.bottomRight(), image.bottomRight() + QPointF(20, 2), Qt::ShiftModifier);
    EXPECT_EQ(Bounds(Current(), Selected().front()), QRectF(image.topLeft(), QSizeF(60, 30)));
}

} // namespace
} // namespace report_testing
