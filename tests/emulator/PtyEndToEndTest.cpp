// The virtual printer on a real pseudo-terminal, driven by the command library as
// the console drives it; what it prints is read back by an independent decoder.
#include "tests/emulator/ConsoleHost.h"
#include "tests/emulator/DecodeSupport.h"
#include "tests/emulator/SampleScripts.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdio>
#include <mutex>

namespace vp = vprinter;
using ZXing::BarcodeFormat;

namespace {

constexpr int NO_IDLE_END = 600000;
constexpr auto ANSWER_TIMEOUT = std::chrono::seconds(10);
const std::string CODE_DATA = "Orvane Instrument Works Co., Ltd. Velka";

class PtyPrinter : public ::testing::Test {
protected:
    void SetUp() override { StartPrinter(NO_IDLE_END); }

    void StartPrinter(int idleMs) {
        vp::VirtualPrinter::Options options;
        options.idleMs = idleMs;
        printer_ = std::make_unique<vp::VirtualPrinter>(options);
        printer_->SetReceiptHandler([this](const vp::PaperBitmap& paper, vp::ReceiptEnd reason) {
            std::lock_guard<std::mutex> lock(mutex_);
            receipts_.push_back({paper, reason});
            arrived_.notify_all();
        });
        printer_->SetLogHandler([this](const std::string& line) {
            std::lock_guard<std::mutex> lock(mutex_);
            log_.push_back(line);
        });
        std::string error;
        ASSERT_TRUE(printer_->Open(&error)) << error;
        ASSERT_TRUE(printer_->Start());
        host_ = std::make_unique<ConsoleHost>(printer_->DevicePath());
        ASSERT_TRUE(host_->Ok());
    }

    void TearDown() override {
        if (HasFailure()) {
            std::lock_guard<std::mutex> lock(mutex_);
            for (const std::string& line : log_) std::printf("printer log: %s\n", line.c_str());
        }
        host_.reset();
        if (printer_) printer_->Stop();
    }

    // Waits for everything sent, ends the receipt and returns every receipt so far.
    std::vector<std::pair<vp::PaperBitmap, vp::ReceiptEnd>> Finish() {
        EXPECT_TRUE(host_->Handshake(ANSWER_TIMEOUT));
        EXPECT_TRUE(WaitForPrinter(*printer_, host_->BytesSent()));
        printer_->EndReceipt();
        std::lock_guard<std::mutex> lock(mutex_);
        return receipts_;
    }

    vp::PaperBitmap OnlyReceipt() {
        const auto all = Finish();
        EXPECT_EQ(all.size(), 1u);
        return all.empty() ? vp::PaperBitmap() : all.front().first;
    }

    std::unique_ptr<vp::VirtualPrinter> printer_;
    std::unique_ptr<ConsoleHost> host_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::pair<vp::PaperBitmap, vp::ReceiptEnd>> receipts_;
    std::vector<std::string> log_;
};

class QuickSamples : public PtyPrinter, public ::testing::WithParamInterface<SampleInfo> {};

TEST_P(QuickSamples, RenderOnTheVirtualPrinter) {
    const Sample sample = GetParam().sample;
    RunSample(*host_, sample);
    const auto receipts = Finish();
    if (sample == Sample::PrinterInit) {
        EXPECT_EQ(host_->BytesSent(), 2u + 3u); // ESC @ and the closing status request
        EXPECT_TRUE(receipts.empty());
        return;
    }
    ASSERT_EQ(receipts.size(), 1u);
    const vp::PaperBitmap& paper = receipts[0].first;
    EXPECT_GT(paper.CountBlack(), 500u);
    switch (sample) {
    case Sample::QRCode: {
        const auto found = DecodePaper(paper, BarcodeFormat::QRCode);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].text, CODE_DATA.substr(0, 28));
        break;
    }
    case Sample::Barcode: {
        const auto found = DecodePaper(paper, BarcodeFormat::EAN13);
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].text, "0123456789005");
        break;
    }
    case Sample::Picture:
        // Below the first line feed and the title, which wraps onto a second line.
        EXPECT_EQ(FindPicture(paper, 0, SamplePicture()), 3 * vp::PRN_DEFAULT_LINE_SPACING);
        break;
    case Sample::Cutting:
        EXPECT_EQ(receipts[0].second, vp::ReceiptEnd::Cut);
        break;
    case Sample::Margins:
        // Below the title every dot lies between the 80-dot margins.
        for (int y = 2 * vp::PRN_DEFAULT_LINE_SPACING; y < paper.Height(); ++y)
            for (int x = 0; x < paper.Width(); ++x) {
                const bool outside = x < 80 || x >= paper.Width() - 80;
                ASSERT_FALSE(outside && paper.Get(x, y)) << x << "," << y;
            }
        break;
    default:
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(All, QuickSamples, ::testing::ValuesIn(ALL_SAMPLES),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PtyPrinter, TwoDimensionalCodesDecodeBackToTheData) {
    CVRNX_LIB& lib = host_->Lib();
    const auto* data = CODE_DATA.data();
    const auto size = static_cast<uint16_t>(CODE_DATA.size());
    // Where the paper stands after each symbol: each is read from its own rows.
    std::vector<int> rows = {0};
    auto printed = [&] {
        host_->Record();
        EXPECT_TRUE(WaitForPrinter(*printer_, host_->BytesSent()));
        rows.push_back(printer_->WithInterpreter([](vp::Interpreter& i) { return i.PrintRow(); }));
    };
    auto send = [&](auto command) {
        command();
        host_->Record();
    };
    send([&] { lib.SetPDF417Columns(3); });
    send([&] { lib.SetPDF417ModuleWidth(2); });
    send([&] { lib.SetPDF417RowHeight(3); });
    send([&] { lib.SetPDF417ErrorLevel(1); });
    send([&] { lib.StorePDF417Data(data, size); });
    lib.PrintPDF417();
    printed();
    send([&] { lib.SetQRCodeModuleSize(4); });
    send([&] { lib.SetQRCodeErrorLevel(1); });
    send([&] { lib.StoreQRCodeData(data, size); });
    lib.PrintQRCode();
    printed();
    send([&] { lib.SetDataMatrixModuleSize(5); });
    send([&] { lib.StoreDataMatrixData(data, size); });
    lib.PrintDataMatrix();
    printed();
    const vp::PaperBitmap paper = OnlyReceipt();
    const BarcodeFormat formats[] = {BarcodeFormat::PDF417, BarcodeFormat::QRCode,
                                     BarcodeFormat::DataMatrix};
    for (size_t i = 0; i < std::size(formats); ++i) {
        ASSERT_GT(rows[i + 1], rows[i]) << ZXing::ToString(formats[i]);
        const auto found = DecodeRows(paper, rows[i], rows[i + 1] - rows[i], formats[i]);
        ASSERT_EQ(found.size(), 1u) << ZXing::ToString(formats[i]);
        EXPECT_EQ(found[0].text, CODE_DATA);
    }
}

TEST_F(PtyPrinter, EverySymbologyOfTheBarcodePageDecodes) {
    struct Row {
        uint8_t type;
        std::string data;
        BarcodeFormat format;
        std::string decoded;
    };
    const Row rows[] = {
        {0, "01234567890", BarcodeFormat::UPCA, "012345678905"},
        {1, "654321", BarcodeFormat::UPCE, ""},
        {2, "012345678900", BarcodeFormat::EAN13, "0123456789005"},
        {3, "7654321", BarcodeFormat::EAN8, "76543210"},
        {4, "CODE 39/$", BarcodeFormat::Code39, "CODE 39/$"},
        {5, "0246813579", BarcodeFormat::ITF, "0246813579"},
        {6, "C12.34:56D", BarcodeFormat::Codabar, "C12.34:56D"},
        {7, "CODE93-TEST", BarcodeFormat::Code93, "CODE93-TEST"},
        {8, "AB", BarcodeFormat::Code128, "AB"},
        {9, "10ABC123", BarcodeFormat::Code128, "10ABC123"},
    };
    CVRNX_LIB& lib = host_->Lib();
    lib.SetBarcodeWidth(2);
    host_->Record();
    lib.SetBarcodeHeight(64);
    host_->Record();
    lib.SetBarcodeTextPosition(2);
    host_->Record();
    for (const Row& row : rows) {
        lib.PrintBarcode(row.type, row.data.data(), static_cast<uint8_t>(row.data.size()));
        host_->Record();
        lib.PrintAndFeed(48);
        host_->Record();
    }
    const vp::PaperBitmap paper = OnlyReceipt();
    // One barcode per band of 64 bars, 28 text and 48 feed dots.
    const int band = 64 + 28 + 48;
    ASSERT_EQ(paper.Height(), band * 10);
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto found = DecodeRows(paper, static_cast<int>(i) * band, band, rows[i].format);
        ASSERT_EQ(found.size(), 1u) << rows[i].data;
        const std::string text = found[0].text;
        // UPC-E comes back with its number system and check digits around the data.
        EXPECT_EQ(rows[i].format == BarcodeFormat::UPCE ? text.substr(1, 6) : text,
                  rows[i].format == BarcodeFormat::UPCE ? rows[i].data : rows[i].decoded);
    }
}

TEST_F(PtyPrinter, PicturesInRasterAndBitImageComeBackDotForDot) {
    const vp::PaperBitmap picture = MakePicture(200, 70, 23);
    CVRNX_LIB& lib = host_->Lib();
    lib.PrintRasterImage(0, static_cast<uint8_t>(picture.Stride()), 0, 70, 0,
                         picture.Data().data());
    host_->Record();
    // The picture page's 24-dot double-density bands, each followed by ESC J 24.
    for (int top = 0; top < picture.Height(); top += 24) {
        std::vector<uint8_t> band;
        for (int x = 0; x < picture.Width(); ++x)
            for (int byte = 0; byte < 3; ++byte) {
                uint8_t value = 0;
                for (int bit = 0; bit < 8; ++bit)
                    if (picture.Get(x, top + byte * 8 + bit)) value |= 0x80 >> bit;
                band.push_back(value);
            }
        lib.PrintBitImage(33, 200, 0, band.data());
        host_->Record();
        lib.PrintAndFeed(24);
        host_->Record();
    }
    const vp::PaperBitmap paper = OnlyReceipt();
    EXPECT_EQ(FindPicture(paper, 0, picture), 0);
    // The bands round the height up to 72; the rows past the picture are white.
    vp::PaperBitmap lower(paper.Width(), paper.Height() - 70);
    for (int y = 0; y < lower.Height(); ++y) lower.OrBits(y, 0, paper.Row(70 + y), paper.Width());
    EXPECT_EQ(FindPicture(lower, 0, picture), 0);
    EXPECT_EQ(paper.Height(), 70 + 72);
}

TEST_F(PtyPrinter, StatusLampsFollowSwitchedConditions) {
    CVRNX_LIB& lib = host_->Lib();
    lib.SetAutoStatusBack(0x2F);
    host_->Record();
    ASSERT_TRUE(WaitForPrinter(*printer_, host_->BytesSent()));
    struct Step {
        uint8_t bit;
        uint32_t set;
        uint32_t clear;
    };
    const Step steps[] = {
        {vp::PRN_STATUS_PAPER_END, PRN_MSG_PAPER_END, PRN_MSG_PAPER_END_CLEAR},
        {vp::PRN_STATUS_PLATEN_UP, PRN_MSG_PLATEN_UP, PRN_MSG_PLATEN_UP_CLEAR},
        {vp::PRN_STATUS_OVERHEAT, PRN_MSG_OVERHEAT, PRN_MSG_OVERHEAT_CLEAR},
        {vp::PRN_STATUS_OVERVOLTAGE, PRN_MSG_OVERVOLTAGE, PRN_MSG_OVERVOLTAGE_CLEAR},
        {vp::PRN_STATUS_CUTTER, PRN_MSG_CUTTER, PRN_MSG_CUTTER_CLEAR},
    };
    for (const Step& step : steps) {
        printer_->SetCondition(step.bit, true);
        EXPECT_TRUE(host_->WaitForNotification(step.set, ANSWER_TIMEOUT)) << std::hex << step.set;
        EXPECT_EQ(lib.GetLastStatus(), step.bit);
        printer_->SetCondition(step.bit, false);
        EXPECT_TRUE(host_->WaitForNotification(step.clear, ANSWER_TIMEOUT))
            << std::hex << step.clear;
    }
    // A status request is answered with the present state.
    std::string reply;
    printer_->Control("paper-end on", &reply);
    ASSERT_TRUE(host_->WaitForNotification(PRN_MSG_PAPER_END, ANSWER_TIMEOUT));
    EXPECT_TRUE(lib.RequestStatus());
    host_->Record();
    EXPECT_TRUE(host_->WaitForNotification(PRN_MSG_PAPER_END, ANSWER_TIMEOUT));
    EXPECT_TRUE(lib.IsStatusReceived());
}

TEST_F(PtyPrinter, SensorRequestShowsTheSwitchedValue) {
    std::string reply;
    printer_->Control("sensor 873", &reply);
    CVRNX_LIB& lib = host_->Lib();
    lib.RequestSensorValue();
    host_->Record();
    ASSERT_TRUE(host_->WaitForNotification(PRN_MSG_RESPONSE, ANSWER_TIMEOUT));
    EXPECT_EQ(lib.GetResponseId(), PRN_RESPONSE_SENSOR);
    EXPECT_EQ(lib.GetResponseText(), "873");
}

TEST_F(PtyPrinter, SetupCommandsAreRemembered) {
    CVRNX_LIB& lib = host_->Lib();
    lib.SetBaudRate(115200);
    host_->Record();
    lib.SetFlowControl(0x30);
    host_->Record();
    lib.SetMarkDistances("0;58;0;", 7);
    host_->Record();
    lib.SendText("cleared");
    host_->Record();
    lib.ClearBuffer();
    host_->Record();
    ASSERT_TRUE(WaitForPrinter(*printer_, host_->BytesSent()));
    const auto stored = printer_->WithInterpreter([](vp::Interpreter& i) { return i.Stored(); });
    EXPECT_EQ(stored.baudRate, 115200u);
    EXPECT_EQ(stored.flowControl, vp::PRN_FLOW_RTS_CTS);
    EXPECT_EQ(stored.distancesMm[1], 58);
    EXPECT_TRUE(Finish().empty()); // the cleared line never printed
}

TEST_F(PtyPrinter, AnIdleSecondEndsTheReceipt) {
    TearDown();
    receipts_.clear();
    StartPrinter(200);
    host_->Lib().SendText("no cut\n");
    std::unique_lock<std::mutex> lock(mutex_);
    ASSERT_TRUE(arrived_.wait_for(lock, ANSWER_TIMEOUT, [this] { return !receipts_.empty(); }));
    EXPECT_EQ(receipts_[0].second, vp::ReceiptEnd::Idle);
}

} // namespace
