// The designer as the operator works it with the mouse: dragging, resizing,
// undoing, the palette and the panel, saving, and closing with changes.
#include <set>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "support/designer_fixture.h"
#include "report/designer/page_setup_dialog.h"

namespace report_testing {
namespace {

using namespace report;

TEST_F(Designer, ObjectsAreDraggedResizedAndUndoneWithTheMouse) {
    Trigger("AddRectangle");
    ASSERT_EQ(dialog->CurrentLayout().shapes.size(), 1u);
    const Shape added = LastShape();
    // Dragged by its border 31 mm right and 22 mm down: on the 5 mm grid.
    Drag(QPointF(added.x, added.y + 15), QPointF(added.x + 31, added.y + 37));
    EXPECT_EQ(LastShape().x, added.x + 30);
    EXPECT_EQ(LastShape().y, added.y + 20);
    // The bottom right handle makes it 60 x 35.
    Drag(QPointF(LastShape().x + 40, LastShape().y + 20), QPointF(LastShape().x + 61, LastShape().y + 34));
    EXPECT_EQ(LastShape().width, 60);
    EXPECT_EQ(LastShape().height, 35);

    // Ctrl+Z undoes the resize, then the move, each in one step.
    dialog->findChild<QAction*>(QStringLiteral("Undo"))->trigger();
    EXPECT_EQ(LastShape().width, added.width);
    dialog->findChild<QAction*>(QStringLiteral("Undo"))->trigger();
    EXPECT_EQ(LastShape().x, added.x);
    dialog->findChild<QAction*>(QStringLiteral("Redo"))->trigger();
    EXPECT_EQ(LastShape().x, added.x + 30);

    // Ctrl and the wheel zoom in.
    const double zoom = canvas->Zoom();
    const QPointF at = canvas->ToPixel({100, 100});
    QWheelEvent wheel(at, canvas->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::ControlModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas, &wheel);
    EXPECT_DOUBLE_EQ(canvas->Zoom(), zoom * 1.25);

    // The arrow keys nudge by the grid step.
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(canvas, &right);
    EXPECT_EQ(LastShape().x, added.x + 35);
}

TEST_F(Designer, ARubberBandAndShiftChooseSeveralObjectsForTheCommands) {
    const Layout& layout = dialog->CurrentLayout();
    ASSERT_EQ(layout.header.size(), 2u);
    const QRectF first = Bounds(layout, {Part::Item, 0});
    const QRectF second = Bounds(layout, {Part::Item, 1});
    Drag(first.topLeft() - QPointF(3, 3), first.bottomRight() + QPointF(1, 1));
    EXPECT_EQ(dialog->Document().Selected(), (Selection{{Part::Item, 0}}));
    Drag(second.center(), second.center(), Qt::ShiftModifier);
    EXPECT_EQ(dialog->Document().Selected().size(), 2u);
    Trigger("Duplicate");
    EXPECT_EQ(dialog->CurrentLayout().header.size(), 4u);
    Trigger("Delete");
    EXPECT_EQ(dialog->CurrentLayout().header.size(), 2u);

    // A column's title dragged onto the first column moves it there.
    const QRectF third = Bounds(layout, {Part::Column, 2});
    Drag(QPointF(third.center().x(), layout.table.top + 3), QPointF(layout.table.left + 1, layout.table.top + 3));
    EXPECT_EQ(dialog->CurrentLayout().table.columns[0].field, "qtà");

    // The table's foot dragged up to 200 mm.
    const double middle = Bounds(dialog->CurrentLayout(), {Part::Column, 1}).center().x();
    Drag(QPointF(middle, dialog->CurrentLayout().table.bottom), QPointF(middle, 200.2));
    EXPECT_EQ(dialog->CurrentLayout().table.bottom, 200);
}

TEST_F(Designer, ThePanelEditsTheSelectionAndTheFileIsSaved) {
    Trigger("AddPageNumber");
    auto* size = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("PropSize"));
    ASSERT_TRUE(size->isVisible());
    size->setValue(14);
    EXPECT_EQ(dialog->CurrentLayout().header.back().fontSize, 14);
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("SelectionKind"))->text(), QStringLiteral("Numero di pagina"));
    EXPECT_FALSE(dialog->findChild<QWidget*>(QStringLiteral("PropFill"))->isVisible());

    dialog->findChild<QPushButton*>(QStringLiteral("Save"))->click();
    EXPECT_TRUE(boxes.Requests().empty());
    EXPECT_FALSE(dialog->Modified());
    Layout saved;
    ASSERT_EQ(LoadLayout(request.file, saved), LayoutLoad::Loaded);
    EXPECT_EQ(saved, dialog->CurrentLayout());
    EXPECT_EQ(saved.header.back().kind, ItemKind::PageNumber);
}

TEST_F(Designer, APanelChangeAppliesToEverySelectedObjectInOneUndoStep) {
    dialog->Document().Select({{Part::Item, 0}, {Part::Item, 1}});
    auto* size = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("PropSize"));
    size->setValue(12);
    size->setValue(13);
    EXPECT_EQ(dialog->CurrentLayout().header[0].fontSize, 13);
    EXPECT_EQ(dialog->CurrentLayout().header[1].fontSize, 13);
    Trigger("Undo");
    EXPECT_EQ(dialog->CurrentLayout(), request.layout) << "both steps of one property were one edit";
}

TEST_F(Designer, PageSetupGivesPaperOrientationAndMarginsAsOneUndoStep) {
    QTimer::singleShot(0, [] {
        QDialog* setup = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QStringLiteral("PageSetup") && w->isVisible()) setup = static_cast<QDialog*>(w);
        ASSERT_NE(setup, nullptr);
        auto* paper = setup->findChild<QComboBox*>(QStringLiteral("Paper"));
        paper->setCurrentIndex(paper->findData(int(Paper::A5)));
        setup->findChild<QRadioButton*>(QStringLiteral("Landscape"))->setChecked(true);
        setup->findChild<QDoubleSpinBox*>(QStringLiteral("MarginLeft"))->setValue(20);
        setup->accept();
    });
    Trigger("PageSetup");
    const Layout& layout = dialog->CurrentLayout();
    EXPECT_EQ(layout.pageWidth, 210);
    EXPECT_EQ(layout.pageHeight, 148);
    EXPECT_EQ(layout.margins.left, 20);
    EXPECT_LE(layout.table.bottom, 148);
    Trigger("Undo");
    EXPECT_EQ(dialog->CurrentLayout(), request.layout);
}

TEST_F(Designer, ClosingAsksYesNoOrCancelAlsoForANewLayoutNeverSaved) {
    boxes.Answer(ui::kCancel);
    dialog->reject();
    ASSERT_EQ(boxes.Requests().size(), 1u) << "a new layout is asked about even unchanged";
    EXPECT_EQ(boxes.Requests()[0].buttons, ui::Buttons::YesNoCancel);
    EXPECT_TRUE(dialog->isVisible()) << "Annulla stays in the designer";

    boxes.Answer(ui::kYes);
    dialog->reject();
    EXPECT_TRUE(fs::exists(request.file));
    EXPECT_FALSE(dialog->isVisible());

    Open();   // now on the saved layout: closing unchanged asks nothing
    dialog->reject();
    EXPECT_EQ(boxes.Requests().size(), 2u);
    Open();
    Trigger("AddRectangle");
    boxes.Answer(ui::kNo);
    dialog->reject();
    ASSERT_EQ(boxes.Requests().size(), 3u);
    EXPECT_EQ(boxes.Requests()[2].text, "Salvare le modifiche al modulo ?");
    Layout saved;
    ASSERT_EQ(LoadLayout(request.file, saved), LayoutLoad::Loaded);
    EXPECT_TRUE(saved.shapes.empty()) << "No drops the change";
}

TEST_F(Designer, ASaveThatFailsIsToldAndKeepsTheChanges) {
    request.file = drives.path() / "missing folder" / "DDT.LST";
    Open();
    Trigger("AddRectangle");
    EXPECT_FALSE(dialog->Save());
    ASSERT_EQ(boxes.Requests().size(), 1u);
    EXPECT_EQ(boxes.Requests()[0].text.rfind("Impossibile salvare il modulo :\r\n" + request.file.string(), 0), 0u);
    EXPECT_TRUE(dialog->Modified());
}

TEST_F(Designer, EveryAccessKeyBelongsToOneControl) {
    std::multiset<QChar> keys;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy()) text = l->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size() && text[at + 1] != QLatin1Char('&')) keys.insert(text[at + 1].toLower());
    }
    EXPECT_FALSE(keys.empty());
    for (QChar key : keys) EXPECT_EQ(keys.count(key), 1u) << "Alt+" << QString(key).toStdString();
}

} // namespace
} // namespace report_testing
