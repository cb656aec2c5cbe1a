#include "ui/qt_file_dialog.h"

#include <filesystem>

#include <QString>

#include "ui/file_dialog.h"
#include "winfs/paths.h"

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

void ConfigureFileDialog(DriveFileDialog& dialog, const std::string& filter, int filterIndex,
                         const std::string& currentName, const std::string& initDir) {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList filters = QtNameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const qsizetype index = (filterIndex >= 1 && filterIndex <= filters.size()) ? filterIndex - 1 : 0;
        dialog.selectNameFilter(filters[index]);
    }
    const std::filesystem::path current = currentName.empty() ? std::filesystem::path() : winfs::Resolve(currentName);
    const std::filesystem::path start = initDir.empty() ? current.parent_path() : winfs::Resolve(initDir);
    if (start.empty()) return;
    const bool nameLiesThere = !current.empty() && current.parent_path() == start;
    dialog.StartIn(start.string(), nameLiesThere ? current.filename().string() : std::string());
}

std::optional<std::string> QtFileDialogBackend::AskOpen(const std::string& filter, int filterIndex,
                                                        const std::string& currentName, const std::string& initDir,
                                                        QWidget* parent) {
    DriveFileDialog dialog(parent);
    ConfigureFileDialog(dialog, filter, filterIndex, currentName, initDir);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const std::string chosen = dialog.ChosenFile();
    if (chosen.empty()) return std::nullopt;
    return chosen;
}

} // namespace ui
