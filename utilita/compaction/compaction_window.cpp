#include "compaction/compaction_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "context/app_context.h"
#include "widgets/controls.h"

namespace utilita::compaction {

CompactionWindow::CompactionWindow(const AppContext& context, dao::DBEngine& engine, QWidget* parent)
    : ChildDialog(parent), context_(context), engine_(engine) {
    BuildControls();
    connect(compactButton, &QPushButton::clicked, this, [this] { OnCompactClicked(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { close(); });
}

void CompactionWindow::OnCompactClicked() {
    // A click during one of the run's yields must not start a second run.
    if (Running()) return;
    RunningGuard running(*this);
    RunCompaction(context_.archiveFolder, engine_, *this);
}

void CompactionWindow::SetStatus(const std::string& text) {
    statusLabel->setText(LabelText(QString::fromStdString(text)));
}

void CompactionWindow::SetHourglass(bool on) {
    if (on) setCursor(Qt::WaitCursor);
    else unsetCursor();
}

void CompactionWindow::SetMark(int index, bool ticked) { progressMarks[index]->setChecked(ticked); }

void CompactionWindow::Yield() { QCoreApplication::processEvents(); }

void CompactionWindow::ShowMessage(const std::string& text, ui::Icon icon, const std::string& title) {
    ui::ShowMessage(this, text, ui::Buttons::Ok, icon, title);
}

} // namespace utilita::compaction
