#pragma once
// The report view of the operation records: grid lines, a check box per row,
// whole-row selection.

#include <QTableView>

class CRecordsModel;

class CRecordsView : public QTableView {
    Q_OBJECT
public:
    static constexpr int CHECK_COLUMN_WIDTH = 22;
    static constexpr int TIPS_COLUMN_WIDTH = 75;
    // The content column takes the client width less this.
    static constexpr int CONTENT_WIDTH_MARGIN = 117;

    explicit CRecordsView(QWidget* parent = nullptr);
    void SetRecordsModel(CRecordsModel* model);

    // Where a person clicks to toggle the check box of `row`, in viewport coordinates.
    QRect CheckRect(int row) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitColumns();
};
