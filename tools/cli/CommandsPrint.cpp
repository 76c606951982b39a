// The subcommands that print: quick samples, pictures, barcodes and the three
// two-dimensional codes. Each drives the console's own code (the samples, the picture
// group, the code pages) against a recording host; only when that code has accepted
// the whole input do the recorded commands go to the printer.

#include "console/samples/PicturePrinter.h"
#include "console/samples/QuickSamples.h"
#include "emulator/SymbolFit.h"
#include "pages/Barcode.h"
#include "pages/DMTX.h"
#include "pages/PDF417.h"
#include "pages/QRCode.h"
#include "pages/TwoDCode.h"
#include "tools/cli/CaptureHost.h"
#include "tools/cli/Commands.h"
#include "tools/cli/ExitCodes.h"
#include "tools/cli/PageDriver.h"
#include "printer/HexText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QCoreApplication>
#include <cctype>
#include <unistd.h>

namespace cli {

namespace {

struct SampleButton {
    const char* caption; // the button's caption in the console
    int id;
};
// The "Quick Test" buttons in the dialog's order, then "Printer Init".
constexpr SampleButton SAMPLE_BUTTONS[] = {
    {"Font Sample", ID_FONT_SAMPLE},   {"Print", ID_PRINT_SAMPLE},
    {"Margins", ID_MARGINS_SAMPLE},    {"Coordinate", ID_COORDINATE_SAMPLE},
    {"Density", ID_DENSITY_SAMPLE},    {"Horizon tab", ID_HORIZONTAL_TAB_SAMPLE},
    {"Verti tab", ID_VERTICAL_TAB_SAMPLE}, {"Picture", ID_PICTURE_SAMPLE},
    {"Alignment", ID_ALIGNMENT_SAMPLE}, {"Bar-code", ID_BARCODE_SAMPLE},
    {"QRCode", ID_QRCODE_SAMPLE},      {"Cutting", ID_CUTTING_SAMPLE},
    {"Printer Init", ID_PRINTER_INIT},
};
// "all" runs the twelve quick tests, not "Printer Init".
constexpr int QUICK_TEST_COUNT = 12;

// "Bar-code", "bar code" and "BARCODE" name the same button.
std::string Folded(const std::string& name) {
    std::string folded;
    for (const unsigned char c : name)
        if (std::isalnum(c)) folded += static_cast<char>(std::tolower(c));
    return folded;
}

bool ProgressWanted() {
    return isatty(STDERR_FILENO) == 1;
}

// Ends a run whose input the console's code refused: nothing has been sent.
int Refused(const std::string& subcommand, const CaptureHost& host) {
    return Fail(EXIT_REFUSED,
                subcommand + ": " +
                    Fill(QCoreApplication::translate("cli-print", "%1 (nothing was sent)"),
                         {host.Refusal().toStdString()}));
}

// A barcode or symbol wider than the paper is not printed at all: refused before
// anything is sent, with its width.
std::optional<int> RefusedAsTooWide(const std::string& subcommand, const CaptureHost& host,
                                    int printableWidth) {
    std::vector<uint8_t> bytes;
    for (const std::string& record : host.Records()) {
        const std::vector<uint8_t> row = FromHexText(record);
        bytes.insert(bytes.end(), row.begin(), row.end());
    }
    const vprinter::SymbolFit fit = vprinter::StreamSymbolFit(bytes, printableWidth);
    if (fit.fits) return std::nullopt;
    return Fail(EXIT_REFUSED,
                subcommand + ": " +
                    Fill(QCoreApplication::translate("cli-print", "%1 (nothing was sent)"),
                         {fit.Message()}));
}

// Reads the common options and the operands' count; false when the run is over.
bool Prepare(int argc, char** argv, int first, const std::string& subcommand,
             const std::vector<OptionSpec>& optionList, size_t minOperands, size_t maxOperands,
             ParsedArgs& args, Common& common, int& exitCode) {
    if (!ParseFor(argc, argv, first, subcommand, optionList, true, args, exitCode)) return false;
    if (args.operands.size() < minOperands) {
        exitCode =
            UsageError(subcommand, Fill(QCoreApplication::translate("cli", "missing operand")));
        return false;
    }
    if (args.operands.size() > maxOperands) {
        exitCode = UsageError(subcommand,
                              Fill(QCoreApplication::translate("cli", "unexpected operand \"%1\""),
                                   {args.operands[maxOperands]}));
        return false;
    }
    std::string error;
    auto read = ReadCommon(args, error);
    if (!read) {
        exitCode = UsageError(subcommand, error);
        return false;
    }
    common = *read;
    return true;
}

// A number option typed into an edit of the page; false when the run is over.
bool EnterNumber(const ParsedArgs& args, const char* name, QLineEdit* edit,
                 const std::string& subcommand, int& exitCode) {
    std::optional<long> value;
    std::string error;
    if (!ReadIntOption(args, name, value, error)) {
        exitCode = UsageError(subcommand, error);
        return false;
    }
    if (value) EnterText(edit, QString::number(*value));
    return true;
}

bool Choose(const ParsedArgs& args, const char* name, QComboBox* combo, const QStringList& aliases,
            const std::string& subcommand, int& exitCode) {
    if (!args.Has(name)) return true;
    QString choices;
    if (ChooseRow(combo, args.Get(name), aliases, choices)) return true;
    exitCode = UsageError(
        subcommand, Fill(QCoreApplication::translate("cli-print", "--%1 is one of: %2; not \"%3\""),
                         {name, choices.toStdString(), args.Get(name)}));
    return false;
}

// Puts the data into a page's data edit, in hex form when asked; false when the page
// offers no hex form for it.
bool EnterData(QCheckBox* hex, QPlainTextEdit* edit, const ParsedArgs& args,
               const std::string& data) {
    if (args.Has("hex")) {
        if (!hex->isEnabled()) return false;
        SetChecked(hex, true);
    }
    edit->setPlainText(QString::fromLocal8Bit(data.c_str()));
    return true;
}

} // namespace

int RunSample(int argc, char** argv, int first) {
    const std::string name = "sample";
    ParsedArgs args;
    Common common;
    int exitCode = EXIT_OK;
    if (!Prepare(argc, argv, first, name, {}, 1, SIZE_MAX, args, common, exitCode))
        return exitCode;
    std::vector<int> ids;
    for (const std::string& wanted : args.operands) {
        if (Folded(wanted) == "all") {
            for (int i = 0; i < QUICK_TEST_COUNT; ++i) ids.push_back(SAMPLE_BUTTONS[i].id);
            continue;
        }
        bool found = false;
        for (const SampleButton& button : SAMPLE_BUTTONS) {
            if (Folded(button.caption) == Folded(wanted)) {
                ids.push_back(button.id);
                found = true;
            }
        }
        if (!found) {
            std::string list;
            for (const SampleButton& button : SAMPLE_BUTTONS)
                list += std::string(list.empty() ? "" : ", ") + "\"" + button.caption + "\"";
            return UsageError(
                name, Fill(QCoreApplication::translate(
                               "cli-print", "unknown sample \"%1\"; the samples are %2 and all"),
                           {wanted, list}));
        }
    }
    CaptureHost host(common.printableWidth);
    QuickSamples samples(host);
    for (const int id : ids) samples.Run(id);
    if (host.Refused()) return Refused(name, host);
    return Deliver(common, host.Records(), false);
}

// The picture group's size rows for each mode, in the list's order.
const QStringList BIT_IMAGE_SIZES = {
    QStringLiteral("8-dot single-density"), QStringLiteral("8-dot double-density"),
    QStringLiteral("24-dot single-density"), QStringLiteral("24-dot double-density")};
const QStringList RASTER_SIZES = {QStringLiteral("Normal"), QStringLiteral("Double-width"),
                                  QStringLiteral("Double-height"), QStringLiteral("Quadruple")};

int RunPicture(int argc, char** argv, int first) {
    const std::string name = "picture";
    ParsedArgs args;
    Common common;
    int exitCode = EXIT_OK;
    if (!Prepare(argc, argv, first, name,
                 {{"threshold", true}, {"raster", false}, {"size", true}, {"dots", true},
                  {"invert", false}, {"rotate", false}, {"fit", true}, {"block-rows", true}},
                 1, 1, args, common, exitCode))
        return exitCode;
    std::optional<long> threshold;
    std::optional<long> blockRows;
    std::string error;
    if (!ReadIntOption(args, "threshold", threshold, error)) return UsageError(name, error);
    if (!ReadIntOption(args, "block-rows", blockRows, error)) return UsageError(name, error);
    const std::string path = args.operands[0];
    {
        QFile file(QString::fromLocal8Bit(path.c_str()));
        if (!file.open(QIODevice::ReadOnly))
            return Fail(EXIT_FILE,
                        name + ": " +
                            Fill(QCoreApplication::translate("cli-print", "cannot read %1: %2"),
                                 {path, file.errorString().toStdString()}));
    }

    // The picture group's controls, never shown.
    QWidget group;
    PictureControls controls;
    controls.pathEdit = new QLineEdit(&group);
    controls.thresholdEdit = new QLineEdit(&group);
    // A refusal at a control is said with its name.
    controls.thresholdEdit->setAccessibleName(
        QCoreApplication::translate("cli-print", "Threshold"));
    controls.rasterMode = new QRadioButton(&group);
    controls.bitImageMode = new QRadioButton(&group);
    controls.sizeList = new QComboBox(&group);
    controls.printButton = new QPushButton(&group);
    controls.printButton->setAccessibleName(QCoreApplication::translate("cli-print", "Print"));
    controls.previewFrame = new QWidget(&group);
    controls.hScroll = new QScrollBar(Qt::Horizontal, &group);
    controls.vScroll = new QScrollBar(Qt::Vertical, &group);
    // The choices beyond the design's, as the console's picture group has them (the
    // picture printer fills the lists).
    controls.dotRule = new QComboBox(&group);
    controls.invert = new QCheckBox(&group);
    controls.rotate = new QCheckBox(&group);
    controls.fit = new QComboBox(&group);
    controls.blockRows = new QSpinBox(&group);

    CaptureHost host(common.printableWidth);
    PicturePrinter printer(host, controls);
    if (!Choose(args, "dots", controls.dotRule,
                {QStringLiteral("threshold"), QStringLiteral("floyd-steinberg"),
                 QStringLiteral("atkinson"), QStringLiteral("bayer")},
                name, exitCode) ||
        !Choose(args, "fit", controls.fit, {QStringLiteral("crop"), QStringLiteral("scale")}, name,
                exitCode))
        return exitCode;
    controls.invert->setChecked(args.Has("invert"));
    controls.rotate->setChecked(args.Has("rotate"));
    if (blockRows) {
        if (*blockRows < controls.blockRows->minimum() || *blockRows > controls.blockRows->maximum())
            return UsageError(name, Fill(QCoreApplication::translate(
                                             "cli-print", "--block-rows is 0 (one block) to %1"),
                                         {std::to_string(controls.blockRows->maximum())}));
        controls.blockRows->setValue(static_cast<int>(*blockRows));
    }
    if (threshold) controls.thresholdEdit->setText(QString::number(*threshold));
    if (args.Has("raster")) {
        controls.rasterMode->setChecked(true);
        printer.SelectRasterMode();
    }
    // --size takes the list's English rows in every language: a script's command line
    // does not change with the desktop's language.
    const QStringList sizes = args.Has("raster") ? RASTER_SIZES : BIT_IMAGE_SIZES;
    if (!Choose(args, "size", controls.sizeList, sizes, name, exitCode)) return exitCode;
    host.openPaths.push_back(QString::fromLocal8Bit(path.c_str()));
    printer.OpenFile();
    if (host.Refused()) return Refused(name, host);
    printer.Print();
    // Blocks leave one by one from the event loop, as in the console.
    while (printer.Sender().Busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (host.Refused()) return Refused(name, host);
    if (host.Records().empty())
        return Fail(
            EXIT_REFUSED,
            name + ": " +
                Fill(QCoreApplication::translate("cli-print", "%1 has nothing to print"), {path}));
    return Deliver(common, host.Records(), ProgressWanted());
}

namespace {

// The common names of the code list's rows, in its order; the list's own captions
// (CODA128, CODA93, ITF25) are taken as well.
const QStringList BARCODE_NAMES = {
    QStringLiteral("UPCA"),    QStringLiteral("UPCE"),   QStringLiteral("EAN13"),
    QStringLiteral("EAN8"),    QStringLiteral("CODE39"), QStringLiteral("ITF"),
    QStringLiteral("CODABAR"), QStringLiteral("CODE93"), QStringLiteral("CODE128"),
    QStringLiteral("EAN128")};

// "UPC-A", "Code 128" and "ean_13" are the names UPCA, CODE128 and EAN13.
std::string BarcodeTypeName(const std::string& typed) {
    std::string name;
    for (const char c : typed)
        if (c != '-' && c != '_' && c != ' ') name += c;
    return name;
}

} // namespace

int RunBarcode(int argc, char** argv, int first) {
    const std::string name = "barcode";
    ParsedArgs args;
    Common common;
    int exitCode = EXIT_OK;
    if (!Prepare(argc, argv, first, name,
                 {{"width", true}, {"height", true}, {"text", true}, {"hex", false}}, 2, 2, args,
                 common, exitCode))
        return exitCode;
    CaptureHost host(common.printableWidth);
    CBarcode page(&host);
    auto* code = PageControl<QComboBox>(&page, CBarcode::IDC_CODE);
    QString choices;
    // A common name or the list's caption (ChooseRow takes either).
    if (!ChooseRow(code, BarcodeTypeName(args.operands[0]), BARCODE_NAMES, choices))
        return UsageError(
            name, Fill(QCoreApplication::translate("cli-print",
                                                   "unknown barcode type \"%1\"; the types are %2"),
                       {args.operands[0], choices.toStdString()}));
    if (!EnterNumber(args, "width", PageControl<QLineEdit>(&page, CBarcode::IDC_UNIT_WIDTH), name,
                     exitCode) ||
        !EnterNumber(args, "height", PageControl<QLineEdit>(&page, CBarcode::IDC_BAR_HEIGHT), name,
                     exitCode) ||
        !Choose(args, "text", PageControl<QComboBox>(&page, CBarcode::IDC_DISPLAY),
                {QStringLiteral("none"), QStringLiteral("above"), QStringLiteral("below"),
                 QStringLiteral("both")},
                name, exitCode))
        return exitCode;
    if (!EnterData(PageControl<QCheckBox>(&page, CBarcode::IDC_HEX),
                   PageControl<QPlainTextEdit>(&page, CBarcode::IDC_DATA), args, args.operands[1]))
        return UsageError(
            name, Fill(QCoreApplication::translate("cli-print", "%1 data cannot be given in hex"),
                       {code->currentText().toStdString()}));
    if (host.Refused()) return Refused(name, host);
    PageControl<QPushButton>(&page, CBarcode::IDC_PRINT)->click();
    if (host.Refused()) return Refused(name, host);
    if (const auto refused = RefusedAsTooWide(name, host, common.printableWidth)) return *refused;
    return Deliver(common, host.Records(), false);
}

namespace {

enum class Code2D { PDF417, QRCode, DataMatrix };

// Sets the style's sub-page from the options; false when the run is over.
bool SetCode2DOptions(Code2D style, C2DCode& page, const ParsedArgs& args,
                      const std::string& name, int& exitCode) {
    if (style == Code2D::QRCode) {
        CQRCode* qr = page.QRCodePage();
        return EnterNumber(args, "module-width", PageControl<QLineEdit>(qr, CQRCode::IDC_MODULE_WIDTH),
                           name, exitCode) &&
               Choose(args, "error-level", PageControl<QComboBox>(qr, CQRCode::IDC_ERROR_LEVEL),
                      {QStringLiteral("L"), QStringLiteral("M"), QStringLiteral("Q"),
                       QStringLiteral("H")},
                      name, exitCode);
    }
    if (style == Code2D::DataMatrix) {
        CDMTX* dm = page.DataMatrixPage();
        return EnterNumber(args, "module-width", PageControl<QLineEdit>(dm, CDMTX::IDC_MODULE_WIDTH),
                           name, exitCode);
    }
    CPDF417* pdf = page.PDF417Page();
    struct Shape {
        const char* option;
        int edit;
        int autoBox;
    };
    for (const Shape& shape : {Shape{"rows", CPDF417::IDC_ROWS, CPDF417::IDC_ROWS_AUTO},
                               Shape{"columns", CPDF417::IDC_COLUMNS, CPDF417::IDC_COLUMNS_AUTO}}) {
        if (!args.Has(shape.option)) continue;
        auto* box = PageControl<QCheckBox>(pdf, shape.autoBox);
        if (args.Get(shape.option) == "auto") {
            if (box->isChecked()) Q_EMIT box->clicked(true);
            SetChecked(box, true);
            continue;
        }
        std::optional<long> value;
        std::string error;
        if (!ReadIntOption(args, shape.option, value, error)) {
            exitCode = UsageError(
                name, Fill(QCoreApplication::translate(
                               "cli-print", "--%1 needs a whole number or auto, not \"%2\""),
                           {shape.option, args.Get(shape.option)}));
            return false;
        }
        auto* edit = PageControl<QLineEdit>(pdf, shape.edit);
        // The box's handler sends the edit's value once it is unticked.
        {
            const QSignalBlocker quiet(edit);
            edit->setText(QString::number(*value));
        }
        if (box->isChecked())
            box->click();
        else
            EnterText(edit, edit->text());
    }
    return EnterNumber(args, "module-width", PageControl<QLineEdit>(pdf, CPDF417::IDC_MODULE_WIDTH),
                       name, exitCode) &&
           EnterNumber(args, "row-height", PageControl<QLineEdit>(pdf, CPDF417::IDC_ROW_HEIGHT), name,
                       exitCode) &&
           Choose(args, "error-level", PageControl<QComboBox>(pdf, CPDF417::IDC_ERROR_LEVEL), {}, name,
                  exitCode);
}

int RunCode2D(int argc, char** argv, int first, Code2D style, const std::string& name,
              const QString& styleRow, std::vector<OptionSpec> optionList) {
    optionList.push_back({"hex", false});
    ParsedArgs args;
    Common common;
    int exitCode = EXIT_OK;
    if (!Prepare(argc, argv, first, name, optionList, 1, 1, args, common, exitCode)) return exitCode;
    CaptureHost host(common.printableWidth);
    C2DCode page(&host);
    auto* styles = PageControl<QComboBox>(&page, C2DCode::IDC_STYLE);
    styles->setCurrentIndex(styles->findText(styleRow));
    if (!SetCode2DOptions(style, page, args, name, exitCode)) return exitCode;
    EnterData(PageControl<QCheckBox>(&page, C2DCode::IDC_HEX),
              PageControl<QPlainTextEdit>(&page, C2DCode::IDC_DATA), args, args.operands[0]);
    if (host.Refused()) return Refused(name, host);
    PageControl<QPushButton>(&page, C2DCode::IDC_SEND)->click();
    if (host.Refused()) return Refused(name, host);
    PageControl<QPushButton>(&page, C2DCode::IDC_PRINT)->click();
    if (host.Refused()) return Refused(name, host);
    if (const auto refused = RefusedAsTooWide(name, host, common.printableWidth)) return *refused;
    return Deliver(common, host.Records(), false);
}

} // namespace

int RunQRCode(int argc, char** argv, int first) {
    return RunCode2D(argc, argv, first, Code2D::QRCode, "qr", QStringLiteral("QRCODE"),
                     {{"module-width", true}, {"error-level", true}});
}

int RunPDF417(int argc, char** argv, int first) {
    return RunCode2D(argc, argv, first, Code2D::PDF417, "pdf417", QStringLiteral("PDF417"),
                     {{"rows", true},
                      {"columns", true},
                      {"module-width", true},
                      {"row-height", true},
                      {"error-level", true}});
}

int RunDataMatrix(int argc, char** argv, int first) {
    return RunCode2D(argc, argv, first, Code2D::DataMatrix, "datamatrix", QStringLiteral("DMTX"),
                     {{"module-width", true}});
}

} // namespace cli
