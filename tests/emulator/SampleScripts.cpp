#include "tests/emulator/SampleScripts.h"

#include "tests/emulator/DecodeSupport.h"

#include <cstring>

namespace {

constexpr uint8_t MODE_BOLD = 0x08;
constexpr uint8_t TAIL_FEED = 48;
constexpr int PICTURE_ROWS = 91;
constexpr int PICTURE_WIDTH = 384;

// Each command goes into the record on its own, as the buttons do it.
class Script {
public:
    explicit Script(ConsoleHost& host) : host_(host), lib_(host.Lib()) {}
    template <typename F> Script& operator()(F command) {
        command(lib_);
        host_.Record();
        return *this;
    }
    Script& Text(const char* text) {
        return (*this)([text](CVRNX_LIB& p) { p.SendText(text); });
    }
    Script& Head(const char* title, bool normalAfter = true) {
        (*this)([](CVRNX_LIB& p) { p.InitPrinter(); })([](CVRNX_LIB& p) { p.LineFeed(); })(
            [](CVRNX_LIB& p) { p.SetPrintMode(MODE_BOLD); });
        Text(title)([](CVRNX_LIB& p) { p.LineFeed(); });
        if (normalAfter) (*this)([](CVRNX_LIB& p) { p.SetPrintMode(0); });
        return *this;
    }
    Script& Tail() {
        return (*this)([](CVRNX_LIB& p) { p.PrintAndFeed(TAIL_FEED); })(
            [](CVRNX_LIB& p) { p.InitPrinter(); });
    }
    Script& Lf() {
        return (*this)([](CVRNX_LIB& p) { p.LineFeed(); });
    }

private:
    ConsoleHost& host_;
    CVRNX_LIB& lib_;
};

const VerticalTabCell TAB_CELLS[] = {
    {2, 2, 9, "  Option A  "},
    {10, 1, 7, "  Data1"},
    {18, 1, 7, "  Data2"},
    {26, 1, 7, "  Data3"},
};
const uint8_t VERTICAL_STOPS[] = {0, 8, 16, 24, 32};
const uint8_t HORIZONTAL_STOPS[] = {12, 24};

} // namespace

const char* const QR_SAMPLE_TEXT = "Orvane Instrument Works Co., Ltd. Velka";

const std::vector<SampleInfo> ALL_SAMPLES = {
    {Sample::PrinterInit, "PrinterInit"},
    {Sample::Font, "Font"},
    {Sample::Print, "Print"},
    {Sample::Margins, "Margins"},
    {Sample::Coordinate, "Coordinate"},
    {Sample::Density, "Density"},
    {Sample::HorizonTab, "HorizonTab"},
    {Sample::VertiTab, "VertiTab"},
    {Sample::Picture, "Picture"},
    {Sample::Alignment, "Alignment"},
    {Sample::Barcode, "Barcode"},
    {Sample::QRCode, "QRCode"},
    {Sample::Cutting, "Cutting"},
};

const vprinter::PaperBitmap& SamplePicture() {
    static const vprinter::PaperBitmap picture = MakePicture(PICTURE_WIDTH, PICTURE_ROWS, 42);
    return picture;
}

void RunSample(ConsoleHost& host, Sample sample) {
    Script s(host);
    switch (sample) {
    case Sample::PrinterInit:
        s([](CVRNX_LIB& p) { p.InitPrinter(); });
        return;
    case Sample::Font:
        s.Head("Print example: font", false);
        s([](CVRNX_LIB& p) { p.SetPrintMode(0x30); }).Text("Double-height & Double-width");
        s([](CVRNX_LIB& p) { p.SetPrintMode(0x82); }).Text("Italic & (underscore)").Lf().Tail();
        return;
    case Sample::Print:
        s.Head("Print Example: the printing and paper feed - in point");
        s.Text("Print backward paper 100 points")([](CVRNX_LIB& p) { p.PrintAndFeed(100); });
        s([](CVRNX_LIB& p) { p.SetPrintMode(MODE_BOLD); });
        s.Text("Print Example: the printing and paper feed - word").Lf();
        s([](CVRNX_LIB& p) { p.SetPrintMode(0); }).Text("2 lines of print backward paper");
        s([](CVRNX_LIB& p) { p.PrintAndFeedLines(2); })([](CVRNX_LIB& p) { p.InitPrinter(); });
        return;
    case Sample::Margins:
        s.Head("Print Example: Margins");
        s([](CVRNX_LIB& p) { p.SetLeftMargin(10); })([](CVRNX_LIB& p) { p.SetRightMargin(10); });
        s.Text("Left and right margins of 80 points, the print buffer also according to the page "
               "margins automatically print control")
            .Lf()
            .Tail();
        return;
    case Sample::Coordinate:
        s.Head("Print example: the Horizon absolute coordinates");
        s([](CVRNX_LIB& p) { p.SetAbsolutePosition(100); });
        s.Text("the Horizon absolute coordinates is 100 dots").Lf();
        s.Text("the Horizon absolute coordinates only effective once").Lf().Tail();
        return;
    case Sample::Density:
        s.Head("Print example: print density");
        s([](CVRNX_LIB& p) { p.SetPrintDensity(8); }).Text("Print density of level 8").Lf();
        s([](CVRNX_LIB& p) { p.SetPrintDensity(4); }).Text("Print density of level 4").Lf().Tail();
        return;
    case Sample::HorizonTab: {
        auto tab = [](CVRNX_LIB& p) { p.HorizontalTab(); };
        s.Head("Print Example: horizontal tab printing");
        s([](CVRNX_LIB& p) { p.SetHorizontalTabs(HORIZONTAL_STOPS, 2); });
        s([](CVRNX_LIB& p) { p.SetPrintMode(MODE_BOLD); });
        s.Text("Option A")(tab).Text("Option B")(tab).Text("Option C").Lf();
        s([](CVRNX_LIB& p) { p.SetPrintMode(0); });
        s.Text("Data1")(tab).Text("Data2")(tab).Text("Data3").Lf().Tail();
        return;
    }
    case Sample::VertiTab:
        s.Head("Print Example: vertial tab printing,,and some models support");
        for (int i = 0; i < 4; ++i)
            s([](CVRNX_LIB& p) { p.PrintVerticalTabRow(5, VERTICAL_STOPS, 4, TAB_CELLS); });
        s.Tail();
        return;
    case Sample::Picture:
        s.Head("Print Example:print raser bit image");
        s([](CVRNX_LIB& p) {
            p.PrintRasterImage(0, PICTURE_WIDTH / 8, 0, PICTURE_ROWS, 0,
                               SamplePicture().Data().data());
        }).Tail();
        return;
    case Sample::Alignment:
        s.Head("Print example: the horizontal alignment");
        s([](CVRNX_LIB& p) { p.SetAlignment(0); }).Text("left home").Lf();
        s([](CVRNX_LIB& p) { p.SetAlignment(1); }).Text("Center").Lf();
        s([](CVRNX_LIB& p) { p.SetAlignment(2); }).Text("Right home").Lf().Tail();
        return;
    case Sample::Barcode:
        s.Head("Print Example: Print the one-dimensional bar code, and some models support");
        s.Text("Example: EAN13").Lf();
        s([](CVRNX_LIB& p) { p.SetBarcodeHeight(96); })([](CVRNX_LIB& p) { p.SetBarcodeWidth(2); });
        s([](CVRNX_LIB& p) { p.SetBarcodeTextPosition(2); });
        s([](CVRNX_LIB& p) { p.PrintBarcode(2, "012345678900", 12); }).Tail();
        return;
    case Sample::QRCode:
        s.Head("Print Example: Print the two-dimensional bar code, and some models support");
        s.Text("Example: QRCode").Lf();
        s([](CVRNX_LIB& p) { p.SetQRCodeVersion(2); })(
            [](CVRNX_LIB& p) { p.SetQRCodeModuleSize(5); });
        s([](CVRNX_LIB& p) { p.SetQRCodeErrorLevel(0); });
        s([](CVRNX_LIB& p) { p.StoreQRCodeData(QR_SAMPLE_TEXT, 28); });
        s([](CVRNX_LIB& p) { p.PrintQRCode(); }).Tail();
        return;
    case Sample::Cutting:
        s.Head("Print Example: cutting way, and some models support");
        s.Text("haft-cut").Lf()([](CVRNX_LIB& p) { p.CutPaper(120, 66); }).Tail();
        return;
    }
}
