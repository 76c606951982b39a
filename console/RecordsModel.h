#pragma once
// The rows of the "Operational records" list: the record text as sent, its decoding
// and the check box. Texts are kept whole (Save and Resend use them as they are) but
// shown cut short, so a row of several megabytes costs no more to draw than any other.

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
        std::string tips;
        bool checked = true;
    };

    explicit CRecordsModel(QObject* parent = nullptr);

    void Append(std::string text, std::string tips);
    void Clear();
    void Replace(std::vector<Row> rows);

    const std::vector<Row>& Rows() const { return rows_; }
    bool IsChecked(int row) const { return rows_.at(row).checked; }
    void SetChecked(int row, bool checked);

    // A text as the list shows it: Latin-1 (one byte, one character), cut after
    // SHOWN_CHARS with an ellipsis.
    static QString Shown(const std::string& text);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Row> rows_;
};
