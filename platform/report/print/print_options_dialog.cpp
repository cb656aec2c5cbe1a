#include "report/print/print_options_dialog.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>

#include "ui/drive_file_dialog.h"
#include "ui/message_box.h"
#include "winfs/paths.h"

namespace report {

namespace {

// The file the printer writes: a drive path mapped to the host, any other as
// Qt takes it (a relative one under the home folder), never against the
// working folder.
std::filesystem::path HostFile(const QString& shown) {
    if (ui::IsDrivePath(shown)) return winfs::Resolve(shown.toStdString());
    return (QDir::isRelativePath(shown) ? QDir::home().filePath(shown) : shown).toStdString();
}

// Qt's own words for the print dialog's questions, in the interface's language.
std::string QtWords(const char* text, const QString& file) {
    return QCoreApplication::translate("QPrintDialog", text).arg(file).toStdString();
}

} // namespace

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
    // Qt would check the box's text as a file of the working folder, before
    // accept() maps it: the file is checked here, on the host file.
    if (auto* buttons = findChild<QDialogButtonBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr);
        connect(buttons, &QDialogButtonBox::accepted, this, [this] { CheckAndAccept(); });
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

// Qt's questions on the output file, asked of the host file without creating
// anything, and naming the file as the operator reads it.
bool PrintOptionsDialog::OutputFileUsable() {
    const QString shown = outputFile_->text();
    const std::filesystem::path host = HostFile(shown);
    std::error_code ec;
    const auto status = std::filesystem::status(host, ec);
    const bool exists = std::filesystem::exists(status);
    const std::string title = windowTitle().toStdString();
    if (std::filesystem::is_directory(status)) {
        ui::ShowMessage(this, QtWords("%1 is a directory.\nPlease choose a different file name.", shown),
                        ui::Buttons::Ok, ui::Icon::Exclamation, title);
        return false;
    }
    if (::access((exists ? host : host.parent_path()).c_str(), W_OK) != 0) {
        ui::ShowMessage(this, QtWords("File %1 is not writable.\nPlease choose a different file name.", shown),
                        ui::Buttons::Ok, ui::Icon::Exclamation, title);
        return false;
    }
    return !exists || ui::ShowMessage(this, QtWords("%1 already exists.\nDo you want to overwrite it?", shown),
                                      ui::Buttons::YesNo, ui::Icon::Question, title,
                                      ui::DefaultButton::Second) == ui::kYes;
}

void PrintOptionsDialog::CheckAndAccept() {
    if (outputFile_->isEnabled() && !OutputFileUsable()) return;
    // Qt's other checks (options that cannot go together) still run; its
    // file check, made above, is passed over while the box is disabled.
    const bool enabled = outputFile_->isEnabled();
    outputFile_->setEnabled(false);
    const bool checked = QMetaObject::invokeMethod(this, "_q_checkFields");
    outputFile_->setEnabled(enabled);
    if (!checked) accept();
}

void PrintOptionsDialog::accept() {
    if (!outputFile_ || !ui::IsDrivePath(outputFile_->text())) {
        QPrintDialog::accept();
        return;
    }
    // Qt takes the file as the host knows it.
    const QString shown = outputFile_->text();
    handingOver_ = true;
    outputFile_->setText(QString::fromStdString(winfs::Resolve(shown.toStdString()).string()));
    QPrintDialog::accept();
    handingOver_ = false;
    if (result() != QDialog::Accepted) outputFile_->setText(shown);
}

} // namespace report
