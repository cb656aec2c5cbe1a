#pragma once
// The file dialog's list columns in Italian whatever the system's language:
// Qt writes sizes, types and dates in the locale the environment names
// (English when LANG is unset); this proxy writes them as the operator reads them.
#include <QIdentityProxyModel>

namespace ui {

class ItalianFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

} // namespace ui
