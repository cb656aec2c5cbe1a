#pragma once
// The hourglass pointer on a window while a scope runs; the default pointer
// comes back however the scope is left.
#include <QWidget>

namespace utilita {

class Hourglass {
public:
    explicit Hourglass(QWidget* window) : window_(window) { window_->setCursor(Qt::WaitCursor); }
    ~Hourglass() { window_->unsetCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    QWidget* window_;
};

} // namespace utilita
