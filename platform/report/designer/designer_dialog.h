#pragma once
// The layout designer: the page as it will print, edited with the mouse.
// A palette adds texts, variables, page numbers, print dates, lines,
// rectangles, images and table columns; the page moves and resizes them;
// the side panel edits their properties. Every edit can be undone; closing
// with unsaved changes (or a new layout never saved) asks first.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>

#include "report/designer/design_request.h"
#include "report/designer/layout_document.h"
#include "report/model/paper_change.h"

class QAction;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolBar;

namespace report {

class ElidedLabel;
class PageCanvas;
class PropertyPanel;

class DesignerDialog : public QDialog {
    Q_OBJECT

public:
    DesignerDialog(DesignRequest& request, QWidget* parent = nullptr);

    const Layout& CurrentLayout() const { return document_.Current(); }
    bool Modified() const { return document_.Modified(); }
    LayoutDocument& Document() { return document_; }
    PageCanvas& Canvas() { return *canvas_; }

    // Asks for an image file (PNG, JPEG or SVG) and answers its bytes;
    // nothing when the operator cancels. Tests put their own.
    std::function<std::optional<std::string>()> pickImage;

    // Writes the layout file; on failure tells the operator and answers false.
    // A file that another save changed since it was opened is overwritten
    // only when the operator confirms.
    bool Save();

    // Closing with unsaved changes asks "Sì" (save), "No" (drop) or "Annulla" (stay).
    void reject() override;

protected:
    // Escape leaves the designer open: it closes only by "Chiudi", with its question.
    void keyPressEvent(QKeyEvent* event) override;
    // A palette button dragged onto the page puts its object where it is let go.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QToolBar* BuildPalette();
    QToolBar* BuildCommands();
    QAction* Command(QWidget* bar, const char* name, const QString& text, std::function<void()> run,
                     const QKeySequence& shortcut = {});
    QWidget* BuildSide();
    void BuildEditMenu();
    void ShowStatus(const QString& text);

    // Where a new object of that size goes: where a palette button was let
    // go on the page, else the middle of what the page shows; never over another.
    QPointF PlaceFor(QSizeF size);
    void AddItem(HeaderItem item);
    void AddVariable();
    void AddField();
    // A sum of the chosen field (under its column) or the line count, in the table's footer.
    void AddFooterItem(ItemKind kind);
    void AddShape(Shape shape);
    void AddImage();
    void EditSelection(const QString& text, const std::function<Selection(Layout&, const Selection&)>& edit);
    void PageSetup();
    void Preview();
    void FitPage();
    void ZoomTo(double zoom);
    // Undo, redo and Escape reach the designer from the panel's fields too.
    bool PanelKey(QObject* watched, QEvent* event);
    void ShowZoom(double zoom);
    void UpdateCommands();
    // What the sample page could not print as it is, on the status line.
    void ShowSampleWarnings();
    // What a file held that the designer had to mend or cannot show.
    void TellRepairs();
    std::optional<std::string> PickImageFile();

    DesignRequest& request_;
    LayoutDocument document_;
    PageCanvas* canvas_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    PropertyPanel* panel_ = nullptr;
    ElidedLabel* fileLabel_ = nullptr;
    ElidedLabel* status_ = nullptr;
    QMenu* editMenu_ = nullptr;
    std::optional<QPointF> dropAt_;
    std::string openedStamp_;                 // the layout file as it was opened or last saved
    std::vector<PaperTrip> paperTrips_;
    std::vector<std::string> sampleWarnings_;
    QLabel* zoomLabel_ = nullptr;
    QComboBox* variableChoice_ = nullptr;
    QComboBox* fieldChoice_ = nullptr;
    QDoubleSpinBox* gridStep_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace report
