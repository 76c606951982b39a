// The expected receipt's place in the main window: Ctrl+E and the records' context
// menu open it; a records row and its band on the roll select each other.
#include "console/TalvaneDlg.h"

#include "console/ControlIds.h"
#include "console/ExpectedReceiptWindow.h"
#include "console/RecordsView.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeySequence>

void CTalvaneDlg::SetUpExpectedReceipt() {
    expected_ = std::make_unique<ExpectedReceiptWindow>(
        *this, [this] { return printableWidth_; }, this);
    auto* open = new QAction(tr("Expected receipt"), this);
    open->setObjectName(QStringLiteral("expectedReceiptAction"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    open->setShortcutContext(Qt::WindowShortcut);
    addAction(open);
    connect(open, &QAction::triggered, this, [this] {
        expected_->show();
        expected_->raise();
    });

    auto* view = qobject_cast<CRecordsView*>(DialogControl(ids::IDC_RECORDS));
    if (view == nullptr) return;
    // The records' context menu: whatever it offered before, and the window.
    view->addAction(open);
    if (view->contextMenuPolicy() == Qt::DefaultContextMenu)
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(view, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (expected_->isVisible()) expected_->ShowRow(index.row());
    });
    connect(expected_.get(), &ExpectedReceiptWindow::RowClicked, this, [view](int row) {
        view->selectRow(row);
        view->scrollTo(view->model()->index(row, 0));
    });
}
