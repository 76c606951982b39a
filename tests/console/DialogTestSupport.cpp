#include "tests/console/DialogTestSupport.h"

#include "console/RecordsModel.h"
#include "console/RecordsView.h"

#include <QFile>
#include <QTest>

void DialogFixture::ClickRowCheck(int row) {
    ProcessEvents();
    auto* view = dlg->findChild<CRecordsView*>();
    view->scrollTo(view->model()->index(row, CRecordsModel::COL_CHECK));
    const QRect r = view->CheckRect(row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    ProcessEvents();
}

QString DialogFixture::CellText(int row, int column) const {
    // Rows reach the view when control returns to the event loop.
    ProcessEvents();
    const CRecordsModel& m = dlg->Records();
    EXPECT_EQ(m.rowCount(), m.Size());
    return m.data(m.index(row, column), Qt::DisplayRole).toString();
}

QString WriteTempFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(content);
    return path;
}

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
