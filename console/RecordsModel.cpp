#include "RecordsModel.h"

namespace {
const QChar ELLIPSIS(0x2026);
}

CRecordsModel::CRecordsModel(QObject* parent) : QAbstractTableModel(parent) {}

void CRecordsModel::Append(std::string text, std::string tips) {
    const int row = static_cast<int>(rows_.size());
    beginInsertRows(QModelIndex(), row, row);
    rows_.push_back({std::move(text), std::move(tips), true});
    endInsertRows();
}

void CRecordsModel::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void CRecordsModel::Replace(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void CRecordsModel::SetChecked(int row, bool checked) {
    rows_.at(row).checked = checked;
    const QModelIndex i = index(row, COL_CHECK);
    emit dataChanged(i, i, {Qt::CheckStateRole});
}

QString CRecordsModel::Shown(const std::string& text) {
    if (text.size() <= static_cast<size_t>(SHOWN_CHARS)) {
        return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    return QString::fromLatin1(text.data(), SHOWN_CHARS) + ELLIPSIS;
}

int CRecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int CRecordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant CRecordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) return {};
    const Row& r = rows_[index.row()];
    switch (index.column()) {
    case COL_CHECK:
        if (role == Qt::CheckStateRole) return r.checked ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::AccessibleTextRole) return r.checked ? tr("checked") : tr("unchecked");
        break;
    case COL_CONTENT:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
            return Shown(r.text);
        break;
    case COL_TIPS:
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == Qt::AccessibleTextRole)
            return Shown(r.tips);
        break;
    default:
        break;
    }
    return {};
}

bool CRecordsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != COL_CHECK || role != Qt::CheckStateRole) return false;
    SetChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags CRecordsModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == COL_CHECK) f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant CRecordsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case COL_CONTENT:
        return QStringLiteral("Content");
    case COL_TIPS:
        return QStringLiteral("Tips");
    default:
        return QString();
    }
}
