// talvane-cli render: a capture or records file as receipt pictures, without a
// printer, and the receipt check against a golden picture.
#include "tools/cli/Commands.h"
#include "tools/cli/ExitCodes.h"
#include "tools/cli/StreamedInput.h"

#include "emulator/OfflineRender.h"
#include "emulator/PrinterState.h"
#include "emulator/ReceiptImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <optional>

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

// The golden pictures of a receipt check: one picture, or a folder of them (as render
// --out writes it), compared with the receipts in their order.
std::vector<std::string> GoldenPictures(const std::string& golden) {
    const QFileInfo info(QString::fromStdString(golden));
    if (!info.isDir()) return {golden};
    QDir folder(info.filePath());
    std::vector<std::string> pictures;
    for (const QString& name :
         folder.entryList({QStringLiteral("receipt-*.png")}, QDir::Files, QDir::Name))
        pictures.push_back(folder.filePath(name).toStdString());
    return pictures;
}

// One receipt set against its golden.
struct Comparison {
    vprinter::DotDifference difference;
    int madeRows = 0;
    int goldenRows = 0;
    std::string golden;
};

// The receipt check of every receipt: all identical, and as many as the goldens.
struct ReceiptCheck {
    std::vector<std::string> goldens;
    std::vector<Comparison> compared;
    size_t made = 0;
    bool diffWritten = false;
    bool Identical() const {
        return made == goldens.size() &&
               std::all_of(compared.begin(), compared.end(),
                           [](const Comparison& c) { return c.difference.Identical(); });
    }
    size_t Dots() const {
        size_t dots = 0;
        for (const Comparison& c : compared) dots += c.difference.dots;
        return dots;
    }
};

std::string RowStarts(const std::vector<int>& rows) {
    std::string text;
    for (size_t i = 0; i < rows.size() && i < SHOWN_ROW_STARTS; ++i)
        text += (i ? ", " : "") + std::to_string(rows[i]);
    if (rows.size() > SHOWN_ROW_STARTS) text += ", ...";
    return text;
}

std::string ComparisonText(const Comparison& c) {
    if (c.difference.Identical())
        return Fill(QCoreApplication::translate("cli-render", "identical to %1"), {c.golden});
    // Blank rows more or fewer differ in no dot, but the receipt is not the golden.
    if (c.difference.dots == 0)
        return Fill(QCoreApplication::translate(
                        "cli-render",
                        "differs from %1 in length: the receipt has %2 dot rows, the golden %3"),
                    {c.golden, std::to_string(c.madeRows), std::to_string(c.goldenRows)});
    std::string text = Fill(QCoreApplication::translate("cli-render", "%1 dots differ from %2"),
                            {std::to_string(c.difference.dots), c.golden});
    if (!c.difference.startRows.empty())
        text += Fill(QCoreApplication::translate("cli-render", "; differences start at rows %1"),
                     {RowStarts(c.difference.startRows)});
    if (c.madeRows != c.goldenRows)
        text += Fill(QCoreApplication::translate("cli-render",
                                                 "; the receipt has %1 dot rows, the golden %2"),
                     {std::to_string(c.madeRows), std::to_string(c.goldenRows)});
    return text;
}

std::string NoteLine(const vprinter::RenderNote& note) {
    return note.hasOffset ? Fill(QCoreApplication::translate("cli-render", "offset %1: %2"),
                                 {std::to_string(note.offset), note.text})
                          : note.text;
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
    // The input is read and checked before anything is made.
    StreamedInput input;
    if (!input.Open(path, error)) return Fail(EXIT_FILE, name + ": " + error);
    if (input.Empty())
        return Fail(EXIT_REFUSED,
                    name + ": " +
                        Fill(QCoreApplication::translate("cli-render", "%1 is empty: nothing to print"),
                             {input.Shown()}));
    const InputKind kind = input.Kind(args.Has("raw"));
    size_t badLine = 0;
    if (!input.FirstBadLine(kind, badLine, error)) return Fail(EXIT_FILE, name + ": " + error);
    if (badLine != 0)
        return Fail(
            EXIT_REFUSED,
            name + ": " +
                (kind == InputKind::Capture
                     ? Fill(QCoreApplication::translate(
                                "cli-tap", "%1 line %2 is not a capture line (KIND SECONDS DATA)"),
                            {input.Shown(), std::to_string(badLine)})
                     : Fill(QCoreApplication::translate(
                                "cli-render",
                                "%1 line %2 is not a records line (only hex text before \"//\"); "
                                "nothing was printed"),
                            {input.Shown(), std::to_string(badLine)})));

    ReceiptCheck check;
    const std::string golden = args.Get("compare");
    const std::string diff = args.Get("diff");
    if (!golden.empty()) {
        check.goldens = GoldenPictures(golden);
        if (check.goldens.empty())
            return Fail(
                EXIT_FILE,
                name + ": " +
                    Fill(QCoreApplication::translate("cli-render", "cannot read %1"), {golden}));
    }
    // Without --out a receipt check writes no pictures.
    const bool writing = args.Has("out") || golden.empty();
    const QString folder = QString::fromStdString(args.Get("out", DEFAULT_OUT));
    if (writing && !QDir().mkpath(folder))
        return Fail(EXIT_FILE,
                    name + ": " +
                        Fill(QCoreApplication::translate("cli-render", "cannot create %1"),
                             {folder.toStdString()}));

    // Each receipt is written, and checked, when it ends; a failure stops the run.
    std::vector<std::string> written;
    std::vector<vprinter::RenderNote> skipped;
    std::optional<int> failed;
    size_t receipts = 0;
    auto stop = [&](int code, const std::string& message) {
        if (!failed) failed = Fail(code, name + ": " + message);
    };
    const auto compare = [&](const vprinter::PaperBitmap& made) {
        const size_t index = check.made++;
        if (index >= check.goldens.size()) return;
        const std::string& picturePath = check.goldens[index];
        const QImage picture(QString::fromStdString(picturePath));
        vprinter::PaperBitmap goldenDots;
        if (picture.isNull())
            return stop(EXIT_FILE,
                        Fill(QCoreApplication::translate("cli-render", "cannot read %1"), {picturePath}));
        if (!vprinter::ReceiptDotsFromImage(picture, *width, &goldenDots)) {
            // Say what the golden is, when it is a receipt of the other model.
            vprinter::PaperBitmap other;
            for (const int model : {vprinter::PRN_WIDTH_58MM, vprinter::PRN_WIDTH_80MM})
                if (model != *width && vprinter::ReceiptDotsFromImage(picture, model, &other))
                    return stop(EXIT_REFUSED,
                                Fill(QCoreApplication::translate(
                                         "cli-render", "%1 is a receipt of %2 dots, not of %3 (--model)"),
                                     {picturePath, std::to_string(model), std::to_string(*width)}));
            return stop(EXIT_REFUSED,
                        Fill(QCoreApplication::translate(
                                 "cli-render", "%1 is no receipt of %2 dots (--model): it is %3 pixels wide"),
                             {picturePath, std::to_string(*width), std::to_string(picture.width())}));
        }
        Comparison c;
        c.golden = picturePath;
        c.madeRows = made.Height();
        c.goldenRows = goldenDots.Height();
        c.difference = vprinter::CompareDots(made, goldenDots);
        // --diff shows the first receipt that differs.
        if (!diff.empty() && !c.difference.Identical() && !check.diffWritten) {
            check.diffWritten = true;
            if (!vprinter::DifferenceImage(made, goldenDots).save(QString::fromStdString(diff), "PNG"))
                stop(EXIT_FILE,
                     Fill(QCoreApplication::translate("cli-render", "cannot write %1"), {diff}));
        }
        check.compared.push_back(std::move(c));
    };
    vprinter::ReceiptRenderer renderer(
        *width,
        [&](const vprinter::PaperBitmap& paper, vprinter::ReceiptEnd end,
            const vprinter::StoredSettings& stored) {
            ++receipts;
            if (failed) return;
            if (writing) {
                const std::string file =
                    QDir(folder)
                        .filePath(QString::asprintf("receipt-%04zu.png", written.size() + 1))
                        .toStdString();
                const auto look = vprinter::ReceiptLook::From(
                    stored, end == vprinter::ReceiptEnd::Cut, args.Has("plain"));
                std::string failure;
                if (!vprinter::SaveReceiptPng(paper, look, file, &failure)) return stop(EXIT_FILE, failure);
                written.push_back(file);
                if (!json) std::printf("%s\n", file.c_str());
            }
            if (!golden.empty()) compare(paper);
        },
        [&](const vprinter::RenderNote& note) {
            if (note.understood) return;
            if (json)
                skipped.push_back(note);
            else
                std::printf("%s\n", NoteLine(note).c_str());
        });
    if (!input.ForEachByteRun(
            kind,
            [&](const uint8_t* data, size_t length) {
                if (!failed) renderer.Feed(data, length);
            },
            error))
        return Fail(EXIT_FILE, name + ": " + error);
    const uint64_t consumed = renderer.Consumed();
    renderer.Finish();
    if (failed) return *failed;
    const bool understood = renderer.AllUnderstood();
    const bool cutShort = consumed < renderer.Bytes();
    const Comparison none;
    const Comparison& firstCompared = check.compared.empty() ? none : check.compared.front();

    if (json) {
        std::string out = "{\"receipts\":[";
        for (size_t i = 0; i < written.size(); ++i) out += (i ? "," : "") + JsonString(written[i]);
        out += "],\"skipped\":[";
        for (size_t i = 0; i < skipped.size(); ++i)
            out += std::string(i ? "," : "") + "{\"offset\":" +
                   (skipped[i].hasOffset ? std::to_string(skipped[i].offset) : "null") +
                   ",\"text\":" + JsonString(skipped[i].text) + "}";
        out += "],\"unfinished_at\":" + (cutShort ? std::to_string(consumed) : "null");
        out += ",\"understood\":" + std::string(understood ? "true" : "false");
        if (!golden.empty())
            out += ",\"compare\":{\"identical\":" + std::string(check.Identical() ? "true" : "false") +
                   ",\"differing_dots\":" + std::to_string(check.Dots()) +
                   ",\"rows\":" + std::to_string(firstCompared.madeRows) +
                   ",\"golden_rows\":" + std::to_string(firstCompared.goldenRows) +
                   ",\"made_receipts\":" + std::to_string(check.made) +
                   ",\"golden_receipts\":" + std::to_string(check.goldens.size()) + "}";
        std::printf("%s}\n", out.c_str());
    } else {
        if (cutShort)
            std::printf("%s\n",
                        Fill(QCoreApplication::translate(
                                 "cli-render", "offset %1: the input ends inside a command"),
                             {std::to_string(consumed)})
                            .c_str());
        if (!golden.empty()) {
            // One receipt against one picture reads as before; more are numbered.
            const bool several = check.made > 1 || check.goldens.size() > 1;
            for (size_t i = 0; i < check.compared.size(); ++i) {
                const std::string text = ComparisonText(check.compared[i]);
                std::printf("%s\n", several ? Fill(QCoreApplication::translate("cli-render",
                                                                                 "receipt %1: %2"),
                                                    {std::to_string(i + 1), text})
                                                   .c_str()
                                             : text.c_str());
            }
            if (check.made != check.goldens.size())
                std::printf("%s\n", Fill(QCoreApplication::translate(
                                              "cli-render",
                                              "the file prints %1 receipts, the golden has %2"),
                                          {std::to_string(check.made),
                                           std::to_string(check.goldens.size())})
                                         .c_str());
        }
    }
    if (receipts == 0)
        std::fprintf(stderr, "%s: %s: %s\n", PROGRAM, name.c_str(),
                     Fill(QCoreApplication::translate("cli-render", "nothing to print")).c_str());
    // A receipt check passes only what was printed whole: a command not carried out
    // fails it whatever the pictures say.
    if (!understood) return EXIT_NOT_UNDERSTOOD;
    if (!golden.empty() && !check.Identical()) return EXIT_RECEIPT_DIFFERS;
    return EXIT_OK;
}

} // namespace cli
