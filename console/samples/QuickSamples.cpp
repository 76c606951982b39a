#include "console/samples/QuickSamples.h"

#include "host/CommandHost.h"
#include "console/samples/SamplePicture.h"
#include "printer/VrnxLib.h"

#include <cstring>

namespace {

constexpr uint8_t MODE_NORMAL = 0x00;
constexpr uint8_t MODE_BOLD = 0x08;
constexpr uint8_t MODE_DOUBLE_HEIGHT_WIDTH = 0x30;
constexpr uint8_t MODE_ITALIC_UNDERSCORE = 0x82;
constexpr uint8_t SAMPLE_END_FEED = 48;

constexpr uint8_t SAMPLE_MARGIN = 10;
constexpr uint16_t SAMPLE_POSITION = 100;
constexpr uint8_t DENSITY_HIGH = 8;
constexpr uint8_t DENSITY_MIDDLE = 4;
constexpr uint8_t FEED_DOTS = 100;
constexpr uint8_t FEED_LINES = 2;

constexpr uint8_t HORIZONTAL_STOPS[] = {12, 24};

constexpr uint8_t VERTICAL_STOPS[] = {0, 8, 16, 24, 32};
constexpr VerticalTabCell VERTICAL_CELLS[] = {
    {2, 2, 9, "  Option A  "},
    {10, 1, 7, "  Data1"},
    {18, 1, 7, "  Data2"},
    {26, 1, 7, "  Data3"},
};
constexpr int VERTICAL_ROWS = 4;

constexpr uint8_t ALIGN_LEFT = 0;
constexpr uint8_t ALIGN_CENTER = 1;
constexpr uint8_t ALIGN_RIGHT = 2;

constexpr uint8_t BARCODE_HEIGHT = 96;
constexpr uint8_t BARCODE_WIDTH = 2;
constexpr uint8_t BARCODE_TEXT_BELOW = 2;
constexpr uint8_t BARCODE_EAN13 = 2;
constexpr const char* BARCODE_DATA = "012345678900";

constexpr uint8_t QR_VERSION = 2;
constexpr uint8_t QR_MODULE_SIZE = 5;
constexpr uint8_t QR_ERROR_LEVEL = 0;
constexpr const char* QR_SAMPLE_TEXT = "Orvane Instrument Works Co., Ltd. Velka";
constexpr uint16_t QR_SAMPLE_LENGTH = 28;

constexpr uint8_t CUT_FEED = 120;
constexpr uint8_t CUT_HALF = 66;

constexpr uint8_t RASTER_NORMAL = 0;

template <typename T, size_t N> constexpr uint8_t CountOf(const T (&)[N]) {
    return static_cast<uint8_t>(N);
}

} // namespace

// The commands of the samples, each followed by its record row.
class QuickSamples::Script {
public:
    explicit Script(CommandScript& rows) : rows_(rows), p_(rows.Printer()) {}

    void InitPrinter() { Record(p_.InitPrinter()); }
    void LineFeed() { Record(p_.LineFeed()); }
    void HorizontalTab() { Record(p_.HorizontalTab()); }
    void Text(const char* text) { Record(p_.SendText(text)); }
    void Mode(uint8_t n) { Record(p_.SetPrintMode(n)); }
    void Feed(uint8_t n) { Record(p_.PrintAndFeed(n)); }
    void FeedLines(uint8_t n) { Record(p_.PrintAndFeedLines(n)); }
    void LeftMargin(uint8_t n) { Record(p_.SetLeftMargin(n)); }
    void RightMargin(uint8_t n) { Record(p_.SetRightMargin(n)); }
    void Position(uint16_t n) { Record(p_.SetAbsolutePosition(n)); }
    void Density(uint8_t n) { Record(p_.SetPrintDensity(n)); }
    void Alignment(uint8_t n) { Record(p_.SetAlignment(n)); }
    void HorizontalTabs(const uint8_t* stops, uint8_t n) {
        p_.SetHorizontalTabs(stops, n);
        Record();
    }
    void VerticalTabRow() {
        p_.PrintVerticalTabRow(CountOf(VERTICAL_STOPS), VERTICAL_STOPS, CountOf(VERTICAL_CELLS),
                               VERTICAL_CELLS);
        Record();
    }
    void RasterImage(uint8_t m, uint16_t bytesPerRow, uint16_t rows, const uint8_t* data) {
        p_.PrintRasterImage(m, bytesPerRow & 0xFF, bytesPerRow >> 8, rows & 0xFF, rows >> 8, data);
        Record();
    }
    void BarcodeHeight(uint8_t n) { Record(p_.SetBarcodeHeight(n)); }
    void BarcodeWidth(uint8_t n) { Record(p_.SetBarcodeWidth(n)); }
    void BarcodeTextPosition(uint8_t n) { Record(p_.SetBarcodeTextPosition(n)); }
    void Barcode(uint8_t type, const char* data) {
        p_.PrintBarcode(type, data, static_cast<uint8_t>(std::strlen(data)));
        Record();
    }
    void QRVersion(uint8_t v) { Record(p_.SetQRCodeVersion(v)); }
    void QRModuleSize(uint8_t n) { Record(p_.SetQRCodeModuleSize(n)); }
    void QRErrorLevel(uint8_t e) { Record(p_.SetQRCodeErrorLevel(e)); }
    void QRData(const char* data, uint16_t length) {
        p_.StoreQRCodeData(data, length);
        Record();
    }
    void QRPrint() { Record(p_.PrintQRCode()); }
    void Cut(uint8_t feed, uint8_t mode) { Record(p_.CutPaper(feed, mode)); }

    // The common head: the title in bold on its own line, then (unless the body keeps
    // the style) back to the normal style.
    void Head(const char* title, bool normalBody = true) {
        InitPrinter();
        LineFeed();
        Mode(MODE_BOLD);
        Text(title);
        LineFeed();
        if (normalBody) Mode(MODE_NORMAL);
    }
    // The common tail: a 48-dot feed, and the printer left initialised.
    void Tail() {
        Feed(SAMPLE_END_FEED);
        InitPrinter();
    }

private:
    // The write results are not used: once started, a script sends every command.
    void Record(int = 0) { rows_.Row(); }

    CommandScript& rows_;
    CVRNX_LIB& p_;
};

void QuickSamples::PrinterInit() {
    host_.IssueScript([](CommandScript& rows) { Script(rows).InitPrinter(); });
}

void QuickSamples::FontSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print example: font", false);
        s.Mode(MODE_DOUBLE_HEIGHT_WIDTH);
        s.Text("Double-height & Double-width");
        s.Mode(MODE_ITALIC_UNDERSCORE);
        s.Text("Italic & (underscore)");
        s.LineFeed();
        s.Tail();
    });
}

void QuickSamples::PrintSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print Example: the printing and paper feed - in point");
        s.Text("Print backward paper 100 points");
        s.Feed(FEED_DOTS);
        s.Mode(MODE_BOLD);
        s.Text("Print Example: the printing and paper feed - word");
        s.LineFeed();
        s.Mode(MODE_NORMAL);
        s.Text("2 lines of print backward paper");
        s.FeedLines(FEED_LINES);
        s.InitPrinter(); // this sample ends without the 48-dot feed
    });
}

void QuickSamples::MarginsSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print Example: Margins");
        s.LeftMargin(SAMPLE_MARGIN);
        s.RightMargin(SAMPLE_MARGIN);
        s.Text("Left and right margins of 80 points, the print buffer also according to the page "
               "margins automatically print control");
        s.LineFeed();
        s.Tail();
    });
}

void QuickSamples::CoordinateSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print example: the Horizon absolute coordinates");
        s.Position(SAMPLE_POSITION);
        s.Text("the Horizon absolute coordinates is 100 dots");
        s.LineFeed();
        s.Text("the Horizon absolute coordinates only effective once");
        s.LineFeed();
        s.Tail();
    });
}

void QuickSamples::DensitySample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print example: print density");
        s.Density(DENSITY_HIGH);
        s.Text("Print density of level 8");
        s.LineFeed();
        s.Density(DENSITY_MIDDLE);
        s.Text("Print density of level 4");
        s.LineFeed();
        s.Tail();
    });
}

void QuickSamples::HorizontalTabSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print Example: horizontal tab printing");
        s.HorizontalTabs(HORIZONTAL_STOPS, CountOf(HORIZONTAL_STOPS));
        s.Mode(MODE_BOLD);
        s.Text("Option A");
        s.HorizontalTab();
        s.Text("Option B");
        s.HorizontalTab();
        s.Text("Option C");
        s.LineFeed();
        s.Mode(MODE_NORMAL);
        s.Text("Data1");
        s.HorizontalTab();
        s.Text("Data2");
        s.HorizontalTab();
        s.Text("Data3");
        s.LineFeed();
        s.Tail();
    });
}

void QuickSamples::VerticalTabSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print Example: vertial tab printing,,and some models support");
        for (int row = 0; row < VERTICAL_ROWS; ++row) s.VerticalTabRow();
        s.Tail();
    });
}

void QuickSamples::PictureSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print Example:print raser bit image");
        s.RasterImage(RASTER_NORMAL, SAMPLE_PICTURE_ROW_BYTES, SAMPLE_PICTURE_HEIGHT, SamplePicture());
        s.Tail();
    });
}

void QuickSamples::AlignmentSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print example: the horizontal alignment");
        s.Alignment(ALIGN_LEFT);
        s.Text("left home");
        s.LineFeed();
        s.Alignment(ALIGN_CENTER);
        s.Text("Center");
        s.LineFeed();
        s.Alignment(ALIGN_RIGHT);
        s.Text("Right home");
        s.LineFeed();
        s.Tail();
    });
}

void QuickSamples::BarcodeSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print Example: Print the one-dimensional bar code, and some models support");
        s.Text("Example: EAN13");
        s.LineFeed();
        s.BarcodeHeight(BARCODE_HEIGHT);
        s.BarcodeWidth(BARCODE_WIDTH);
        s.BarcodeTextPosition(BARCODE_TEXT_BELOW);
        s.Barcode(BARCODE_EAN13, BARCODE_DATA);
        s.Tail();
    });
}

void QuickSamples::QRCodeSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print Example: Print the two-dimensional bar code, and some models support");
        s.Text("Example: QRCode");
        s.LineFeed();
        s.QRVersion(QR_VERSION);
        s.QRModuleSize(QR_MODULE_SIZE);
        s.QRErrorLevel(QR_ERROR_LEVEL);
        s.QRData(QR_SAMPLE_TEXT, QR_SAMPLE_LENGTH);
        s.QRPrint();
        s.Tail();
    });
}

void QuickSamples::CuttingSample() {
    host_.IssueScript([&](CommandScript& rows) {
        Script s(rows);
        s.Head("Print Example: cutting way, and some models support");
        s.Text("haft-cut");
        s.LineFeed();
        s.Cut(CUT_FEED, CUT_HALF);
        s.Tail();
    });
}

bool QuickSamples::Run(int controlId) {
    using Handler = void (QuickSamples::*)();
    struct Entry {
        int id;
        Handler handler;
    };
    static constexpr Entry HANDLERS[] = {
        {ID_PRINTER_INIT, &QuickSamples::PrinterInit},
        {ID_FONT_SAMPLE, &QuickSamples::FontSample},
        {ID_PRINT_SAMPLE, &QuickSamples::PrintSample},
        {ID_MARGINS_SAMPLE, &QuickSamples::MarginsSample},
        {ID_COORDINATE_SAMPLE, &QuickSamples::CoordinateSample},
        {ID_DENSITY_SAMPLE, &QuickSamples::DensitySample},
        {ID_HORIZONTAL_TAB_SAMPLE, &QuickSamples::HorizontalTabSample},
        {ID_VERTICAL_TAB_SAMPLE, &QuickSamples::VerticalTabSample},
        {ID_PICTURE_SAMPLE, &QuickSamples::PictureSample},
        {ID_ALIGNMENT_SAMPLE, &QuickSamples::AlignmentSample},
        {ID_BARCODE_SAMPLE, &QuickSamples::BarcodeSample},
        {ID_QRCODE_SAMPLE, &QuickSamples::QRCodeSample},
        {ID_CUTTING_SAMPLE, &QuickSamples::CuttingSample},
    };
    for (const Entry& e : HANDLERS) {
        if (e.id == controlId) {
            (this->*e.handler)();
            return true;
        }
    }
    return false;
}
