#include "DialogTestSupport.h"

#include "RecordsModel.h"
#include "RecordsView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTest>

DialogFixture::DialogFixture(bool withPort) {
    if (withPort) ports.AddCommandLinePort("/dev/null-test-port");
    dlg = std::make_unique<CTalvaneDlg>(&ports);
    dlg->resize(1240, 740);
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    ProcessEvents();
}

DialogFixture::~DialogFixture() {
    dlg.reset();
}

void DialogFixture::ProcessEvents() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void DialogFixture::Click(int id) {
    auto* button = dlg->ControlAs<QAbstractButton>(id);
    ASSERT_NE(button, nullptr) << id;
    ClickButton(button);
}

void DialogFixture::ClickButton(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    ProcessEvents();
}

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

int DialogFixture::RowCount() const {
    return dlg->Records().Size();
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
