#pragma once
// What the modal windows of the menu share: F12 closes them, Escape does not
// (they close only by their own commands), and nothing closes them while an
// operation runs, since the operation yields to the message loop and would
// otherwise lose its window halfway.
#include <QDialog>

namespace utilita {

class ChildDialog : public QDialog {
    Q_OBJECT

public:
    using QDialog::QDialog;

    // True while an operation of the window runs (during its yields).
    bool Running() const { return running_; }

protected:
    // Marks the window busy for the lifetime of the guard. At its end the
    // input made during the operation (queued while the program did not
    // look) is delivered while the window still reads busy, so that it is
    // dropped instead of starting a second operation.
    class RunningGuard {
    public:
        explicit RunningGuard(ChildDialog& dialog) : flag_(dialog.running_) { flag_ = true; }
        ~RunningGuard();
        RunningGuard(const RunningGuard&) = delete;
        RunningGuard& operator=(const RunningGuard&) = delete;

    private:
        bool& flag_;
    };

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool running_ = false;
};

} // namespace utilita
