#include "report/print/print_options_dialog.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "ui/drive_file_dialog.h"
#include "winfs/paths.h"

namespace report {

PrintOptionsDialog::PrintOptionsDialog(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent) {
    outputFile_ = findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!outputFile_) return;
    ShowDrivePath();
    // Whatever puts a host path in the box (Qt's default name, a choice),
    // the operator reads it as a drive path.
    connect(outputFile_, &QLineEdit::textChanged, this, [this] { ShowDrivePath(); });
    if (auto* browse = findChild<QAbstractButton*>(QStringLiteral("fileBrowser"))) {
        disconnect(browse, &QAbstractButton::clicked, nullptr, nullptr);
        connect(browse, &QAbstractButton::clicked, this, [this] { ChooseOutputFile(); });
    }
}

void PrintOptionsDialog::ShowDrivePath() {
    if (handingOver_) return;
    const QString shown = QString::fromStdString(winfs::WindowsForm(outputFile_->text().toStdString()));
    if (shown != outputFile_->text()) outputFile_->setText(shown);
}

void PrintOptionsDialog::ChooseOutputFile() {
    ui::DriveFileDialog dialog(this, windowTitle());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const std::filesystem::path current = winfs::Resolve(outputFile_->text().toStdString());
    dialog.StartIn(current.parent_path().string(), current.filename().string());
    if (dialog.exec() == QDialog::Accepted && !dialog.ChosenFile().empty())
        outputFile_->setText(QString::fromStdString(dialog.ChosenFile()));
}

void PrintOptionsDialog::accept() {
    if (!outputFile_ || !ui::IsDrivePath(outputFile_->text())) {
        QPrintDialog::accept();
        return;
    }
    // Qt checks and takes the file as the host knows it.
    const QString shown = outputFile_->text();
    handingOver_ = true;
    outputFile_->setText(QString::fromStdString(winfs::Resolve(shown.toStdString()).string()));
    QPrintDialog::accept();
    handingOver_ = false;
    if (result() != QDialog::Accepted) outputFile_->setText(shown);
}

} // namespace report
