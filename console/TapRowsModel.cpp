#include "console/TapRowsModel.h"
#include "widgets/ShownNumbers.h"

#include "printer/HexText.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <QStyle>

namespace {

constexpr double MICROS_PER_MS = 1000.0;
constexpr int GAP_DECIMALS = 3;
const QColor ALERT_BACKGROUND(255, 214, 204);
const QColor NOTE_FOREGROUND(90, 90, 90);

} // namespace

void TapRowInbox::Add(const tap::Row& row) {
    std::lock_guard lock(mutex_);
    if (rows_.size() >= MAX_WAITING) {
        ++dropped_;
        return;
    }
    ShownRow kept{row, row.bytes.size()};
    // The window shows a few bytes of a long piece (a picture's); the rest is not kept.
    if (kept.length > ShownRow::MAX_SHOWN_BYTES) {
        kept.row.bytes.resize(ShownRow::MAX_SHOWN_BYTES);
        kept.row.bytes.shrink_to_fit();
    }
    rows_.push_back(std::move(kept));
}

std::vector<ShownRow> TapRowInbox::Take(uint64_t* dropped) {
    std::lock_guard lock(mutex_);
    std::vector<ShownRow> rows;
    rows.swap(rows_);
    *dropped = dropped_;
    dropped_ = 0;
    return rows;
}

TapRowsModel::TapRowsModel(QObject* parent) : QAbstractTableModel(parent) {}

void TapRowsModel::Append(std::vector<ShownRow>&& rows, uint64_t missed) {
    dropped_ += missed;
    if (rows.empty()) return;
    // Of a flood, only the last MAX_ROWS can stay.
    size_t first = 0;
    if (rows.size() > MAX_ROWS) {
        first = rows.size() - MAX_ROWS;
        dropped_ += first;
    }
    const size_t incoming = rows.size() - first;
    const size_t over = rows_.size() + incoming > MAX_ROWS ? rows_.size() + incoming - MAX_ROWS : 0;
    if (over > 0) {
        beginRemoveRows({}, 0, static_cast<int>(over) - 1);
        rows_.erase(rows_.begin(), rows_.begin() + static_cast<long>(over));
        endRemoveRows();
        dropped_ += over;
    }
    const int at = static_cast<int>(rows_.size());
    beginInsertRows({}, at, at + static_cast<int>(incoming) - 1);
    for (size_t i = first; i < rows.size(); ++i) rows_.push_back(std::move(rows[i]));
    endInsertRows();
}

void TapRowsModel::Clear() {
    beginResetModel();
    rows_.clear();
    dropped_ = 0;
    endResetModel();
}

int TapRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TapRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QString TapRowsModel::DirectionText(tap::Direction direction) const {
    switch (direction) {
    case tap::Direction::ToPrinter: return tr("to printer");
    case tap::Direction::ToProgram: return tr("to program");
    case tap::Direction::Note: break;
    }
    return tr("note");
}

QString TapRowsModel::AlertText(uint32_t alerts) const {
    QStringList names;
    for (size_t i = 0; i < tap::ALERT_KINDS; ++i) {
        if ((alerts & (1u << i)) == 0) continue;
        switch (static_cast<tap::Alert>(i)) {
        case tap::Alert::UnknownCommand: names << tr("unknown command"); break;
        case tap::Alert::CutOff: names << tr("cut off"); break;
        case tap::Alert::Unanswered: names << tr("no answer"); break;
        case tap::Alert::SentWhileHeld: names << tr("sent while held"); break;
        }
    }
    return names.join(QStringLiteral(", "));
}

QString TapRowsModel::HexText(int row) const {
    const ShownRow& kept = rows_[static_cast<size_t>(row)];
    QString hex = QString::fromStdString(ToHexText(kept.row.bytes.data(), kept.row.bytes.size())).trimmed();
    if (kept.length > kept.row.bytes.size())
        hex += tr(" ... (%1 bytes)").arg(shown::Numbers().toString(static_cast<qulonglong>(kept.length)));
    return hex;
}

QVariant TapRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const tap::Row& row = rows_[static_cast<size_t>(index.row())].row;
    const bool alert = row.alerts != 0;
    if (role == Qt::BackgroundRole) return alert ? QVariant(QBrush(ALERT_BACKGROUND)) : QVariant();
    if (role == Qt::ForegroundRole)
        return row.direction == tap::Direction::Note ? QVariant(QBrush(NOTE_FOREGROUND)) : QVariant();
    if (role == Qt::DecorationRole && index.column() == ALERTS && alert)
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::AccessibleTextRole)
        return {};
    switch (index.column()) {
    case TIME: {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(row.wall.time_since_epoch());
        return QDateTime::fromMSecsSinceEpoch(ms.count()).toString(QStringLiteral("HH:mm:ss.zzz"));
    }
    case GAP:
        return tr("+%1 ms").arg(shown::Numbers().toString(static_cast<double>(row.gapUs) / MICROS_PER_MS,
                                                          'f', GAP_DECIMALS));
    case DIRECTION: return DirectionText(row.direction);
    case HEX: return HexText(index.row());
    case TEXT: return QString::fromStdString(row.text);
    case ALERTS: return alert ? tr("!! %1").arg(AlertText(row.alerts)) : QString();
    default: break;
    }
    return {};
}

QVariant TapRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case TIME: return tr("Time");
    case GAP: return tr("Since previous");
    case DIRECTION: return tr("Direction");
    case HEX: return tr("Hex");
    case TEXT: return tr("Command or reply");
    case ALERTS: return tr("Alert");
    default: break;
    }
    return {};
}
