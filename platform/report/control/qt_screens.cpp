#include "report/control/qt_screens.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

#include "report/designer/designer_dialog.h"
#include "report/print/print_options_dialog.h"
#include "report/print/print_output.h"
#include "ui/drive_file_dialog.h"
#include "winfs/paths.h"

namespace report {

namespace {

class QtProgressBox : public ProgressBox {
public:
    QtProgressBox(QWidget* parent, const std::string& title) : dialog_(parent) {
        dialog_.setWindowTitle(QString::fromStdString(title));
        dialog_.setCancelButtonText(QStringLiteral("Annulla"));
        dialog_.setRange(0, 100);
        dialog_.setMinimumDuration(0);
        // Window-modal: the box takes the events of the window that prints,
        // and setValue lets them through, so Annulla is heard.
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setAutoClose(false);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
        dialog_.show();
    }
    void SetProgress(const std::string& text, int percent) override {
        if (dialog_.maximum() != 100) dialog_.setRange(0, 100);
        dialog_.setLabelText(QString::fromStdString(text));
        dialog_.setValue(percent);
    }
    void Busy(const std::string& text) override {
        if (dialog_.maximum() != 0) {
            dialog_.setLabelText(QString::fromStdString(text));
            dialog_.setRange(0, 0);
        }
        // Often enough for the bar to move, seldom enough to cost nothing.
        if (!sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintMs) {
            sinceRepaint_.start();
            QCoreApplication::processEvents();
        }
    }
    void Printing(int page, int count) override {
        if (page == 1) dialog_.setCancelButton(nullptr);
        dialog_.setRange(0, count);
        dialog_.setLabelText(QStringLiteral("Pagina %1 di %2").arg(page).arg(count));
        dialog_.setValue(page);
    }
    bool Cancelled() override { return dialog_.wasCanceled(); }

private:
    static constexpr int kRepaintMs = 50;
    QProgressDialog dialog_;
    QElapsedTimer sinceRepaint_;
};

} // namespace

bool QtScreens::PrinterAvailable() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

bool QtScreens::ChooseLayoutFile(QWidget* parent, std::filesystem::path& file) {
    ui::DriveFileDialog dialog(parent, QStringLiteral("Scelta del modulo di stampa"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A new layout is made by naming a file that does not exist yet.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("Moduli di stampa (*.LST *.lst)"), QStringLiteral("Tutti i file (*)")});
    dialog.StartIn(file.parent_path().string(), file.filename().string());
    if (dialog.exec() != QDialog::Accepted) return false;
    const std::string chosen = dialog.ChosenFile();
    if (chosen.empty()) return false;
    const std::filesystem::path host = winfs::Resolve(chosen);
    if (host != file) file = host;
    return true;
}

void QtScreens::DesignLayout(QWidget* parent, DesignRequest& request) {
    DesignerDialog dialog(request, parent);
    dialog.exec();
}

std::unique_ptr<ProgressBox> QtScreens::OpenProgress(QWidget* parent, const std::string& title) {
    return std::make_unique<QtProgressBox>(parent, title);
}

bool QtScreens::PrintOptions(QWidget* parent, const std::string& text, const std::string& warnings,
                             QPrinter& printer) {
    if (!warnings.empty())
        QMessageBox::warning(parent, QString::fromStdString(text),
                             QString::fromStdString(warnings).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    PrintOptionsDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromStdString(text));
    return dialog.exec() == QDialog::Accepted;
}

void QtScreens::ShowPreview(QWidget* parent, const std::string& title, const std::vector<Page>& pages) {
    QPrinter printer(QPrinter::HighResolution);
    Layout paper;
    if (!pages.empty()) {
        paper.pageWidth = pages.front().width;
        paper.pageHeight = pages.front().height;
    }
    PreparePrinter(printer, paper);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromStdString(title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* target) { PrintPages(*target, pages); });
    dialog.exec();
}

} // namespace report
