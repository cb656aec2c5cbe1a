#include "app/compaction_form.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/label_caption.h"
#include "app/module1.h"

namespace utilita::compaction {

Form2::Form2(QWidget* parent) : QDialog(parent) {
    BuildControls();
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1[0], &QPushButton::clicked, this, [this] { Command1_Click(0); });
}

void Form2::Command2_Click() {
    // A click during one of the run's yields must not start a second run.
    if (running_) return;
    running_ = true;
    RunCompaction(ArchiveFolder, *this);
    running_ = false;
}

void Form2::Command1_Click(int /*index*/) { close(); }

void Form2::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F12) {
        close();
        return;
    }
    // Escape closes a dialog; this window closes only by its own commands.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Form2::closeEvent(QCloseEvent* event) {
    // The run is in the middle of moving the databases: the window stays.
    if (running_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void Form2::reject() {
    if (!running_) QDialog::reject();
}

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
