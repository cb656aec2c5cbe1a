#include "report/designer/designer_dialog.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QToolButton>

#include "report/composer/default_layout.h"
#include "report/composer/narrow_boxes.h"
#include "report/composer/unreadable_images.h"
#include "report/designer/design_sample.h"
#include "report/designer/elided_label.h"
#include "report/designer/page_canvas.h"
#include "report/designer/page_setup_dialog.h"
#include "report/designer/property_panel.h"
#include "report/model/layout_file.h"
#include "ui/drive_file_dialog.h"
#include "ui/message_box.h"
#include "winfs/paths.h"

namespace report {

namespace {

constexpr double kImageWidth = 40;

// Width over height of an image's bytes; 0 when they are no image.
double AspectOf(const std::string& bytes) {
    const QByteArray data = QByteArray::fromStdString(bytes);
    QSizeF size;
    if (ImageTypeOf(bytes) == "svg") size = QSvgRenderer(data).defaultSize();
    else size = QImage::fromData(data).size();
    return size.isEmpty() ? 0 : size.width() / size.height();
}

} // namespace

DesignerDialog::DesignerDialog(DesignRequest& request, QWidget* parent)
    : QDialog(parent), request_(request), document_(request.layout),
      openedStamp_(FileStamp(request.file)) {
    pickImage = [this] { return PickImageFile(); };
    BuildControls();
    connect(&document_, &LayoutDocument::Changed, this, &DesignerDialog::UpdateCommands);
    connect(&document_, &LayoutDocument::Changed, this, &DesignerDialog::ShowSampleWarnings);
    connect(&document_.History(), &QUndoStack::cleanChanged, this, &DesignerDialog::UpdateCommands);
    TellRepairs();
    UpdateCommands();
}

void DesignerDialog::TellRepairs() {
    // What a file holds off the paper comes back onto it, as an edit that can be undone.
    Layout fitted = document_.Current();
    int widened = 0;
    const int fixed = BringIntoPage(fitted, &widened);
    QStringList told;
    if (const int moved = fixed - widened)
        told << QString::number(moved) +
                    (moved == 1 ? QStringLiteral(" valore fuori dalla pagina è stato riportato nella pagina.")
                                : QStringLiteral(" valori fuori dalla pagina sono stati riportati nella pagina."));
    if (widened)
        told << QString::number(widened) +
                    (widened == 1 ? QStringLiteral(" larghezza sotto il minimo è stata portata a una misura utilizzabile.")
                                  : QStringLiteral(" larghezze sotto il minimo sono state portate a una misura utilizzabile."));
    if (fixed) {
        document_.Replace(QStringLiteral("Riporta nella pagina"), fitted, {});
        ShowStatus(told.join(QLatin1Char(' ')));
    } else {
        ShowSampleWarnings();
    }
    // An image that does not decode would print as an empty frame.
    const std::vector<std::string> images = UnreadableImages(document_.Current());
    if (!images.empty()) {
        std::string text;
        for (const std::string& line : images) text += (text.empty() ? "" : "\r\n") + line;
        ui::ShowMessage(this, text, ui::Buttons::Ok, ui::Icon::Exclamation, request_.title);
    }
}

std::optional<std::string> DesignerDialog::PickImageFile() {
    // Opens beside the layout, in the operator's drive terms.
    ui::DriveFileDialog dialog(this, QStringLiteral("Scelta dell'immagine"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Immagini (*.png *.jpg *.jpeg *.svg)"));
    dialog.StartIn(request_.file.parent_path().string());
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenFile().empty()) return std::nullopt;
    std::ifstream in(winfs::Resolve(dialog.ChosenFile()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

QPointF DesignerDialog::PlaceFor(QSizeF size) {
    const QPointF middle = canvas_->VisibleMm().center() - QPointF(size.width(), size.height()) / 2;
    const QPointF wanted = dropAt_.value_or(middle);
    dropAt_.reset();
    const QPointF free = FreePlace(document_.Current(), size, wanted, canvas_->FooterTop());
    // On the grid when it is on, else on whole millimetres.
    const double step = canvas_->GridOn() ? canvas_->GridStep() : 1.0;
    return QPointF(Snap(free.x(), step), Snap(free.y(), step));
}

void DesignerDialog::AddItem(HeaderItem item) {
    const QPointF at = PlaceFor(QSizeF(item.width, ItemHeight(item)));
    item.x = at.x();
    item.y = at.y();
    document_.Apply(QStringLiteral("Aggiungi"),
                    [&](Layout& layout, Selection& selection) { selection = {report::AddItem(layout, item)}; });
}

void DesignerDialog::AddVariable() {
    const std::string name = variableChoice_->currentData().toString().toStdString();
    if (name.empty()) return;
    HeaderItem item;
    item.kind = ItemKind::Variable;
    item.source = name;
    item.caption = name + ": ";
    item.width = 70;
    if (const Definition* d = request_.variables.Find(name)) item.align = SuggestedAlign(*d);
    AddItem(item);
}

void DesignerDialog::AddField() {
    const std::string name = fieldChoice_->currentData().toString().toStdString();
    if (name.empty()) return;
    TableColumn column;
    column.field = name;
    column.title = name;
    if (const Definition* d = request_.fields.Find(name)) column.align = SuggestedAlign(*d);
    document_.Apply(QStringLiteral("Aggiungi colonna"), [&](Layout& layout, Selection& selection) {
        const ObjectRef added = AddColumn(layout, column);
        FitColumns(layout);   // the others make room for it on the paper
        selection = {added};
    });
}

void DesignerDialog::AddFooterItem(ItemKind kind) {
    HeaderItem item;
    item.kind = kind;
    item.y = 1.5;
    item.bold = true;
    const Layout& layout = document_.Current();
    if (kind == ItemKind::Sum) {
        item.source = fieldChoice_->currentData().toString().toStdString();
        item.align = Align::Right;
        item.x = layout.table.left;
        item.width = 30;
        for (int i = 0; i < static_cast<int>(layout.table.columns.size()); ++i)
            if (layout.table.columns[static_cast<std::size_t>(i)].field == item.source) {
                const QRectF column = Bounds(layout, {Part::Column, i});
                item.x = column.left();
                item.width = column.width();
            }
    } else {
        item.caption = "Righe: ";
        item.x = layout.table.left;
        item.width = 40;
    }
    document_.Apply(QStringLiteral("Aggiungi al piede"),
                    [&](Layout& l, Selection& selection) { selection = {report::AddFooterItem(l, item)}; });
}

void DesignerDialog::AddShape(Shape shape) {
    const QPointF at = PlaceFor(QSizeF(shape.width, shape.height));
    shape.x = at.x();
    shape.y = at.y();
    document_.Apply(QStringLiteral("Aggiungi"),
                    [&](Layout& layout, Selection& selection) { selection = {report::AddShape(layout, shape)}; });
}

void DesignerDialog::AddImage() {
    const std::optional<std::string> bytes = pickImage ? pickImage() : std::nullopt;
    if (!bytes) return;
    const double aspect = AspectOf(*bytes);
    if (ImageTypeOf(*bytes).empty() || aspect <= 0) {
        ui::ShowMessage(this, "Immagine non riconosciuta: scegliere un file PNG, JPEG o SVG.", ui::Buttons::Ok,
                        ui::Icon::Exclamation, request_.title);
        return;
    }
    Shape shape;
    shape.kind = ShapeKind::Image;
    shape.width = kImageWidth;
    shape.height = kImageWidth / aspect;
    shape.lineWidth = 0;
    shape.image = *bytes;
    shape.imageType = ImageTypeOf(*bytes);
    AddShape(shape);
}

void DesignerDialog::EditSelection(const QString& text,
                                   const std::function<Selection(Layout&, const Selection&)>& edit) {
    if (document_.Selected().empty()) return;
    document_.Apply(text, [&](Layout& layout, Selection& selection) { selection = edit(layout, selection); });
}

void DesignerDialog::ShowSampleWarnings() {
    if (sampleWarnings_.empty()) return;
    QString text = QStringLiteral("Attenzione: ") + QString::fromStdString(sampleWarnings_.front());
    if (sampleWarnings_.size() > 1)
        text += QStringLiteral(" (e altri ") + QString::number(sampleWarnings_.size() - 1) + QStringLiteral(")");
    ShowStatus(text);
}

void DesignerDialog::PageSetup() {
    Layout layout = document_.Current();
    if (!EditPageSetup(this, layout, paperTrips_)) return;
    document_.Apply(QStringLiteral("Imposta pagina"), [&](Layout& l, Selection&) { l = layout; });
    FitPage();
    // A box the new paper made too narrow for its values is told now, not at printing.
    const std::vector<std::string> narrow = NarrowBoxes(layout, request_.variables, request_.fields);
    if (!narrow.empty()) sampleWarnings_.insert(sampleWarnings_.begin(), narrow.begin(), narrow.end());
    ShowSampleWarnings();
}

void DesignerDialog::Preview() {
    if (request_.preview) {
        request_.preview(document_.Current());
        return;
    }
    if (!request_.showPages) return;
    request_.showPages(this, "Anteprima - " + request_.file.filename().string(),
                       {SamplePage(document_.Current(), request_.variables, request_.fields)});
}

void DesignerDialog::ShowStatus(const QString& text) {
    status_->SetText(text);
}

void DesignerDialog::UpdateCommands() {
    QString file = QStringLiteral("Modulo: ") + QString::fromStdString(winfs::WindowsForm(request_.file.string()));
    if (request_.newLayout) file += QStringLiteral("   (nuovo modulo, non ancora salvato)");
    else if (document_.Modified()) file += QStringLiteral("   (modificato)");
    fileLabel_->SetText(file);
}

bool DesignerDialog::Save() {
    if (FileStamp(request_.file) != openedStamp_ &&
        ui::ShowMessage(this, "Il modulo è stato modificato da un altro utente. Sovrascrivere?", ui::Buttons::YesNo,
                        ui::Icon::Question, request_.title, ui::DefaultButton::Second) != ui::kYes)
        return false;
    std::string error;
    if (!SaveLayout(request_.file, document_.Current(), error, &openedStamp_)) {
        ui::ShowMessage(this, "Impossibile salvare il modulo :\r\n" + winfs::WindowsForm(request_.file.string()) + "\r\n" + error,
                        ui::Buttons::Ok, ui::Icon::Exclamation, request_.title);
        return false;
    }
    request_.layout = document_.Current();
    request_.newLayout = false;
    document_.MarkSaved();
    UpdateCommands();
    return true;
}

void DesignerDialog::reject() {
    if (document_.Modified() || request_.newLayout) {
        const std::string question = request_.newLayout ? "Il nuovo modulo non è ancora stato salvato. Salvarlo ?"
                                                        : "Salvare le modifiche al modulo ?";
        const int answer =
            ui::ShowMessage(this, question, ui::Buttons::YesNoCancel, ui::Icon::Question, request_.title);
        if (answer == ui::kCancel || (answer == ui::kYes && !Save())) return;
    }
    QDialog::reject();
}

void DesignerDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) return;
    QDialog::keyPressEvent(event);
}

bool DesignerDialog::PanelKey(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field || !panel_->isAncestorOf(field)) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride)
        // Left unaccepted, the designer's own shortcut runs instead of the field's undo.
        return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
               (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier);
    if (event->type() == QEvent::KeyPress && key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        document_.Select({});
        canvas_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return false;
}

bool DesignerDialog::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) && PanelKey(watched, event))
        return true;
    if (watched == scroll_->viewport() && event->type() == QEvent::MouseButtonPress) document_.Select({});
    auto* button = qobject_cast<QToolButton*>(watched);
    if (button && button->defaultAction() && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        const QPoint at = canvas_->mapFromGlobal(release->globalPosition().toPoint());
        const bool onButton = button->rect().contains(button->mapFromGlobal(release->globalPosition().toPoint()));
        if (release->button() == Qt::LeftButton && !onButton && canvas_->VisibleMm().contains(canvas_->ToMm(at))) {
            dropAt_ = canvas_->ToMm(at);
            button->defaultAction()->trigger();
            dropAt_.reset();
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace report
