#include "ui/drive_file_dialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "ui/italian_file_columns.h"
#include "winfs/paths.h"

namespace ui {

namespace {

// Paints the "look in" box with the drive path of the dialog's folder in
// place of the host folder Qt would show.
class DriveFolderPainter : public QObject {
public:
    explicit DriveFolderPainter(QFileDialog& dialog) : QObject(&dialog), dialog_(dialog) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        auto* combo = static_cast<QComboBox*>(watched);
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = combo->hasFrame();
        option.iconSize = combo->iconSize();
        option.currentIcon = combo->itemIcon(combo->currentIndex());
        const QString folder =
            QString::fromStdString(winfs::WindowsForm(dialog_.directory().absolutePath().toStdString()));
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        option.currentText = option.fontMetrics.elidedText(folder, Qt::ElideMiddle,
                                                           field.width() - option.iconSize.width() - 4);
        QStylePainter painter(combo);
        painter.setPen(combo->palette().color(QPalette::Text));
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
        return true;
    }

private:
    QFileDialog& dialog_;
};

QString HostPath(const std::string& path) {
    return QString::fromStdString(winfs::Resolve(path).string());
}

} // namespace

bool IsDrivePath(const QString& path) {
    return path.startsWith(QLatin1Char('\\')) || (path.size() >= 2 && path[0].isLetter() && path[1] == QLatin1Char(':'));
}

DriveFileDialog::DriveFileDialog(QWidget* parent, const QString& caption) : QFileDialog(parent, caption) {
    // Qt's own dialog: a desktop's native one cannot be taught drive paths.
    setOption(QFileDialog::DontUseNativeDialog);
    setProxyModel(new ItalianFileColumns(this));
    if (auto* lookIn = findChild<QComboBox*>(QStringLiteral("lookInCombo")))
        lookIn->installEventFilter(new DriveFolderPainter(*this));
}

void DriveFileDialog::StartIn(const std::string& folder, const std::string& name) {
    setDirectory(HostPath(folder));
    if (!name.empty()) selectFile(QString::fromStdString(name));
}

std::string DriveFileDialog::ChosenFile() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::string() : winfs::WindowsForm(files.first().toStdString());
}

void DriveFileDialog::accept() {
    if (auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); name && IsDrivePath(name->text()))
        name->setText(HostPath(name->text().toStdString()));
    QFileDialog::accept();
}

} // namespace ui
