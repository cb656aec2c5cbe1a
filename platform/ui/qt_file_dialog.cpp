#include "ui/qt_file_dialog.h"

#include <QFileInfo>
#include <QString>

#include "ui/file_dialog.h"

namespace ui {

namespace {

QString QtPatterns(const QString& windowsPatterns) {
    QStringList patterns;
    for (QString p : windowsPatterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        p = p.trimmed();
        if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        if (!p.isEmpty()) patterns << p;
    }
    return patterns.join(QLatin1Char(' '));
}

} // namespace

QStringList QtNameFilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = QtPatterns(parts[i + 1]);
        // The description usually shows the Windows patterns already; Qt
        // reads its patterns from that bracket, so it must hold Qt's form.
        for (const QString& shown : {parts[i + 1].trimmed(), patterns}) {
            const QString bracketed = QLatin1Char('(') + shown + QLatin1Char(')');
            if (!shown.isEmpty() && description.endsWith(bracketed)) {
                description = description.chopped(bracketed.size()).trimmed();
                break;
            }
        }
        result << (description.isEmpty() ? patterns : description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return result;
}

void ConfigureFileDialog(QFileDialog& dialog, const std::string& filter, int filterIndex,
                         const std::string& currentName) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = QtNameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype index = (filterIndex >= 1 && filterIndex <= filters.size()) ? filterIndex - 1 : 0;
        dialog.selectNameFilter(filters[index]);
    }
    if (!currentName.empty()) {
        const QFileInfo info(QString::fromStdString(currentName));
        if (info.isAbsolute()) {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
}

std::optional<std::string> QtFileDialogBackend::AskOpen(const std::string& filter, int filterIndex,
                                                        const std::string& currentName, QWidget* parent) {
    QFileDialog dialog(parent);
    ConfigureFileDialog(dialog, filter, filterIndex, currentName);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.first().toStdString();
}

} // namespace ui
