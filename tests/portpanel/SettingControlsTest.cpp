// The "Printer Setting" controls: the bytes each one sends and the rows it records,
// the limits and their messages, and the closed-port check.

#include "PanelFixture.h"

#include "HelpTip.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace ids;

namespace {

constexpr int MODEL_80MM = 1;

// Runs `action` and checks the rows it adds and that the printer got exactly them.
void ExpectSent(PanelFixture& f, const std::function<void()>& action,
                const std::vector<std::string>& rows) {
    f.peer.Forget();
    const size_t before = f.Rows().size();
    action();
    const std::vector<std::string> all = f.Rows();
    const std::vector<std::string> added(all.begin() + static_cast<long>(before), all.end());
    EXPECT_EQ(added, rows);
    std::string wire;
    for (const std::string& r : rows) wire += r;
    EXPECT_EQ(Hex(f.peer.WaitBytes(wire.size() / 3)), wire);
}

// The help tip shows `text` at the centre of control `id`, and nothing was sent.
void ExpectRefused(PanelFixture& f, const std::function<void()>& action, const QString& text,
                   int id) {
    f.peer.Forget();
    const size_t before = f.Rows().size();
    action();
    EXPECT_EQ(f.TipText(), text);
    QWidget* control = f.dlg->DialogControl(id);
    EXPECT_EQ(f.dlg->HelpTip().TipPoint(), control->mapToGlobal(control->rect().center()));
    EXPECT_EQ(f.Rows().size(), before);
    EXPECT_TRUE(f.peer.BytesAfterQuiet().empty());
}

TEST(SettingControls, EditsListsAndButtonsSendTheirCommands) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    // Emptying the edit sends 0, then each digit typed sends the number so far.
    ExpectSent(f, [&] { f.Retype(IDC_LINE_SPACING, "12"); },
               {"1B 33 00 ", "1B 33 01 ", "1B 33 0C "});
    ExpectSent(f, [&] { f.Choose(IDC_FONT_LIST, 2); }, {"1B 4D 02 "});
    ExpectSent(f, [&] { f.Choose(IDC_ALIGNMENT_LIST, 1); }, {"1B 61 01 "});
    ExpectSent(f, [&] { f.Choose(IDC_DENSITY_LIST, 0); }, {"1B 6D 01 "});
    ExpectSent(f, [&] { f.Choose(IDC_DENSITY_LIST, 3); }, {"1B 6D 04 "}); // item "4"
    ExpectSent(f, [&] { f.Choose(IDC_SPEED_LIST, 0); }, {"1C 73 00 "});
    ExpectSent(f, [&] { f.Click(IDC_FEED); }, {"1B 4A 21 "});
    ExpectSent(f, [&] { f.Click(IDC_BACK); }, {"1B 4B 21 "});
    ExpectSent(f, [&] { f.Retype(IDC_BACK_DISTANCE, "255"); }, {}); // no change handler
    ExpectSent(f, [&] { f.Click(IDC_BACK); }, {"1B 4B FF "});
}

TEST(SettingControls, StyleByteCarriesAllSevenBoxes) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    ExpectSent(f, [&] { f.Click(IDC_BOLD); }, {"1B 21 08 "});
    ExpectSent(f, [&] { f.Click(IDC_UNDERSCORE); }, {"1B 21 88 "});
    ExpectSent(f, [&] { f.Click(IDC_BOLD); }, {"1B 21 80 "});
    const int others[] = {IDC_ITALIC, IDC_FRAME, IDC_DOUBLE_HIGH, IDC_DOUBLE_WIDTH, IDC_HIGHLIGHT};
    const char* const rows[] = {"1B 21 82 ", "1B 21 86 ", "1B 21 96 ", "1B 21 B6 ", "1B 21 F6 "};
    for (size_t i = 0; i < std::size(others); ++i)
        ExpectSent(f, [&] { f.Click(others[i]); }, {rows[i]});
}

TEST(SettingControls, MarginsAreLimitedByTheModelsWidth) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    // "58mm": 48 columns. Emptying the edit sends 0, then each digit the number so far.
    ExpectSent(f, [&] { f.Retype(IDC_LEFT_MARGIN, "40"); },
               {"1B 6C 00 ", "1B 6C 04 ", "1B 6C 28 "});
    ExpectRefused(
        f, [&] { f.TypeAtEnd(IDC_RIGHT_MARGIN, "8"); }, // 40 + 8
        "The left margin and right margin should be less than48", IDC_LEFT_MARGIN);
    EXPECT_EQ(f.As<QLineEdit>(IDC_RIGHT_MARGIN)->text(), "08"); // the text stays as typed

    f.Choose(IDC_MODEL_LIST, MODEL_80MM); // 72 columns
    ExpectSent(f, [&] { f.Retype(IDC_RIGHT_MARGIN, "31"); },
               {"1B 51 00 ", "1B 51 03 ", "1B 51 1F "}); // 40 + 31 = 71
    ExpectSent(f, [&] { f.Backspace(IDC_RIGHT_MARGIN); }, {"1B 51 03 "});
    ExpectRefused(
        f, [&] { f.TypeAtEnd(IDC_RIGHT_MARGIN, "2"); }, // 40 + 32
        "The left margin and right margin should be less than72", IDC_LEFT_MARGIN);
    ExpectRefused(
        f, [&] { f.TypeAtEnd(IDC_LEFT_MARGIN, "0"); }, // 400 + 32
        "The left margin and right margin should be less than72", IDC_LEFT_MARGIN);
}

TEST(SettingControls, CoordinateIsBelowThePrintableWidthAndResetsItsEdit) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    f.Retype(IDC_COORDINATE, "383");
    ExpectSent(f, [&] { f.Click(IDC_COORDINATE_SET); }, {"1B 24 7F 01 "});
    EXPECT_EQ(f.As<QLineEdit>(IDC_COORDINATE)->text(), "0");
    f.Retype(IDC_COORDINATE, "384");
    ExpectRefused(
        f, [&] { f.Click(IDC_COORDINATE_SET); }, "Absolute coordinates should be less than384",
        IDC_COORDINATE);
    EXPECT_EQ(f.As<QLineEdit>(IDC_COORDINATE)->text(), "384");
    f.Choose(IDC_MODEL_LIST, MODEL_80MM);
    ExpectSent(f, [&] { f.Click(IDC_COORDINATE_SET); }, {"1B 24 80 01 "});
}

TEST(SettingControls, CutAndFeedDistancesStayBelow256) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    ExpectSent(f, [&] { f.Click(IDC_CUT); }, {"1D 56 42 FE "}); // "Haft-Cut", 254
    f.Click(IDC_FULL_CUT);
    f.Retype(IDC_CUT_FEED, "10");
    ExpectSent(f, [&] { f.Click(IDC_CUT); }, {"1D 56 41 0A "});
    const QString feedMessage = "Set of feeding distance can't greater than 255";
    f.Retype(IDC_CUT_FEED, "256");
    ExpectRefused(
        f, [&] { f.Click(IDC_CUT); }, feedMessage, IDC_CUT_FEED);
    f.Retype(IDC_FEED_DISTANCE, "300");
    ExpectRefused(
        f, [&] { f.Click(IDC_FEED); }, feedMessage, IDC_FEED_DISTANCE);
    f.Retype(IDC_BACK_DISTANCE, "256");
    ExpectRefused(
        f, [&] { f.Click(IDC_BACK); }, feedMessage, IDC_BACK_DISTANCE);
    ExpectRefused(
        f, [&] { f.TypeAtEnd(IDC_LINE_SPACING, "3"); }, // 333
        "Set the line spacing can't greater than 255", IDC_LINE_SPACING);
}

// Presses Return and Enter in every edit, list and button of the window, on every page
// and every sub-page of the two-dimensional code page; returns how many controls.
int PressEnterEverywhere(CTalvaneDlg& dlg) {
    constexpr int TWO_D_PAGE = 1;
    constexpr int TWO_D_STYLE = 1100;
    auto* tabs = qobject_cast<QTabWidget*>(dlg.DialogControl(IDC_PAGE_TABS));
    int pressed = 0;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QComboBox* style = page == TWO_D_PAGE
                               ? tabs->widget(page)->findChild<QComboBox*>(
                                     QStringLiteral("ctl%1").arg(TWO_D_STYLE))
                               : nullptr;
        for (int sub = 0; sub < (style ? style->count() : 1); ++sub) {
            if (style) style->setCurrentIndex(sub);
            PanelFixture::ProcessEvents();
            for (QWidget* w : dlg.findChildren<QWidget*>()) {
                if (!w->isVisible() || !w->isEnabled()) continue;
                if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w) &&
                    !qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractButton*>(w))
                    continue;
                w->setFocus();
                QTest::keyClick(w, Qt::Key_Return);
                QTest::keyClick(w, Qt::Key_Enter);
                ++pressed;
            }
        }
    }
    PanelFixture::ProcessEvents();
    return pressed;
}

// Enter does nothing in this window: with the port open, no control sends, records or
// asks anything, and no button is drawn as the default.
TEST(SettingControls, EnterAnywhereSendsNothing) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    for (QPushButton* button : f.dlg->findChildren<QPushButton*>()) {
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
        EXPECT_FALSE(button->autoDefault()) << button->objectName().toStdString();
    }
    f.peer.Forget();
    EXPECT_GT(PressEnterEverywhere(*f.dlg), 80);
    EXPECT_TRUE(f.peer.BytesAfterQuiet().empty());
    EXPECT_TRUE(f.Rows().empty());
    EXPECT_TRUE(f.prompts.requests.empty());
    EXPECT_EQ(f.TipText(), QString());
    EXPECT_TRUE(f.dlg->isVisible());
    for (QPushButton* button : f.dlg->findChildren<QPushButton*>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
}

TEST(SettingControls, ClosedPortStopsEveryControl) {
    PanelFixture f;
    const std::function<void()> actions[] = {
        [&] { f.Retype(IDC_LINE_SPACING, "5"); },
        [&] { f.Retype(IDC_LEFT_MARGIN, "1"); },
        [&] { f.Retype(IDC_RIGHT_MARGIN, "1"); },
        [&] { f.Choose(IDC_FONT_LIST, 1); },
        [&] { f.Choose(IDC_ALIGNMENT_LIST, 2); },
        [&] { f.Choose(IDC_DENSITY_LIST, 0); },
        [&] { f.Choose(IDC_SPEED_LIST, 1); },
        [&] { f.Click(IDC_ITALIC); },
        [&] { f.Click(IDC_COORDINATE_SET); },
        [&] { f.Click(IDC_CUT); },
        [&] { f.Click(IDC_FEED); },
        [&] { f.Click(IDC_BACK); },
    };
    for (const auto& action : actions) {
        f.dlg->HelpTip().hide();
        action();
        EXPECT_EQ(f.TipText(), "Please Open the Port");
    }
    EXPECT_TRUE(f.Rows().empty());
    EXPECT_EQ(f.As<QLineEdit>(IDC_COORDINATE)->text(), "0");
}

} // namespace
