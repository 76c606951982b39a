// Barcodes and symbols wider than the paper are refused before anything is sent, with
// their width; the same ones narrower go out.
#include "tests/cli/CliFixture.h"

namespace {
constexpr int EXIT_REFUSED = 3;
const std::string ISSUE_TEXT =
    "CODE39 'HELLO-42' at width 3 is 387 dots, wider than the 384 of 58 mm: it will not print";
} // namespace

TEST_F(CliPeerTest, ASymbolWiderThanThePaperIsRefusedWithItsWidth) {
    const CliResult wide = RunCli(OnPeer({"barcode", "CODE39", "HELLO-42", "--width", "3"}));
    EXPECT_EQ(wide.exitCode, EXIT_REFUSED) << wide.err;
    EXPECT_NE(wide.err.find(ISSUE_TEXT), std::string::npos) << wide.err;
    EXPECT_TRUE(WireAfterQuiet().empty());

    // On 80 mm paper it fits and is sent.
    const CliResult fits =
        RunCli(OnPeer({"barcode", "CODE39", "HELLO-42", "--width", "3", "--model", "80"}));
    EXPECT_EQ(fits.exitCode, 0) << fits.err;
    EXPECT_TRUE(Contains(Wire(8), {'H', 'E', 'L', 'L', 'O', '-', '4', '2'}));
    WireAfterQuiet();
    peer.Forget();

    const std::string data(300, 'x');
    struct Code {
        std::vector<std::string> tooWide;
        std::vector<std::string> fits;
        const char* name;
    };
    const Code codes[] = {
        {{"qr", data, "--module-width", "8"}, {"qr", data, "--module-width", "3"}, "QR code"},
        {{"pdf417", data.substr(0, 200), "--columns", "10", "--module-width", "4"},
         {"pdf417", data.substr(0, 200), "--columns", "auto", "--module-width", "2"}, "PDF417"},
        {{"datamatrix", data, "--module-width", "8"}, {"datamatrix", data, "--module-width", "4"},
         "DataMatrix"},
    };
    for (const Code& code : codes) {
        const CliResult refused = RunCli(OnPeer(code.tooWide));
        EXPECT_EQ(refused.exitCode, EXIT_REFUSED) << code.name << refused.err;
        EXPECT_NE(refused.err.find(std::string(code.name) + " '"), std::string::npos) << refused.err;
        EXPECT_NE(refused.err.find("wider than the 384 of 58 mm: it will not print"),
                  std::string::npos)
            << refused.err;
        EXPECT_TRUE(WireAfterQuiet().empty()) << code.name;
        const CliResult sent = RunCli(OnPeer(code.fits));
        EXPECT_EQ(sent.exitCode, 0) << code.name << sent.err;
        EXPECT_FALSE(WireAfterQuiet().empty()) << code.name;
        peer.Forget();
    }
}
