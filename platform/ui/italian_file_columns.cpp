#include "ui/italian_file_columns.h"

#include <QFileSystemModel>
#include <QLocale>

namespace ui {

namespace {

// The columns of Qt's file system model.
enum Column { kName, kSize, kType, kDate };

const QLocale& Italian() {
    static const QLocale italian(QLocale::Italian, QLocale::Italy);
    return italian;
}

} // namespace

QVariant ItalianFileColumns::data(const QModelIndex& index, int role) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole || index.column() == kName) return QIdentityProxyModel::data(index, role);
    const QFileInfo info = files->fileInfo(mapToSource(index));
    switch (index.column()) {
    case kSize:
        return info.isDir() ? QString() : Italian().formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
    case kType:
        if (info.isDir()) return QStringLiteral("Cartella");
        return info.suffix().isEmpty() ? QStringLiteral("File") : QStringLiteral("File ") + info.suffix().toUpper();
    case kDate: return Italian().toString(info.lastModified(), QStringLiteral("dd/MM/yyyy HH:mm"));
    default: return QIdentityProxyModel::data(index, role);
    }
}

QVariant ItalianFileColumns::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QIdentityProxyModel::headerData(section, orientation, role);
    switch (section) {
    case kName: return QStringLiteral("Nome");
    case kSize: return QStringLiteral("Dimensione");
    case kType: return QStringLiteral("Tipo");
    case kDate: return QStringLiteral("Ultima modifica");
    default: return QIdentityProxyModel::headerData(section, orientation, role);
    }
}

} // namespace ui
