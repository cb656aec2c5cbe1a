#include "app/main_window.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "catalogue/catalogue.h"
#include "run/run_conversion.h"
#include "ui/message_box.h"
#include "winfs/error_numbers.h"
#include "winfs/files.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"
#include "winfs/shown_path.h"

namespace {

constexpr const char* kTitle = "Attenzione";
constexpr const char* kConfigurationFile = "C:\\VanRete7.dat";

std::string UnreachableFolderMessage(const std::string& folder) {
    std::string text;
    for (const std::string& line : {std::string("Collegamento mancante con il Server di dati "),
                                    " " + winfs::ShownPath(folder),
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

// A pick opens where the box's file lies, or else in the archive folder.
std::string StartFolder(const std::string& boxText, const std::string& archiveFolder) {
    const std::size_t cut = boxText.find_last_of("\\/");
    return cut == std::string::npos || cut == 0 ? archiveFolder : boxText.substr(0, cut);
}

conversione::MessageAnswer FromUi(int answer) {
    switch (answer) {
    case ui::kCancel: return conversione::MessageAnswer::Cancel;
    case ui::kYes: return conversione::MessageAnswer::Yes;
    case ui::kNo: return conversione::MessageAnswer::No;
    default: return conversione::MessageAnswer::Ok;
    }
}

} // namespace

MainWindow::MainWindow(dao::DBEngine& engine, QWidget* parent)
    : QMainWindow(parent), controls_(conversione_app::BuildMainWindow(*this)), fileDialog_(this),
      session_(*this, engine) {
    connect(controls_.pickSourceButton, &QPushButton::clicked, this, &MainWindow::OnPickSourceClicked);
    connect(controls_.pickTargetButton, &QPushButton::clicked, this, &MainWindow::OnPickTargetClicked);
    connect(controls_.runButton, &QPushButton::clicked, this, &MainWindow::OnRunClicked);
    connect(controls_.exitButton, &QPushButton::clicked, this, &MainWindow::OnExitClicked);
}

bool MainWindow::Start() {
    AppendLog("Procedura in attesa...");
    bool reachable = true;
    try {
        const winfs::FirstLine line = winfs::ReadFirstLine(kConfigurationFile);
        archiveFolder_ = line.text;
        reachable = line.whole;   // a line past the read limit names no folder
    } catch (const vb::RuntimeError& error) {
        if (error.Number() == vb::kPathNotFound || error.Number() == vb::kFileNotFound) {
            ui::ShowMessage(this, "E' necessario impostare Percorso degli Archivi !", ui::Buttons::OkCancel,
                            ui::Icon::Information, kTitle);
            EndProgram();
            return false;
        }
        return true;   // an unreadable file: the operator picks both files by hand
    }
    controls_.targetPathBox->setText(QString::fromStdString(archiveFolder_ + "\\vantorima7.mdb"));
    try {
        if (reachable) winfs::OpenForReadingAndClose(archiveFolder_ + "\\VanReteAB.dat");
    } catch (const vb::RuntimeError&) {
        reachable = false;
    }
    if (!reachable) {
        ui::ShowMessage(this, UnreachableFolderMessage(archiveFolder_), ui::Buttons::Ok, ui::Icon::Information,
                        kTitle);
        EndProgram();
        return false;
    }
    return true;
}

void MainWindow::OnPickSourceClicked() { PickInto(controls_.sourcePathBox); }
void MainWindow::OnPickTargetClicked() { PickInto(controls_.targetPathBox); }

void MainWindow::PickInto(QLineEdit* box) {
    try {
        // The dialog may move the current folder; the program's own folder is
        // made current again afterwards.
        const std::filesystem::path saved = QCoreApplication::applicationDirPath().toStdString();
        fileDialog_.SetFilter("File Dati (*.mdb)|*.mdb");
        fileDialog_.SetFilterIndex(1);
        fileDialog_.SetInitDir(StartFolder(box->text().toStdString(), archiveFolder_));
        fileDialog_.ShowOpen();
        // A cancel leaves the dialog's last name, which the box then takes.
        box->setText(QString::fromStdString(winfs::WindowsForm(fileDialog_.FileName())));
        std::filesystem::current_path(saved);
    } catch (const std::exception&) {
        // A failing pick ends quietly.
    }
}

void MainWindow::OnRunClicked() {
    controls_.logList->clear();
    conversione::RunConversion(session_, conversione::ConvertersInRunOrder);
}

void MainWindow::OnExitClicked() { EndProgram(); }

void MainWindow::EndProgram() {
    ended_ = true;
    close();
    QCoreApplication::quit();
}

std::string MainWindow::SourceFileName() const { return controls_.sourcePathBox->text().toStdString(); }
std::string MainWindow::TargetFileName() const { return controls_.targetPathBox->text().toStdString(); }

void MainWindow::AppendLog(const std::string& line) {
    controls_.logList->addItem(QString::fromStdString(line));
}

void MainWindow::SelectLastLogLine() {
    QListWidget* list = controls_.logList;
    list->setCurrentRow(list->count() - 1);
    list->scrollToItem(list->currentItem());
}

void MainWindow::SetButtonsEnabled(bool enabled) {
    controls_.pickSourceButton->setEnabled(enabled);
    controls_.pickTargetButton->setEnabled(enabled);
    controls_.exitButton->setEnabled(enabled);
    controls_.runButton->setEnabled(enabled);
}

void MainWindow::DisableButtons() { SetButtonsEnabled(false); }
// Clicks and keys made during the run wait in the queue: they are delivered
// while the buttons are still disabled, where they do nothing.
void MainWindow::EnableButtons() {
    QCoreApplication::processEvents();
    SetButtonsEnabled(true);
}

conversione::MessageAnswer MainWindow::ShowMessage(const std::string& text, conversione::MessageButtons buttons,
                                                   conversione::MessageIcon icon,
                                                   conversione::MessageDefault defaultButton) {
    return FromUi(ui::ShowMessage(this, text, ToUi(buttons), ToUi(icon), kTitle,
                                  defaultButton == conversione::MessageDefault::First ? ui::DefaultButton::First
                                                                                      : ui::DefaultButton::Second));
}

void MainWindow::YieldToMessageLoop() {
    QCoreApplication::processEvents();
}
