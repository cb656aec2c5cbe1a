#include "compaction/compaction_window.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "widgets/controls.h"
#include "context/app_context.h"

namespace utilita::compaction {

Form2::Form2(const AppContext& context, dao::DBEngine& engine, QWidget* parent)
    : ChildDialog(parent), context_(context), engine_(engine) {
    BuildControls();
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
}

void Form2::Command2_Click() {
    // A click during one of the run's yields must not start a second run.
    if (Running()) return;
    RunningGuard running(*this);
    RunCompaction(context_.archiveFolder, *this);
}

void Form2::Command1_Click(int /*index*/) { close(); }

void Form2::SetStatus(const std::string& text) { Label2[0]->setText(LabelText(QString::fromStdString(text))); }

void Form2::SetHourglass(bool on) {
    if (on) setCursor(Qt::WaitCursor);
    else unsetCursor();
}

void Form2::SetMark(int index, bool ticked) { cec[index]->setChecked(ticked); }

void Form2::Yield() { QCoreApplication::processEvents(); }

void Form2::ShowMessage(const std::string& text, ui::Icon icon, const std::string& title) {
    ui::ShowMessage(this, text, ui::Buttons::Ok, icon, title);
}

} // namespace utilita::compaction
