// Changes that once broke a layout without a word, and saves that lost
// another's work, each worked with the mouse and keys as an operator does.
#include <fstream>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "support/damaged_image.h"
#include "support/designer_fixture.h"

namespace report_testing {
namespace {

class DesignerSafety : public Designer {
protected:
    // Close enough that a click on a column's title is not one on the table's top.
    DesignerSafety() { canvas->SetZoom(2.0); }
    const Layout& Current() const { return dialog->CurrentLayout(); }
    template <class T>
    T* Child(const char* name) const { return dialog->findChild<T*>(QString::fromLatin1(name)); }
    QString Status() const { return Child<QLabel>("StatusMessage")->text(); }
    void ClickTitle(int column) const {
        const QRectF c = Bounds(Current(), {Part::Column, column});
        Click({c.center().x(), c.top() + 2});
    }
    std::string FileText() const {
        std::ifstream in(request.file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(DesignerSafety, SameWidthGivesALineTheOthersLengthAlongItsOwnAxis) {
    Trigger("AddHorizontalLine");
    Child<QDoubleSpinBox>("PropWidth")->setValue(180);
    Trigger("AddVerticalLine");
    const Shape flat = Current().shapes[0];
    const Shape upright = Current().shapes[1];
    Click({upright.x, upright.y + upright.height / 2});
    Click({flat.x + 90, flat.y}, Qt::ShiftModifier);
    ASSERT_EQ(dialog->Document().Selected().size(), 2u);
    Trigger("SameWidth");
    EXPECT_EQ(Current().shapes[0], (Shape{ShapeKind::Line, flat.x, flat.y, upright.height, 0, flat.lineWidth}));
}

TEST_F(DesignerSafety, AFooterSumKeepsToItsColumnGoesWithItAndNothingLeavesThePage) {
    Child<QComboBox>("FieldChoice")->setCurrentIndex(2);   // qtà, the last column
    Trigger("AddSum");
    const std::size_t footer = Current().table.footer.size();
    const ObjectRef sumRef{Part::Footer, static_cast<int>(footer) - 1};
    ClickTitle(0);
    Trigger("Delete");
    ASSERT_EQ(Current().table.columns.size(), 2u);
    EXPECT_EQ(Bounds(Current(), sumRef).x(), Bounds(Current(), {Part::Column, 1}).x())
        << "the sum went left with its column";
    // Widening the first column as far as the mouse goes.
    const QRectF first = Bounds(Current(), {Part::Column, 0});
    Drag({first.right(), first.top() + 2}, {first.right() + 150, first.top() + 2});
    const QRectF sum = Bounds(Current(), sumRef);
    const QRectF last = Bounds(Current(), {Part::Column, 1});
    EXPECT_EQ(sum.left(), last.left());
    EXPECT_EQ(sum.right(), last.right());
    EXPECT_LE(last.right(), Current().pageWidth) << "the table stays on the paper";
    ClickTitle(0);
    Child<QDoubleSpinBox>("PropWidth")->setValue(500);
    EXPECT_DOUBLE_EQ(Bounds(Current(), {Part::Column, 1}).right(), Current().pageWidth) << "typed too";
    EXPECT_DOUBLE_EQ(Bounds(Current(), sumRef).right(), Current().pageWidth);
    Trigger("AddField");
    EXPECT_LE(Bounds(Current(), {Part::Column, 2}).right(), Current().pageWidth) << "a new column too";
    Trigger("Undo");
    ClickTitle(1);
    Trigger("Delete");
    EXPECT_EQ(Current().table.footer.size(), footer - 1) << "the sum went with its column";
    Trigger("Undo");
    EXPECT_EQ(Current().table.columns.size(), 2u);
    EXPECT_EQ(Current().table.footer.size(), footer);
}

TEST_F(DesignerSafety, ASelectionMovesAsOneBlockByMouseAndByThePanel) {
    Trigger("AddText");
    ASSERT_EQ(Current().header.size(), 3u);
    const Layout before = Current();
    Trigger("SelectAll");
    const QRectF first = Bounds(before, {Part::Item, 0});
    Drag(first.center(), first.center() + QPointF(100, 0));
    const double moved = Current().header[0].x - before.header[0].x;
    EXPECT_GT(moved, 0);
    EXPECT_DOUBLE_EQ(Current().table.left - before.table.left, moved) << "the columns went along";
    double right = ColumnLeft(Current().table, static_cast<int>(Current().table.columns.size()));
    for (std::size_t i = 0; i < before.header.size(); ++i) {
        EXPECT_DOUBLE_EQ(Current().header[i].x - before.header[i].x, moved) << "item " << i;
        right = std::max(right, Current().header[i].x + Current().header[i].width);
    }
    for (std::size_t i = 0; i < before.table.footer.size(); ++i)
        EXPECT_DOUBLE_EQ(Current().table.footer[i].x - before.table.footer[i].x, moved) << "footer " << i;
    EXPECT_DOUBLE_EQ(right, Current().pageWidth - Current().margins.right) << "stopped at the margin as one";

    const Layout dragged = Current();
    dialog->Document().Select({{Part::Item, 0}, {Part::Item, 1}, {Part::Item, 2}});
    Child<QDoubleSpinBox>("PropY")->setValue(45);
    EXPECT_EQ(Current().header[0].y, 45);
    for (int i : {1, 2}) EXPECT_DOUBLE_EQ(Current().header[i].y - 45, dragged.header[i].y - dragged.header[0].y);
}

TEST_F(DesignerSafety, AColumnTooNarrowForItsValuesIsToldAtOnce) {
    ClickTitle(2);
    ASSERT_EQ(dialog->Document().Selected(), (Selection{{Part::Column, 2}}));
    EXPECT_EQ(Status(), QString());
    Child<QDoubleSpinBox>("PropWidth")->setValue(0);
    EXPECT_TRUE(Status().startsWith(QStringLiteral("Attenzione: qtà: il valore \"12\""))) << Status().toStdString();
}

TEST_F(DesignerSafety, ASaveAfterAnotherAsksBeforeOverwritingIt) {
    std::ofstream(request.file) << R"({"format": "vantorima-layout", "ver)";   // damaged: started again
    Open();
    ASSERT_TRUE(dialog->Save());
    EXPECT_TRUE(boxes.Requests().empty()) << "the file it replaces is the one it was opened on";
    DesignRequest other = request;   // another workstation opens the saved layout
    DesignerDialog second(other);
    second.Document().Select({{Part::Item, 0}});
    second.findChild<QDoubleSpinBox*>(QStringLiteral("PropX"))->setValue(33);
    ASSERT_TRUE(second.Save());
    const std::string theirs = FileText();

    dialog->Document().Select({{Part::Item, 0}});
    Child<QDoubleSpinBox>("PropY")->setValue(44);
    EXPECT_FALSE(dialog->Save()) << "No is the default";
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, "Il modulo è stato modificato da un altro utente. Sovrascrivere?");
    EXPECT_EQ(FileText(), theirs);
    EXPECT_TRUE(dialog->Modified());
    boxes.Answer(ui::kYes);
    EXPECT_TRUE(dialog->Save());
    EXPECT_NE(FileText(), theirs);
    EXPECT_TRUE(dialog->Save()) << "its own save is no one else's";
    EXPECT_EQ(boxes.Requests().size(), 2u);
}

TEST_F(DesignerSafety, ASaveThatFailsSaysWhyInItalian) {
    std::ofstream(Archive("cartella")) << "a file, not a folder";
    request.file = Archive("cartella") / "DDT.LST";
    EXPECT_FALSE(dialog->Save());
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text,
              "Impossibile salvare il modulo :\r\nC:\\archivi\\cartella\\DDT.LST\r\nImpossibile trovare il percorso.");
}

TEST_F(DesignerSafety, ValuesOffThePaperAreBroughtOnItOnOpeningWithOneLine) {
    request.layout.header[0].x = 210;            // as a file's x 5000 reads
    request.layout.shapes.push_back(Shape{});
    request.layout.shapes.back().width = 0;      // as a file's width -10 reads
    request.layout.table.columns[2].width = 0;
    request.layout.header[1].width = 0;
    request.newLayout = false;
    Open();
    EXPECT_EQ(Status(), QStringLiteral("1 valore fuori dalla pagina è stato riportato nella pagina. 3 larghezze sotto "
                                       "il minimo sono state portate a una misura utilizzabile."));
    EXPECT_EQ(Current().header[1].width, 50) << "as wide as a new text";
    for (const ObjectRef& ref : {ObjectRef{Part::Item, 0}, ObjectRef{Part::Shape, 0}, ObjectRef{Part::Column, 2}}) {
        EXPECT_GE(Bounds(Current(), ref).width(), 3) << int(ref.part);
        EXPECT_LE(Bounds(Current(), ref).right(), Current().pageWidth) << int(ref.part);
    }
    Trigger("Undo");
    EXPECT_EQ(Current(), request.layout) << "the repair is one step";
}

TEST_F(DesignerSafety, ADamagedImageIsToldOnOpening) {
    request.layout.shapes.push_back(DamagedLogo());
    Open();
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text, "L'immagine n. 1 (PNG, posizione 15 x 10 mm) del modulo non è leggibile.");
    EXPECT_EQ(boxes.Requests()[0].icon, ui::Icon::Exclamation);
}

TEST_F(DesignerSafety, EscapeDuringADragPutsTheObjectsBackAndKeepsTheSelection) {
    const Layout before = Current();
    const QPointF from = Bounds(before, {Part::Item, 0}).center();
    Send(QEvent::MouseButtonPress, from, Qt::LeftButton, {});
    Send(QEvent::MouseMove, from + QPointF(25, 25), Qt::LeftButton, {});
    ASSERT_NE(Current(), before);
    QApplication::setActiveWindow(dialog.get());
    QTest::keyClick(canvas, Qt::Key_Escape);
    Send(QEvent::MouseMove, from + QPointF(30, 30), Qt::LeftButton, {});
    Send(QEvent::MouseButtonRelease, from + QPointF(30, 30), Qt::NoButton, {});
    EXPECT_EQ(Current(), before);
    EXPECT_EQ(dialog->Document().Selected(), (Selection{{Part::Item, 0}}));
    EXPECT_EQ(dialog->Document().History().count(), 0) << "no step left to undo";
    // Ctrl+click adds an object to the selection and takes it out again.
    Click(Bounds(before, {Part::Item, 1}).center(), Qt::ControlModifier);
    EXPECT_EQ(dialog->Document().Selected(), (Selection{{Part::Item, 0}, {Part::Item, 1}}));
    Click(Bounds(before, {Part::Item, 0}).center(), Qt::ControlModifier);
    EXPECT_EQ(dialog->Document().Selected(), (Selection{{Part::Item, 1}}));
}

TEST_F(DesignerSafety, ALongStatusLineKeepsTheWindowOnA1280PixelScreen) {
    QString names;
    for (int i = 0; i < 40; ++i) names += QStringLiteral("nome_della_variabile_%1, ").arg(i);
    const QString line = QStringLiteral("Attenzione: nomi che i dati del documento non hanno: ") + names;
    emit canvas->Notice(line);
    dialog->resize(1280, 1000);
    dialog->layout()->activate();
    EXPECT_LE(dialog->width(), 1280);
    auto* close = Child<QPushButton>("Close");
    EXPECT_LE(close->mapTo(dialog.get(), QPoint(close->width(), 0)).x(), dialog->width());
    EXPECT_EQ(Child<QLabel>("StatusMessage")->toolTip(), line) << "whole on hover";
}

// A filled frame with a text over it, low on the page.
class DesignerHabits : public DesignerSafety {
protected:
    DesignerHabits() {
        Shape frame;
        frame.x = 20;
        frame.y = 240;
        frame.width = 60;
        frame.height = 20;
        frame.fill = "#eeeeee";
        request.layout.shapes.push_back(frame);
        request.layout.header.push_back({.kind = ItemKind::Text, .source = "Nota", .x = 25, .y = 245, .width = 40});
        request.newLayout = false;
        Open();
        QApplication::setActiveWindow(dialog.get());
    }
    ObjectRef text() const { return {Part::Item, static_cast<int>(Current().header.size()) - 1}; }
    Selection Selected() const { return dialog->Document().Selected(); }
    // Where a page point shows in the scroll area's viewport.
    QPoint InView(QPointF mm) const {
        return canvas->mapTo(Child<QWidget>("PageArea")->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport")),
                             canvas->ToPixel(mm).toPoint());
    }
};

TEST_F(DesignerHabits, CutAltClickAndAClickInsideASelection) {
    const QPointF on(30, 247);
    Click(on);
    EXPECT_EQ(Selected(), (Selection{text()}));
    Click(on, Qt::AltModifier);
    EXPECT_EQ(Selected(), (Selection{{Part::Shape, 0}})) << "the frame under the text";
    Click(on, Qt::AltModifier);
    EXPECT_EQ(Selected(), (Selection{text()})) << "and round again";
    dialog->Document().Select({{Part::Shape, 0}, text()});
    Click(on);
    EXPECT_EQ(Selected(), (Selection{text()})) << "a click without a drag chooses that one alone";

    const std::size_t items = Current().header.size();
    QTest::keyClick(canvas, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Current().header.size(), items - 1);
    QTest::keyClick(canvas, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Current().header.size(), items);
    EXPECT_TRUE(Child<QMenu>("EditMenu")->actions().contains(Child<QAction>("Cut")));
}

TEST_F(DesignerHabits, PanelKeysTheGreyAroundZoomAndTheListKeepTheirPlace) {
    Click({30, 247});
    auto* x = Child<QDoubleSpinBox>("PropX");
    x->setValue(30);
    x->setFocus();
    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Current().header.back().x, 25) << "Ctrl+Z from a field undoes the designer's last step";
    QTest::keyClick(x, Qt::Key_Escape);
    EXPECT_TRUE(Selected().empty());

    Trigger("ZoomPage");
    Click({30, 247});
    QWidget* viewport = Child<QWidget>("PageArea")->findChild<QWidget*>(QStringLiteral("qt_scrollarea_viewport"));
    const QPoint grey(1, viewport->height() / 2);
    ASSERT_FALSE(canvas->geometry().contains(grey));
    QTest::mouseClick(viewport, Qt::LeftButton, {}, grey);
    EXPECT_TRUE(Selected().empty()) << "a click on the grey chooses nothing";

    Click({30, 247});
    Trigger("Zoom200");
    EXPECT_TRUE(viewport->rect().contains(InView({45, 247}))) << "the selection stays in view";
    const QPoint before = InView({40, 250});
    QWheelEvent wheel(canvas->ToPixel({40, 250}), canvas->mapToGlobal(canvas->ToPixel({40, 250})), {}, {0, 120},
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    EXPECT_LE((InView({40, 250}) - before).manhattanLength(), 2) << "the point under the cursor stays";

    auto* outline = Child<QListWidget>("Outline");
    dialog->Document().Apply(QString(), [](Layout& l, Selection&) {   // a list longer than its room
        for (int i = 0; i < 30; ++i) AddItem(l, {.kind = ItemKind::Text, .source = "riga", .x = 150, .y = 40.0 + i * 5});
    });
    dialog->Document().Select({{Part::Shape, 0}});   // the first row
    QApplication::processEvents();
    outline->verticalScrollBar()->setValue(outline->verticalScrollBar()->maximum());
    const int scrolled = outline->verticalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    QListWidgetItem* last = outline->item(outline->count() - 1);
    QTest::mouseClick(outline->viewport(), Qt::LeftButton, Qt::ControlModifier, outline->visualItemRect(last).center());
    EXPECT_EQ(Selected().size(), 2u);
    EXPECT_EQ(outline->verticalScrollBar()->value(), scrolled) << "the list stays where it was";
}

} // namespace
} // namespace report_testing
