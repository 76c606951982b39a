// Room where it is needed: a larger window gives its height to the operation records
// and the receive panel; at the design's size every control stays where it was.
#include "tests/console/DialogTestSupport.h"

#include "console/RecordsView.h"

#include <QGroupBox>
#include <QLayout>
#include <QPlainTextEdit>
#include <map>

using namespace ids;

namespace {

using Places = std::vector<std::pair<QString, QRect>>;

// Every child's place in dialog coordinates, in the order of the widget tree, as it is
// now.
Places PlacesNow(CTalvaneDlg& d) {
    Places places;
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&d)) continue;
        const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                        : w->objectName();
        places.emplace_back(name, QRect(w->mapTo(&d, QPoint(0, 0)), w->size()));
    }
    return places;
}

// The places once the layout has settled: a word-wrapped label's height depends on its
// width, so a layout may take more than one pass (seen on a loaded machine).
Places Geometry(CTalvaneDlg& d) {
    constexpr int MOST_PASSES = 20;
    d.layout()->invalidate();
    d.layout()->activate();
    ConsoleDialog::ProcessEvents();
    Places places = PlacesNow(d);
    for (int pass = 0; pass < MOST_PASSES; ++pass) {
        ConsoleDialog::ProcessEvents();
        Places again = PlacesNow(d);
        if (again == places) break;
        places = std::move(again);
    }
    return places;
}

int RowsShown(CTalvaneDlg& d) {
    auto* view = d.findChild<CRecordsView*>();
    ConsoleDialog::ProcessEvents();
    const QRect visible = view->viewport()->rect();
    int rows = 0;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        if (visible.contains(view->visualRect(view->model()->index(r, 0)))) ++rows;
    return rows;
}

TEST(DialogLayout, AtTheDesignSizeNothingMoves) {
    DialogFixture f;
    CTalvaneDlg& d = *f.dlg;
    d.resize(CTalvaneDlg::DESIGN_WIDTH, CTalvaneDlg::DESIGN_HEIGHT);
    const auto held = Geometry(d);
    ASSERT_GE(held.size(), 100u);
    ASSERT_EQ(d.HeldGroups().size(), 3u);
    // The same window with every group free to grow, as it was laid out before.
    for (QWidget* group : d.HeldGroups()) group->setMaximumHeight(QWIDGETSIZE_MAX);
    const auto free = Geometry(d);
    ASSERT_EQ(held.size(), free.size());
    for (size_t i = 0; i < held.size(); ++i) {
        EXPECT_EQ(held[i].first, free[i].first);
        EXPECT_EQ(held[i].second, free[i].second) << held[i].first.toStdString();
    }
}

TEST(DialogLayout, AGrownWindowShowsMoreRecordsAndReceivedData) {
    DialogFixture f;
    CTalvaneDlg& d = *f.dlg;
    for (int i = 0; i < 200; ++i) d.AddOperationRecord("1B 40 ");
    d.resize(CTalvaneDlg::DESIGN_WIDTH, CTalvaneDlg::DESIGN_HEIGHT);
    Geometry(d);
    const int rowsBefore = RowsShown(d);
    auto* receive = f.As<QPlainTextEdit>(IDC_RECEIVE_EDIT);
    const int receiveBefore = receive->height();
    std::map<QWidget*, int> heldBefore;
    for (QWidget* group : d.HeldGroups()) heldBefore[group] = group->height();
    QWidget* pages = f.dlg->DialogControl(IDC_PAGE_TABS);
    const int pagesBefore = pages->height();
    ASSERT_GE(rowsBefore, 3);

    d.resize(1600, 1000);
    Geometry(d);
    const int rowsAfter = RowsShown(d);
    // Most of the 260 extra pixels go to the records: many more rows, not one or two.
    EXPECT_GE(rowsAfter, rowsBefore + 5) << rowsBefore << " -> " << rowsAfter;
    EXPECT_GE(receive->height(), receiveBefore + 100);
    for (QWidget* group : d.HeldGroups())
        EXPECT_EQ(group->height(), heldBefore[group]) << group->accessibleName().toStdString();
    EXPECT_EQ(pages->height(), pagesBefore);

    // Smaller than the design's size the groups share the height as before.
    d.resize(CTalvaneDlg::DESIGN_WIDTH, CTalvaneDlg::DESIGN_HEIGHT);
    Geometry(d);
    EXPECT_EQ(RowsShown(d), rowsBefore);
    EXPECT_EQ(receive->height(), receiveBefore);
}

} // namespace
