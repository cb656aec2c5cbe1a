// The designer's controls: the palette and the commands above the page, the
// page in a scroll area, the property panel beside it, save and close below.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "report/designer/design_sample.h"
#include "report/designer/designer_dialog.h"
#include "report/designer/elided_label.h"
#include "report/designer/object_outline.h"
#include "report/designer/page_canvas.h"
#include "report/designer/property_editors.h"
#include "report/designer/property_panel.h"

namespace report {

namespace {

QComboBox* Choice(QWidget* parent, const char* name, const DefinitionList& list) {
    auto* combo = Named(new QComboBox(parent), name);
    for (const Definition& d : list.Items())
        combo->addItem(QString::fromStdString(d.name), QString::fromStdString(d.name));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QPushButton* Button(QWidget* parent, const char* name, const char* caption) {
    auto* button = Named(new QPushButton(QString::fromUtf8(caption), parent), name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

QAction* DesignerDialog::Command(QWidget* bar, const char* name, const QString& text, std::function<void()> run,
                                 const QKeySequence& shortcut) {
    QAction* action = bar->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
        action->setToolTip(text + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) +
                           QLatin1Char(')'));
    }
    connect(action, &QAction::triggered, this, std::move(run));
    return action;
}

QToolBar* DesignerDialog::BuildPalette() {
    auto* bar = Named(new QToolBar(this), "Palette");
    const auto text = [this](ItemKind kind, const char* source, const char* caption, double width, double size) {
        AddItem({.kind = kind, .source = source, .caption = caption, .width = width, .fontSize = size});
    };
    Command(bar, "AddText", QStringLiteral("Testo"), [text] { text(ItemKind::Text, "Testo", "", 50, 11); });
    variableChoice_ = Choice(bar, "VariableChoice", request_.variables);
    bar->addWidget(variableChoice_);
    Command(bar, "AddVariable", QStringLiteral("Variabile"), [this] { AddVariable(); });
    fieldChoice_ = Choice(bar, "FieldChoice", request_.fields);
    bar->addWidget(fieldChoice_);
    Command(bar, "AddField", QStringLiteral("Colonna"), [this] { AddField(); });
    Command(bar, "AddSum", QStringLiteral("Somma"), [this] { AddFooterItem(ItemKind::Sum); });
    Command(bar, "AddCount", QStringLiteral("N. righe"), [this] { AddFooterItem(ItemKind::Count); });
    bar->addSeparator();
    const auto line = [this](double width, double height) {
        Shape shape;
        shape.kind = ShapeKind::Line;
        shape.width = width;
        shape.height = height;
        AddShape(shape);
    };
    Command(bar, "AddHorizontalLine", QStringLiteral("Linea orizz."), [line] { line(60, 0); });
    Command(bar, "AddVerticalLine", QStringLiteral("Linea vert."), [line] { line(0, 40); });
    Command(bar, "AddRectangle", QStringLiteral("Rettangolo"), [this] { AddShape(Shape{}); });
    Command(bar, "AddImage", QStringLiteral("Immagine..."), [this] { AddImage(); });
    Command(bar, "AddPageNumber", QStringLiteral("N. pagina"), [text] { text(ItemKind::PageNumber, "", "", 40, 8); });
    Command(bar, "AddPrintDate", QStringLiteral("Data stampa"),
            [text] { text(ItemKind::PrintDate, "", "Stampato il ", 50, 8); });
    for (QAction* action : bar->actions()) {
        if (QWidget* button = bar->widgetForAction(action); qobject_cast<QToolButton*>(button))
            button->installEventFilter(this);
        // The keys go on working the page: arrows nudge what was added.
        connect(action, &QAction::triggered, canvas_, [this] { canvas_->setFocus(Qt::OtherFocusReason); });
    }
    return bar;
}

QToolBar* DesignerDialog::BuildCommands() {
    auto* bar = Named(new QToolBar(this), "Commands");
    QUndoStack& history = document_.History();
    undo_ = Command(bar, "Undo", QStringLiteral("Annulla"), [&history] { history.undo(); }, QKeySequence::Undo);
    redo_ = Command(bar, "Redo", QStringLiteral("Ripeti"), [&history] { history.redo(); },
                    QKeySequence(Qt::CTRL | Qt::Key_Y));
    undo_->setEnabled(false);
    redo_->setEnabled(false);
    connect(&history, &QUndoStack::canUndoChanged, undo_, &QAction::setEnabled);
    connect(&history, &QUndoStack::canRedoChanged, redo_, &QAction::setEnabled);
    bar->addSeparator();
    Command(bar, "Cut", QStringLiteral("Taglia"), [this] {
        document_.CopySelection();
        EditSelection(QStringLiteral("Taglia"), [](Layout& l, const Selection& s) {
            Remove(l, s);
            return Selection{};
        });
    }, QKeySequence::Cut);
    Command(bar, "Copy", QStringLiteral("Copia"), [this] { document_.CopySelection(); }, QKeySequence::Copy);
    Command(bar, "Paste", QStringLiteral("Incolla"), [this] { document_.PasteClip(canvas_->FooterTop()); }, QKeySequence::Paste);
    Command(bar, "Duplicate", QStringLiteral("Duplica"), [this] {
        EditSelection(QStringLiteral("Duplica"), [this](Layout& l, const Selection& s) {
            return Paste(l, Copy(l, s), QPointF(5, 5), canvas_->FooterTop());
        });
    }, QKeySequence(Qt::CTRL | Qt::Key_D));
    Command(bar, "Delete", QStringLiteral("Elimina"), [this] {
        EditSelection(QStringLiteral("Elimina"), [](Layout& l, const Selection& s) {
            Remove(l, s);
            return Selection{};
        });
    }, QKeySequence::Delete);
    bar->addSeparator();
    Command(bar, "BringToFront", QStringLiteral("Primo piano"), [this] {
        EditSelection(QStringLiteral("Primo piano"), [](Layout& l, const Selection& s) { return BringToFront(l, s); });
    });
    Command(bar, "SendToBack", QStringLiteral("Sfondo"), [this] {
        EditSelection(QStringLiteral("Sfondo"), [](Layout& l, const Selection& s) { return SendToBack(l, s); });
    });
    bar->addSeparator();
    const std::pair<const char*, Edge> edges[] = {
        {"AlignLeft", Edge::Left}, {"AlignRight", Edge::Right}, {"AlignTop", Edge::Top}, {"AlignBottom", Edge::Bottom}};
    const QString edgeNames[] = {QStringLiteral("Allinea a sinistra"), QStringLiteral("Allinea a destra"),
                                 QStringLiteral("Allinea in alto"), QStringLiteral("Allinea in basso")};
    for (int i = 0; i < 4; ++i) {
        const Edge edge = edges[i].second;
        Command(bar, edges[i].first, edgeNames[i], [this, edge] {
            EditSelection(QStringLiteral("Allinea"), [edge](Layout& l, const Selection& s) {
                AlignObjects(l, s, edge);
                return s;
            });
        });
    }
    Command(bar, "SameWidth", QStringLiteral("Stessa larghezza"), [this] {
        EditSelection(QStringLiteral("Stessa larghezza"), [](Layout& l, const Selection& s) {
            SameWidth(l, s);
            return s;
        });
    });
    return bar;
}

void DesignerDialog::BuildControls() {
    setObjectName(QStringLiteral("LayoutDesigner"));
    setWindowTitle(QString::fromStdString(request_.title));
    fileLabel_ = Named(new ElidedLabel(this), "LayoutFile");

    canvas_ = new PageCanvas(document_, [this](const Layout& layout) {
        return SamplePage(layout, request_.variables, request_.fields, &sampleWarnings_);
    });
    scroll_ = Named(new QScrollArea(this), "PageArea");
    scroll_->setWidget(canvas_);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    // The rulers follow the visible edges of the page.
    for (QScrollBar* bar : {scroll_->horizontalScrollBar(), scroll_->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, canvas_, qOverload<>(&QWidget::update));
    // A click on the grey around the page chooses nothing, as one on the page's own grey.
    scroll_->viewport()->installEventFilter(this);


    auto* view = Named(new QToolBar(this), "View");
    auto* grid = Named(new QCheckBox(QStringLiteral("Gri&glia"), view), "Grid");
    grid->setChecked(canvas_->GridOn());
    gridStep_ = Length(view, "GridStep", 10);
    gridStep_->setRange(1, 10);
    gridStep_->setDecimals(0);
    gridStep_->setValue(canvas_->GridStep());
    const auto applyGrid = [this, grid] { canvas_->SetGrid(grid->isChecked(), gridStep_->value()); };
    connect(grid, &QCheckBox::toggled, this, applyGrid);
    connect(gridStep_, &QDoubleSpinBox::valueChanged, this, applyGrid);
    view->addWidget(grid);
    view->addWidget(gridStep_);
    view->addSeparator();
    Command(view, "ZoomPage", QStringLiteral("Pagina intera"), [this] { FitPage(); });
    Command(view, "Zoom100", QStringLiteral("100 %"), [this] { ZoomTo(1.0); });
    Command(view, "Zoom200", QStringLiteral("200 %"), [this] { ZoomTo(2.0); });
    zoomLabel_ = Named(new QLabel(view), "ZoomLevel");
    view->addWidget(zoomLabel_);
    connect(canvas_, &PageCanvas::ZoomChanged, this, &DesignerDialog::ShowZoom);
    view->addSeparator();
    Command(view, "PageSetup", QStringLiteral("Imposta pagina..."), [this] { PageSetup(); });
    Command(view, "Preview", QStringLiteral("Anteprima"), [this] { Preview(); });

    status_ = Named(new ElidedLabel(this), "StatusMessage");
    connect(canvas_, &PageCanvas::Notice, this, &DesignerDialog::ShowStatus);
    connect(&document_, &LayoutDocument::Changed, status_, [this] { status_->SetText({}); });
    save_ = Button(this, "Save", "&Salva");
    close_ = Button(this, "Close", "&Chiudi");
    connect(save_, &QPushButton::clicked, this, [this] { Save(); });
    connect(close_, &QPushButton::clicked, this, &DesignerDialog::reject);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(fileLabel_, 1);
    bottom->addWidget(status_, 1);
    bottom->addWidget(save_);
    bottom->addWidget(close_);

    auto* body = new QHBoxLayout;
    body->addWidget(scroll_, 1);
    body->addWidget(BuildSide());
    auto* window = new QVBoxLayout(this);
    window->addWidget(BuildPalette());
    window->addWidget(BuildCommands());
    window->addWidget(view);
    window->addLayout(body, 1);
    window->addLayout(bottom);
    BuildEditMenu();
    resize(1200, 860);
    ShowZoom(canvas_->Zoom());
    // The whole page once the window has its size.
    QTimer::singleShot(0, this, [this] { FitPage(); });
}

QWidget* DesignerDialog::BuildSide() {
    // Of one width whatever is chosen, so that the page never moves under the mouse.
    constexpr int kSideWidth = 330;
    auto* side = Named(new QWidget(this), "Side");
    side->setFixedWidth(kSideWidth);
    panel_ = new PropertyPanel(document_, request_.variables, request_.fields, side);
    panel_->pickImage = [this] { return pickImage ? pickImage() : std::nullopt; };
    for (QComboBox* combo : panel_->findChildren<QComboBox*>()) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(8);
    }
    for (QWidget* field : panel_->findChildren<QWidget*>()) field->installEventFilter(this);
    auto* column = new QVBoxLayout(side);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(new QLabel(QStringLiteral("Oggetti del modulo"), side));
    column->addWidget(new ObjectOutline(document_, side), 1);
    column->addWidget(panel_);
    return side;
}

void DesignerDialog::BuildEditMenu() {
    // Save and select all have keys only; the right button on the page offers the edit commands.
    Command(this, "SaveKey", QStringLiteral("Salva"), [this] { Save(); }, QKeySequence::Save);
    Command(this, "SelectAll", QStringLiteral("Seleziona tutto"), [this] {
        document_.Select(AllObjects(document_.Current()));
    }, QKeySequence::SelectAll);
    editMenu_ = Named(new QMenu(this), "EditMenu");
    const auto add = [this](const char* name) { editMenu_->addAction(findChild<QAction*>(QString::fromLatin1(name))); };
    for (const char* name : {"Undo", "Redo", "", "Cut", "Copy", "Paste", "Duplicate", "Delete", "SelectAll", "",
                             "BringToFront",
                             "SendToBack", "", "AlignLeft", "AlignRight", "AlignTop", "AlignBottom", "SameWidth"}) {
        if (*name == '\0') editMenu_->addSeparator();
        else add(name);
    }
    connect(canvas_, &PageCanvas::ContextMenuWanted, editMenu_, [this](QPoint at) { editMenu_->popup(at); });
}

void DesignerDialog::ZoomTo(double zoom) {
    // The selection stays in view, else the middle of what was seen.
    QRectF around;
    for (const ObjectRef& ref : document_.Selected())
        around |= Bounds(document_.Current(), ref).translated(0, ref.part == Part::Footer ? canvas_->FooterTop() : 0);
    const QPointF mm = around.isNull() ? canvas_->VisibleMm().center() : around.center();
    const QPoint middle = scroll_->viewport()->rect().center();
    canvas_->ZoomAt(zoom, mm, canvas_->mapFrom(scroll_->viewport(), middle));
}

void DesignerDialog::FitPage() {
    canvas_->SetZoom(canvas_->FitZoom(scroll_->viewport()->size()));
}

void DesignerDialog::ShowZoom(double zoom) {
    zoomLabel_->setText(QStringLiteral("  ") + QString::number(qRound(zoom * 100)) + QStringLiteral(" %"));
}

} // namespace report
