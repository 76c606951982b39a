// The virtual printer switched off and on again under the open console: the console
// says it went, and prints on the printer that came back without being touched.

#include "tests/devices/DeviceDialog.h"
#include "console/samples/QuickSamples.h"
#include "tests/support/VprinterProcess.h"

#include <memory>

using namespace ids;

namespace {

constexpr int ANSWER_MS = 30000;

std::unique_ptr<VprinterProcess> SwitchOn(const std::string& link) {
    return std::make_unique<VprinterProcess>(CTalvaneDlg::WIDTH_58MM,
                                             std::vector<std::string>{"--link", link});
}

TEST(VprinterOffOn, ConsolePrintsAgainOnThePrinterSwitchedBackOn) {
    DeviceRoot root;
    ASSERT_TRUE(root.Ok());
    const std::string link = root.Path("vprinter");
    auto printer = SwitchOn(link);
    ASSERT_TRUE(printer->Ok());
    ConsoleDialog f(link);
    ASSERT_TRUE(f.OpenPort());
    f.Click(ID_CUTTING_SAMPLE);
    ASSERT_TRUE(f.RunUntil([&] { return printer->Receipts().size() == 1; }, ANSWER_MS))
        << printer->Log().toStdString();
    const int rows = f.RowCount();

    printer.reset(); // switched off
    ASSERT_TRUE(f.RunUntil([&] { return f.TipText().contains(QStringLiteral("is gone")); },
                           ANSWER_MS));
    EXPECT_FALSE(f.dlg->IsOpen());
    f.Click(ID_CUTTING_SAMPLE);
    EXPECT_EQ(f.TipText(), QStringLiteral("Please Open the Port"));
    EXPECT_EQ(f.RowCount(), rows);

    printer = SwitchOn(link);
    ASSERT_TRUE(printer->Ok());
    ASSERT_TRUE(f.RunUntil([&] { return f.dlg->IsOpen(); }, ANSWER_MS));
    EXPECT_EQ(f.TipText(), QStringLiteral("The printer on COM901 is back: reconnected"));
    f.Click(ID_CUTTING_SAMPLE);
    ASSERT_TRUE(f.RunUntil([&] { return printer->Receipts().size() == 1; }, ANSWER_MS))
        << printer->Log().toStdString();
    EXPECT_GT(f.RowCount(), rows);
}

} // namespace
