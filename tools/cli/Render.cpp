// talvane-cli render: a capture or records file as receipt pictures, without a
// printer, and the receipt check against a golden picture.
#include "tools/cli/Commands.h"
#include "tools/cli/ExitCodes.h"

#include "console/RecordDecoder.h"
#include "emulator/OfflineRender.h"
#include "emulator/ReceiptImage.h"
#include "printer/HexText.h"
#include "tap/CaptureFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <cstdio>

namespace cli {

namespace {

constexpr const char* DEFAULT_OUT = "receipts";
// Row starts listed in the message; the picture shows them all.
constexpr size_t SHOWN_ROW_STARTS = 8;

std::optional<int> ModelWidth(const std::string& text) {
    if (text == "58" || text == "384") return vprinter::PRN_WIDTH_58MM;
    if (text == "80" || text == "576") return vprinter::PRN_WIDTH_80MM;
    return std::nullopt;
}

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A tap's capture gives what the program sent (its '>' lines, in order); a records file
// (the console's saved rows) gives its rows' bytes; anything else is the raw byte stream.
std::vector<uint8_t> StreamOf(const QByteArray& content, bool raw) {
    const std::string_view text(content.constData(), static_cast<size_t>(content.size()));
    if (!raw && tap::IsCapture(text)) {
        std::vector<uint8_t> bytes;
        for (const tap::CaptureEvent& event : tap::ReadCapture(text).events)
            if (event.kind == '>') bytes.insert(bytes.end(), event.bytes.begin(), event.bytes.end());
        return bytes;
    }
    if (!raw) {
        const records::ImportResult asRecords = records::ParseRecordsFile(text);
        if (asRecords.ok && !asRecords.records.empty()) {
            std::vector<uint8_t> bytes;
            for (const std::string& record : asRecords.records) {
                const std::vector<uint8_t> row = FromHexText(record);
                bytes.insert(bytes.end(), row.begin(), row.end());
            }
            return bytes;
        }
    }
    return std::vector<uint8_t>(text.begin(), text.end());
}

struct Comparison {
    bool done = false;
    vprinter::DotDifference difference;
    int madeRows = 0;
    int goldenRows = 0;
    size_t receipts = 0;
};

std::string RowStarts(const std::vector<int>& rows) {
    std::string text;
    for (size_t i = 0; i < rows.size() && i < SHOWN_ROW_STARTS; ++i)
        text += (i ? ", " : "") + std::to_string(rows[i]);
    if (rows.size() > SHOWN_ROW_STARTS) text += ", ...";
    return text;
}

std::string ComparisonText(const Comparison& c, const std::string& golden) {
    if (c.difference.Identical())
        return Fill(QCoreApplication::translate("cli-render", "identical to %1"), {golden});
    std::string text = Fill(QCoreApplication::translate("cli-render", "%1 dots differ from %2"),
                            {std::to_string(c.difference.dots), golden});
    if (!c.difference.startRows.empty())
        text += Fill(QCoreApplication::translate("cli-render", "; differences start at rows %1"),
                     {RowStarts(c.difference.startRows)});
    if (c.madeRows != c.goldenRows)
        text += Fill(QCoreApplication::translate("cli-render",
                                                 "; the receipt has %1 dot rows, the golden %2"),
                     {std::to_string(c.madeRows), std::to_string(c.goldenRows)});
    return text;
}

} // namespace

int RunRender(int argc, char** argv, int first) {
    const std::string name = "render";
    ParsedArgs args;
    int exitCode = EXIT_OK;
    if (!ParseFor(argc, argv, first, name,
                  {{"out", true}, {"model", true}, {"plain", false}, {"json", false},
                   {"raw", false}, {"compare", true}, {"diff", true}},
                  false, args, exitCode))
        return exitCode;
    if (args.operands.size() > 1)
        return UsageError(name,
                          Fill(QCoreApplication::translate("cli", "unexpected operand \"%1\""),
                               {args.operands[1]}));
    const auto width = ModelWidth(args.Get("model", "58"));
    if (!width)
        return UsageError(
            name, Fill(QCoreApplication::translate("cli-render", "--model takes 58 or 80")));
    if (args.Has("diff") && !args.Has("compare"))
        return UsageError(
            name, Fill(QCoreApplication::translate("cli-render", "--diff needs --compare")));
    const std::string path = args.operands.empty() ? "-" : args.operands[0];
    const bool json = args.Has("json");

    std::string error;
    const auto content = ReadInputFile(path, error);
    if (!content) return Fail(EXIT_FILE, name + ": " + error);
    const std::vector<uint8_t> stream = StreamOf(*content, args.Has("raw"));
    const vprinter::RenderResult result = vprinter::RenderStream(stream, *width);

    // Without --out a receipt check writes no pictures.
    std::vector<std::string> written;
    if (args.Has("out") || !args.Has("compare")) {
        const QString folder = QString::fromStdString(args.Get("out", DEFAULT_OUT));
        if (!QDir().mkpath(folder))
            return Fail(EXIT_FILE,
                        name + ": " +
                            Fill(QCoreApplication::translate("cli-render", "cannot create %1"),
                                 {folder.toStdString()}));
        int number = 0;
        for (const auto& receipt : result.receipts) {
            const std::string file =
                QDir(folder).filePath(QString::asprintf("receipt-%04d.png", ++number)).toStdString();
            const auto look = vprinter::ReceiptLook::From(
                receipt.stored, receipt.end == vprinter::ReceiptEnd::Cut, args.Has("plain"));
            if (!vprinter::SaveReceiptPng(receipt.paper, look, file, &error))
                return Fail(EXIT_FILE, name + ": " + error);
            written.push_back(file);
        }
    }

    Comparison comparison;
    const std::string golden = args.Get("compare");
    if (!golden.empty()) {
        vprinter::PaperBitmap goldenDots;
        const QImage picture(QString::fromStdString(golden));
        if (picture.isNull())
            return Fail(
                EXIT_FILE,
                name + ": " +
                    Fill(QCoreApplication::translate("cli-render", "cannot read %1"), {golden}));
        if (!vprinter::ReceiptDotsFromImage(picture, *width, &goldenDots))
            return Fail(EXIT_REFUSED,
                        name + ": " +
                            Fill(QCoreApplication::translate(
                                     "cli-render", "%1 is no receipt of %2 dots (--model)"),
                                 {golden, std::to_string(*width)}));
        // A file that prints several receipts is checked by its first.
        const vprinter::PaperBitmap made =
            result.receipts.empty() ? vprinter::PaperBitmap(*width) : result.receipts.front().paper;
        comparison.done = true;
        comparison.receipts = result.receipts.size();
        comparison.madeRows = made.Height();
        comparison.goldenRows = goldenDots.Height();
        comparison.difference = vprinter::CompareDots(made, goldenDots);
        const std::string diff = args.Get("diff");
        if (!diff.empty() && !comparison.difference.Identical() &&
            !vprinter::DifferenceImage(made, goldenDots).save(QString::fromStdString(diff), "PNG"))
            return Fail(
                EXIT_FILE,
                name + ": " +
                    Fill(QCoreApplication::translate("cli-render", "cannot write %1"), {diff}));
    }

    if (json) {
        std::string out = "{\"receipts\":[";
        for (size_t i = 0; i < written.size(); ++i) out += (i ? "," : "") + JsonString(written[i]);
        out += "],\"skipped\":[";
        bool firstNote = true;
        for (const auto& note : result.notes) {
            if (note.understood) continue;
            out += std::string(firstNote ? "" : ",") + "{\"offset\":" +
                   (note.hasOffset ? std::to_string(note.offset) : "null") +
                   ",\"text\":" + JsonString(note.text) + "}";
            firstNote = false;
        }
        out += "],\"unfinished_at\":" +
               (result.consumed < result.bytes ? std::to_string(result.consumed) : "null");
        out += ",\"understood\":" + std::string(result.AllUnderstood() ? "true" : "false");
        if (comparison.done)
            out += ",\"compare\":{\"identical\":" +
                   std::string(comparison.difference.Identical() ? "true" : "false") +
                   ",\"differing_dots\":" + std::to_string(comparison.difference.dots) +
                   ",\"rows\":" + std::to_string(comparison.madeRows) +
                   ",\"golden_rows\":" + std::to_string(comparison.goldenRows) + "}";
        std::printf("%s}\n", out.c_str());
    } else {
        for (const std::string& file : written) std::printf("%s\n", file.c_str());
        for (const auto& note : result.notes)
            if (!note.understood)
                std::printf("%s\n",
                            note.hasOffset
                                ? Fill(QCoreApplication::translate("cli-render", "offset %1: %2"),
                                       {std::to_string(note.offset), note.text})
                                      .c_str()
                                : note.text.c_str());
        if (result.consumed < result.bytes)
            std::printf("%s\n",
                        Fill(QCoreApplication::translate(
                                 "cli-render", "offset %1: the input ends inside a command"),
                             {std::to_string(result.consumed)})
                            .c_str());
        if (comparison.done) std::printf("%s\n", ComparisonText(comparison, golden).c_str());
    }
    if (comparison.done)
        return comparison.difference.Identical() ? EXIT_OK : EXIT_RECEIPT_DIFFERS;
    return result.AllUnderstood() ? EXIT_OK : EXIT_NOT_UNDERSTOOD;
}

} // namespace cli
