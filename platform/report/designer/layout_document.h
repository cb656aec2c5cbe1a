#pragma once
// The layout being designed, its selection and its undo history. Every edit
// goes through Apply or Replace and becomes one step of the undo stack (a
// drag or a run of edits of one property merges into one step).
#include <functional>

#include <QObject>
#include <QUndoStack>

#include "report/model/layout_edits.h"

namespace report {

class LayoutDocument : public QObject {
    Q_OBJECT

public:
    explicit LayoutDocument(Layout layout, QObject* parent = nullptr);

    const Layout& Current() const { return layout_; }
    const Selection& Selected() const { return selection_; }
    QUndoStack& History() { return history_; }
    // True when the layout differs from the one last saved (or loaded).
    bool Modified() const { return !history_.isClean(); }
    void MarkSaved() { history_.setClean(); }

    // A selection change is no edit: it is not undone.
    void Select(Selection objects);

    // Runs edit on a copy of the layout and records it as one undo step named
    // text; the edit may answer the new selection. Consecutive edits with the
    // same non-zero mergeKey form one step.
    using Edit = std::function<void(Layout&, Selection&)>;
    void Apply(const QString& text, const Edit& edit, int mergeKey = 0);
    // As Apply, with the whole layout already made (a drag from its start).
    void Replace(const QString& text, Layout after, Selection selection, int mergeKey = 0);

    // A key for one gesture (a drag) or one property of the current selection.
    // (Gestures count up from 1, properties down from -1: the two never meet.)
    int NewGestureKey() { return ++lastKey_; }
    int PropertyKey(int property) const { return -((selectionRound_ << 8) | (property & 0xff)); }

    // Copy and paste within the designer; pasting again moves a little
    // further, into free room (footerTop: where the sample's footer starts).
    void CopySelection();
    void PasteClip(double footerTop = -1);
    bool CanPaste() const { return !clip_.Empty(); }

signals:
    void Changed();             // the layout or the selection changed

private:
    friend class LayoutStep;
    void Restore(const Layout& layout, const Selection& selection);

    Layout layout_;
    Selection selection_;
    QUndoStack history_;
    Clip clip_;
    int pasteCount_ = 0;
    int lastKey_ = 0;
    int selectionRound_ = 1;
};

} // namespace report
