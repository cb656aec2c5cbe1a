#pragma once
// A one-line label that never widens its window: a text longer than the
// room it has is cut with "..." and shown whole on hover.
#include <QLabel>

namespace report {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The whole text, kept as the label's text and its tooltip.
    void SetText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace report
