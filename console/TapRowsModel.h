#pragma once
// The tap window's rows: what the tap's threads hand over (TapRowInbox, a locked queue
// the window empties on a timer) and the table the window shows (TapRowsModel). Both
// are bounded: a flood of rows drops the oldest shown and, when the window cannot keep
// up, rows never shown; either is counted so the window can say so.
#include "tap/Conversation.h"

#include <QAbstractTableModel>
#include <deque>
#include <mutex>
#include <vector>

// A row as the window keeps it: at most MAX_SHOWN_BYTES of its bytes, and how many
// it had.
struct ShownRow {
    // Bytes of a row kept for its hex column; the rest is counted, not kept.
    static constexpr size_t MAX_SHOWN_BYTES = 64;
    tap::Row row;
    size_t length = 0;
};

// Rows from the session's threads to the window's thread.
class TapRowInbox {
public:
    // Rows waiting beyond this are dropped (counted) until the window takes them.
    static constexpr size_t MAX_WAITING = 20000;

    // Any thread.
    void Add(const tap::Row& row);
    // The window's thread: everything waiting, and how many were dropped since the last take.
    std::vector<ShownRow> Take(uint64_t* dropped);

private:
    std::mutex mutex_;
    std::vector<ShownRow> rows_;
    uint64_t dropped_ = 0;
};

class TapRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TIME, GAP, DIRECTION, HEX, TEXT, ALERTS, COLUMN_COUNT };
    // Rows kept for the table; older ones go.
    static constexpr size_t MAX_ROWS = 5000;

    explicit TapRowsModel(QObject* parent = nullptr);

    // Appends rows (dropping the oldest past MAX_ROWS); `missed` rows never reached the
    // window at all.
    void Append(std::vector<ShownRow>&& rows, uint64_t missed = 0);
    void Clear();
    // Rows no longer shown: dropped as the oldest or never taken.
    uint64_t Dropped() const { return dropped_; }
    // The row as kept: its bytes cut to MAX_SHOWN_BYTES.
    const ShownRow& RowAt(int row) const { return rows_[static_cast<size_t>(row)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    QString DirectionText(tap::Direction direction) const;
    QString AlertText(uint32_t alerts) const;
    QString HexText(int row) const;

private:
    std::deque<ShownRow> rows_;
    uint64_t dropped_ = 0;
};
