#include "app/form1.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "run/run_conversion.h"
#include "ui/message_box.h"
#include "winfs/files.h"
#include "winfs/runtime_error.h"

namespace {

constexpr const char* kTitle = "Attenzione";
constexpr const char* kConfigurationFile = "C:\\VanRete7.dat";

std::string UnreachableFolderMessage(const std::string& folder) {
    std::string text;
    for (const std::string& line : {std::string("Collegamento mancante con il Server di dati "), " " + folder,
                                    std::string("Accendere il PC se si tratta di Unità di Rete"),
                                    std::string("e/o comunque reimpostare il percorso archivi"),
                                    std::string("dall'apposito programma accessorio.")})
        text += line + "\r\n";
    return text;
}

ui::Buttons ToUi(conversione::MessageButtons buttons) {
    switch (buttons) {
    case conversione::MessageButtons::Ok: return ui::Buttons::Ok;
    case conversione::MessageButtons::OkCancel: return ui::Buttons::OkCancel;
    case conversione::MessageButtons::YesNo: return ui::Buttons::YesNo;
    }
    return ui::Buttons::Ok;
}

ui::Icon ToUi(conversione::MessageIcon icon) {
    switch (icon) {
    case conversione::MessageIcon::Information: return ui::Icon::Information;
    case conversione::MessageIcon::Question: return ui::Icon::Question;
    case conversione::MessageIcon::Critical: return ui::Icon::Critical;
    }
    return ui::Icon::None;
}

} // namespace

Form1::Form1(dao::DBEngine& engine, QWidget* parent)
    : QMainWindow(parent), controls_(conversione_app::BuildForm1(*this)), cm1_(this), state_(*this, engine) {
    for (int i = 0; i < 2; ++i)
        connect(controls_.bottone[i], &QPushButton::clicked, this, [this, i] { bottone_Click(i); });
    for (int i : {2, 3})
        connect(controls_.SSCommand1[i], &QPushButton::clicked, this, [this, i] { SSCommand1_Click(i); });
}

bool Form1::Form_Load() {
    AppendLog("Procedura in attesa...");
    try {
        archiveFolder_ = winfs::ReadFirstLine(kConfigurationFile);
    } catch (const vb::RuntimeError& error) {
        if (error.Number() == 76 || error.Number() == 53) {
            state_.Answer = ui::ShowMessage(this, "E' necessario impostare Percorso degli Archivi !",
                                            ui::Buttons::OkCancel, ui::Icon::Information, kTitle);
            EndProgram();
            return false;
        }
        return true;   // an unreadable file: the operator picks both files by hand
    }
    controls_.Text1[1]->setText(QString::fromStdString(archiveFolder_ + "\\vantorima7.mdb"));
    try {
        winfs::OpenForReadingAndClose(archiveFolder_ + "\\VanReteAB.dat");
    } catch (const vb::RuntimeError&) {
        state_.Answer = ui::ShowMessage(this, UnreachableFolderMessage(archiveFolder_), ui::Buttons::Ok,
                                        ui::Icon::Information, kTitle);
        EndProgram();
        return false;
    }
    return true;
}

void Form1::bottone_Click(int index) {
    try {
        // The dialog may move the current folder; the program's own folder is
        // made current again afterwards.
        const std::filesystem::path saved = QCoreApplication::applicationDirPath().toStdString();
        cm1_.SetFilter("File Dati (*.mdb)|*.mdb");
        cm1_.SetFilterIndex(1);
        cm1_.ShowOpen();
        // A cancel leaves the dialog's last name, which the box then takes.
        if (index == 0 || index == 1) controls_.Text1[index]->setText(QString::fromStdString(cm1_.FileName()));
        std::filesystem::current_path(saved);
    } catch (const std::exception&) {
        // A failing pick ends quietly.
    }
}

void Form1::SSCommand1_Click(int index) {
    if (index == 2) {
        EndProgram();
    } else if (index == 3) {
        controls_.List1->clear();
        conversione::RunConversion(state_);
    }
}

void Form1::EndProgram() {
    ended_ = true;
    close();
    QCoreApplication::quit();
}

std::string Form1::SourceFileName() const { return controls_.Text1[0]->text().toStdString(); }
std::string Form1::TargetFileName() const { return controls_.Text1[1]->text().toStdString(); }

void Form1::AppendLog(const std::string& line) {
    controls_.List1->addItem(QString::fromStdString(line));
}

void Form1::SelectLastLogLine() {
    QListWidget* list = controls_.List1;
    list->setCurrentRow(list->count() - 1);
    list->scrollToItem(list->currentItem());
}

void Form1::SetButtonsEnabled(bool enabled) {
    controls_.bottone[0]->setEnabled(enabled);
    controls_.bottone[1]->setEnabled(enabled);
    controls_.SSCommand1[2]->setEnabled(enabled);
    controls_.SSCommand1[3]->setEnabled(enabled);
}

void Form1::DisableButtons() { SetButtonsEnabled(false); }
// Clicks and keys made during the run wait in the queue: they are delivered
// while the buttons are still disabled, where they do nothing.
void Form1::EnableButtons() {
    QCoreApplication::processEvents();
    SetButtonsEnabled(true);
}

int Form1::ShowMessage(const std::string& text, conversione::MessageButtons buttons, conversione::MessageIcon icon,
                       conversione::MessageDefault defaultButton) {
    return ui::ShowMessage(this, text, ToUi(buttons), ToUi(icon), kTitle,
                           defaultButton == conversione::MessageDefault::First ? ui::DefaultButton::First
                                                                               : ui::DefaultButton::Second);
}

void Form1::YieldToMessageLoop() {
    QCoreApplication::processEvents();
}
