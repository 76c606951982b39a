#include "console/RecordsModel.h"

#include "console/RecordDecoder.h"

namespace {
const QChar ELLIPSIS(0x2026);
// Characters of a record decoded for display: every shown character of the decoding
// comes from at most three characters of the text, and the first three pairs may be
// named with a few more.
constexpr size_t DECODED_PREFIX = 3 * CRecordsModel::SHOWN_CHARS + 16;
} // namespace

CRecordsModel::CRecordsModel(QObject* parent) : QAbstractTableModel(parent) {}

void CRecordsModel::Append(std::string text, QString warning) {
    rows_.push_back({std::move(text), true, std::move(warning)});
    if (flushPending_) return;
    flushPending_ = true;
    QMetaObject::invokeMethod(this, &CRecordsModel::Flush, Qt::QueuedConnection);
}

void CRecordsModel::Flush() {
    flushPending_ = false;
    const int size = static_cast<int>(rows_.size());
    if (size <= announced_) return;
    beginInsertRows(QModelIndex(), announced_, size - 1);
    announced_ = size;
    endInsertRows();
    emit RowsAppended();
}

void CRecordsModel::Clear() {
    beginResetModel();
    rows_.clear();
    announced_ = 0;
    endResetModel();
}

void CRecordsModel::Replace(std::vector<Row> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    announced_ = static_cast<int>(rows_.size());
    endResetModel();
    emit RowsAppended();
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

QString CRecordsModel::ShownTips(const std::string& text) {
    const bool cut = text.size() > DECODED_PREFIX;
    const std::string tips =
        records::DecodeRecord(std::string_view(text).substr(0, DECODED_PREFIX));
    QString shown = Shown(tips);
    if (cut && !shown.endsWith(ELLIPSIS)) shown += ELLIPSIS;
    return shown;
}

int CRecordsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : announced_;
}

int CRecordsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant CRecordsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= announced_) return {};
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
            return r.warning.isEmpty() ? ShownTips(r.text)
                                       : ShownTips(r.text) + QStringLiteral(" \u2014 ") + r.warning;
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
        return tr("Content");
    case COL_TIPS:
        return tr("Tips");
    default:
        return QString();
    }
}
