#pragma once
// The rows of the "Operational records" list: the record text as sent and the check
// box; the decoding is made when a row is drawn. Texts are kept whole (Save and Resend
// use them as they are) but shown cut short, so a row of several megabytes costs no more
// to draw than any other. Rows added in one burst (a handler's commands, an import) are
// announced to the view together when control returns to the event loop, so adding a
// row costs little more than keeping its text.

#include <QAbstractTableModel>
#include <string>
#include <vector>

class CRecordsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { COL_CHECK = 0, COL_CONTENT = 1, COL_TIPS = 2, COLUMN_COUNT = 3 };
    // Characters of a text shown in the list; the rest is elided.
    static constexpr int SHOWN_CHARS = 512;

    struct Row {
        std::string text;
        bool checked = true;
        // Why the command may not print as asked (shown after the decoding, not saved).
        QString warning;
    };

    explicit CRecordsModel(QObject* parent = nullptr);

    void Append(std::string text, QString warning = QString());
    void Clear();
    void Replace(std::vector<Row> rows);

    // Every row, including those not yet announced to the view.
    const std::vector<Row>& Rows() const { return rows_; }
    int Size() const { return static_cast<int>(rows_.size()); }
    // Announces rows added since the last time; runs by itself from the event loop.
    void Flush();
    bool IsChecked(int row) const { return rows_.at(row).checked; }
    void SetChecked(int row, bool checked);

    // A text as the list shows it: Latin-1 (one byte, one character), cut after
    // SHOWN_CHARS with an ellipsis.
    static QString Shown(const std::string& text);
    // The decoding of a record as the list shows it; only the shown part is decoded.
    static QString ShownTips(const std::string& text);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // Rows have been announced at the end (the view scrolls to them).
    void RowsAppended();

private:
    std::vector<Row> rows_;
    int announced_ = 0;
    bool flushPending_ = false;
};
