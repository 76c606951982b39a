// Text beyond ASCII sent with the default code page item: the bytes are the console's
// fixed mapping as before, and the first such send of the session says once what went
// out and where to choose the printer's code page; plain ASCII says nothing.

#include "tests/portpanel/PanelFixture.h"

#include "pages/CommandEdit.h"
#include "printer/HexText.h"

#include <QComboBox>

using namespace ids;

TEST(FixedMappingNotice, TheFirstTextBeyondAsciiIsExplainedOnceAndItsBytesStay) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    ASSERT_EQ(f.As<QComboBox>(IDC_CODE_PAGE)->currentIndex(), 0); // the default item

    hands::PasteOver(f.Control(IDC_SEND_EDIT), QStringLiteral("Gr\u00FC\u00DFe"));
    f.Click(IDC_SEND);
    // Not ASCII, and yet the design's bytes: one byte per character up to U+00FF.
    EXPECT_EQ(Hex(f.peer.WaitBytes(5)), "47 72 FC DF 65 ");
    const QString notice = f.TipText();
    EXPECT_TRUE(notice.contains(QStringLiteral("\u00FC \u2192 FC, \u00DF \u2192 DF"))) << notice.toStdString();
    EXPECT_TRUE(notice.contains(QStringLiteral("\"Code page\" list"))) << notice.toStdString();

    // The second time it is not said again (the balloon from before is hidden first).
    f.dlg->HelpTip().hide();
    f.peer.Forget();
    hands::PasteOver(f.Control(IDC_SEND_EDIT), QStringLiteral("5\u20AC"));
    f.Click(IDC_SEND);
    EXPECT_EQ(Hex(f.peer.WaitBytes(3)), "35 A2 E3 ");
    EXPECT_FALSE(f.dlg->HelpTip().isVisible());
    EXPECT_EQ(f.Rows().size(), 2u);
}

TEST(FixedMappingNotice, PlainAsciiSaysNothing) {
    PanelFixture f;
    ASSERT_TRUE(f.OpenPort());
    f.Retype(IDC_SEND_EDIT, QStringLiteral("plain text"));
    f.Click(IDC_SEND);
    EXPECT_EQ(f.peer.WaitBytes(10).size(), 10u);
    EXPECT_FALSE(f.dlg->HelpTip().isVisible());
}
