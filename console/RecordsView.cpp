#include "console/RecordsView.h"

#include "console/RecordsModel.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>

CRecordsView::CRecordsView(QWidget* parent) : QTableView(parent) {
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    // Rows of one height: the view never measures the texts of thousands of rows.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void CRecordsView::SetRecordsModel(CRecordsModel* model) {
    setModel(model);
    // The newest row is scrolled into view once per burst of additions.
    connect(model, &CRecordsModel::RowsAppended, this, &QAbstractItemView::scrollToBottom);
    horizontalHeader()->setSectionResizeMode(CRecordsModel::COL_CHECK, QHeaderView::Fixed);
    FitColumns();
}

void CRecordsView::FitColumns() {
    if (!model()) return;
    setColumnWidth(CRecordsModel::COL_CHECK, CHECK_COLUMN_WIDTH);
    setColumnWidth(CRecordsModel::COL_CONTENT,
                   qMax(CHECK_COLUMN_WIDTH, viewport()->width() - CONTENT_WIDTH_MARGIN));
    setColumnWidth(CRecordsModel::COL_TIPS, TIPS_COLUMN_WIDTH);
}

void CRecordsView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    FitColumns();
}

QRect CRecordsView::CheckRect(int row) const {
    const QModelIndex index = model()->index(row, CRecordsModel::COL_CHECK);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    option.checkState = static_cast<Qt::CheckState>(index.data(Qt::CheckStateRole).toInt());
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}
