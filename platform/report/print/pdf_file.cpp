#include "report/print/pdf_file.h"

#include <filesystem>

#include <QFile>
#include <QPdfWriter>
#include <QPrinter>

#include "winfs/new_files.h"

namespace report {

bool PrintsToPdfFile(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

bool WritePdfFile(const QPrinter& printer, const std::function<bool(QPagedPaintDevice&, int)>& paint) {
    const std::filesystem::path target = printer.outputFileName().toStdString();
    winfs::FileBeside made(target);
    if (made.error()) return false;
    {
        QFile device;
        if (!device.open(made.fd(), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) return false;
        QPdfWriter writer(&device);
        writer.setPdfVersion(printer.pdfVersion());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        writer.setResolution(printer.resolution());
        writer.setPageLayout(printer.pageLayout());
        if (!paint(writer, printer.resolution()) || !device.flush() || device.error() != QFileDevice::NoError)
            return false;
    }
    return made.Finish(winfs::ModeToKeep(target)) == 0 && made.Install() == 0;
}

} // namespace report
