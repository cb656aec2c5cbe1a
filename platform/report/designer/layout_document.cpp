#include "report/designer/layout_document.h"

#include <QUndoCommand>

namespace report {

// One undo step: the layout and selection before and after it.
class LayoutStep : public QUndoCommand {
public:
    LayoutStep(LayoutDocument& document, const QString& text, Layout after, Selection selection, int mergeKey)
        : QUndoCommand(text),
          document_(document),
          before_(document.layout_),
          selectedBefore_(document.selection_),
          after_(std::move(after)),
          selectedAfter_(std::move(selection)),
          mergeKey_(mergeKey) {}

    void redo() override { document_.Restore(after_, selectedAfter_); }
    void undo() override { document_.Restore(before_, selectedBefore_); }
    int id() const override { return mergeKey_ == 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const LayoutStep*>(other);
        if (next->mergeKey_ != mergeKey_) return false;
        after_ = next->after_;
        selectedAfter_ = next->selectedAfter_;
        // A gesture that ends where it began (a drag taken back) is no step.
        setObsolete(after_ == before_ && selectedAfter_ == selectedBefore_);
        return true;
    }

private:
    LayoutDocument& document_;
    Layout before_;
    Selection selectedBefore_;
    Layout after_;
    Selection selectedAfter_;
    int mergeKey_;
};

LayoutDocument::LayoutDocument(Layout layout, QObject* parent) : QObject(parent), layout_(std::move(layout)) {
    history_.setClean();
}

void LayoutDocument::Select(Selection objects) {
    std::erase_if(objects, [this](ObjectRef r) { return !Exists(layout_, r); });
    if (objects == selection_) return;
    selection_ = std::move(objects);
    ++selectionRound_;
    emit Changed();
}

void LayoutDocument::Apply(const QString& text, const Edit& edit, int mergeKey) {
    Layout after = layout_;
    Selection selection = selection_;
    edit(after, selection);
    Replace(text, std::move(after), std::move(selection), mergeKey);
}

void LayoutDocument::Replace(const QString& text, Layout after, Selection selection, int mergeKey) {
    if (after == layout_ && selection == selection_) return;
    history_.push(new LayoutStep(*this, text, std::move(after), std::move(selection), mergeKey));
}

void LayoutDocument::Restore(const Layout& layout, const Selection& selection) {
    layout_ = layout;
    if (selection != selection_) ++selectionRound_;
    selection_ = selection;
    std::erase_if(selection_, [this](ObjectRef r) { return !Exists(layout_, r); });
    emit Changed();
}

void LayoutDocument::CopySelection() {
    clip_ = Copy(layout_, selection_);
    pasteCount_ = 0;
}

void LayoutDocument::PasteClip(double footerTop) {
    if (clip_.Empty()) return;
    const double shift = 5.0 * ++pasteCount_;
    Apply(QStringLiteral("Incolla"),
          [&](Layout& layout, Selection& selection) { selection = Paste(layout, clip_, QPointF(shift, shift), footerTop); });
}

} // namespace report
