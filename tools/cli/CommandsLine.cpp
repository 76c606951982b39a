// The subcommands around the line itself: the port list, sending bytes, hex text or a
// records file, decoding a capture, the printer's status and watching what comes back.

#include "console/RecordDecoder.h"
#include "eventlog/EventLog.h"
#include "pages/rules/HexData.h"
#include "printer/HexText.h"
#include "printer/ReplyDecoder.h"
#include "serial/PortMap.h"
#include "tools/cli/Commands.h"
#include "tap/CaptureFile.h"
#include "tap/CommandDecode.h"
#include "tools/cli/ExitCodes.h"
#include "tools/cli/StopSignals.h"
#include "tools/cli/StreamedInput.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace cli {


namespace {

constexpr long DEFAULT_STATUS_TIMEOUT_MS = 1000;
constexpr auto MONITOR_POLL = std::chrono::milliseconds(100);

struct ConditionReport {
    PrinterCondition condition;
    const char* text; // as the status panel's lamp names it; translated
    const char* key;  // in --json
    int exitCode;
};
// In the order of their exit codes: with several present, the first one decides.
constexpr ConditionReport CONDITION_REPORTS[] = {
    {PrinterCondition::PaperEnd, QT_TRANSLATE_NOOP("cli-line", "paper end"), "paper_end",
     EXIT_PAPER_END},
    {PrinterCondition::PlatenUp, QT_TRANSLATE_NOOP("cli-line", "platen up"), "platen_up",
     EXIT_PLATEN_UP},
    {PrinterCondition::Cutter, QT_TRANSLATE_NOOP("cli-line", "cutter error"), "cutter_error",
     EXIT_CUTTER},
    {PrinterCondition::Overheat, QT_TRANSLATE_NOOP("cli-line", "overheat"), "overheat",
     EXIT_OVERHEAT},
    {PrinterCondition::OverVoltage, QT_TRANSLATE_NOOP("cli-line", "over-voltage"), "over_voltage",
     EXIT_OVERVOLTAGE},
};

// Automatic status back for every condition (as the console's "Read status" asks),
// and none.
constexpr uint8_t AUTO_STATUS_ALL = 0x2F;
constexpr uint8_t AUTO_STATUS_OFF = 0x00;

// Sends GS a n and waits until it has left; its row is added to `sent`.
bool SwitchAutoStatus(PrinterPort& port, uint8_t n, std::vector<std::string>& sent) {
    CVRNX_LIB& lib = port.Library();
    lib.EnableSentRecord(1);
    lib.SetAutoStatusBack(n);
    sent.push_back(lib.TakeSentText());
    std::string error;
    return port.Drain(0, false, error) == EXIT_OK;
}

std::string Trimmed(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string ByteHex(uint8_t value) {
    std::string text = ToHexText(&value, 1);
    text.pop_back();
    return text;
}

// The conditions a status byte reported, as text ("ready" when none).
std::string ConditionText(const CVRNX_LIB& parser) {
    std::string text;
    for (const ConditionReport& report : CONDITION_REPORTS)
        if (parser.IsConditionSet(report.condition))
            text += std::string(text.empty() ? "" : ", ") +
                    Fill(QCoreApplication::translate("cli-line", report.text));
    return text.empty() ? Fill(QCoreApplication::translate("cli-line", "ready")) : text;
}

} // namespace

int RunPorts(int argc, char** argv, int first) {
    ParsedArgs args;
    int exitCode = EXIT_OK;
    // Each --port PATH joins the list, as it does for the console.
    std::vector<OptionSpec> optionList = {{"json", false}};
    std::vector<std::string> paths;
    std::vector<char*> rest(argv, argv + argc);
    for (int i = first; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--port" && i + 1 < argc) {
            paths.push_back(argv[i + 1]);
            rest[static_cast<size_t>(i)] = rest[static_cast<size_t>(i) + 1] = nullptr;
            ++i;
        } else if (arg.rfind("--port=", 0) == 0) {
            paths.push_back(arg.substr(std::char_traits<char>::length("--port=")));
            rest[static_cast<size_t>(i)] = nullptr;
        }
    }
    rest.erase(std::remove(rest.begin(), rest.end(), nullptr), rest.end());
    if (!ParseFor(static_cast<int>(rest.size()), rest.data(), first, "ports", optionList, false, args,
                  exitCode))
        return exitCode;
    if (!args.operands.empty())
        return UsageError("ports",
                          Fill(QCoreApplication::translate("cli", "unexpected operand \"%1\""),
                               {args.operands[0]}));
    PortMap& map = PortMap::Global();
    for (const std::string& path : paths) map.AddCommandLinePort(path);
    const auto entries = map.Entries();
    if (args.Has("json")) {
        QJsonArray list;
        for (const PortEntry& e : entries) {
            list.append(QJsonObject{{"name", QStringLiteral("COM%1").arg(e.number)},
                                    {"number", static_cast<int>(e.number)},
                                    {"path", QString::fromStdString(e.path)},
                                    {"display", QString::fromStdString(e.display)}});
        }
        std::fputs(QJsonDocument(list).toJson(QJsonDocument::Indented).constData(), stdout);
        return EXIT_OK;
    }
    if (entries.empty())
        std::printf("%s\n",
                    Fill(QCoreApplication::translate(
                             "cli-line", "No serial ports found. Name one with --port PATH."))
                        .c_str());
    for (const PortEntry& e : entries) std::printf("%s\n", e.display.c_str());
    return EXIT_OK;
}

int RunSend(int argc, char** argv, int first) {
    const std::string name = "send";
    ParsedArgs args;
    int exitCode = EXIT_OK;
    if (!ParseFor(argc, argv, first, name, {{"hex", true}, {"records", true}, {"capture", true}}, true,
                  args, exitCode))
        return exitCode;
    const int sources = static_cast<int>(args.Has("hex")) + static_cast<int>(args.Has("records")) +
                        static_cast<int>(!args.operands.empty());
    if (args.Has("capture") && (sources != 0 || !args.operands.empty()))
        return UsageError(name, Fill(QCoreApplication::translate(
                                    "cli-tap", "--capture goes alone, without FILE, --hex or --records")));
    if ((sources != 1 && !args.Has("capture")) || args.operands.size() > 1)
        return UsageError(
            name, Fill(QCoreApplication::translate(
                      "cli-line", "give exactly one of FILE, --hex TEXT or --records FILE")));
    std::string error;
    const auto common = ReadCommon(args, error);
    if (!common) return UsageError(name, error);

    std::vector<std::string> records;
    if (args.Has("hex")) {
        // The code pages' reader: a pair that is not hexadecimal refuses the whole text.
        const HexData hex = ReadHexData(args.Get("hex"));
        if (!hex.wellFormed)
            return Fail(EXIT_REFUSED,
                        name + ": " +
                            Fill(QCoreApplication::translate(
                                     "cli-line", "--hex holds something that is not hexadecimal: "
                                                 "\"%1\" (nothing was sent)"),
                                 {args.Get("hex")}));
        if (hex.bytes.empty())
            return Fail(EXIT_REFUSED,
                        name + ": " +
                            Fill(QCoreApplication::translate(
                                "cli-line", "--hex holds no byte (nothing was sent)")));
        records.push_back(ToHexText(hex.bytes.data(), hex.bytes.size()));
    } else if (args.Has("capture")) {
        // A tap's capture: what the program sent, in order, as one piece.
        const std::string path = args.Get("capture");
        const auto content = ReadInputFile(path, error);
        if (!content) return Fail(EXIT_FILE, name + ": " + error);
        const std::string_view text(content->constData(), static_cast<size_t>(content->size()));
        const tap::CaptureRead read = tap::ReadCapture(text);
        if (!tap::IsCapture(text) || !read.ok)
            return Fail(EXIT_REFUSED, name + ": " +
                                          QCoreApplication::translate("cli-tap", "%1 is not a tap capture file (line %2); nothing was sent")
                                              .arg(QString::fromStdString(path))
                                              .arg(read.ok ? 1 : read.badLine)
                                              .toStdString());
        std::vector<uint8_t> sent;
        for (const tap::CaptureEvent& event : read.events)
            if (event.kind == '>') sent.insert(sent.end(), event.bytes.begin(), event.bytes.end());
        if (sent.empty())
            return Fail(EXIT_REFUSED, name + ": " +
                                          QCoreApplication::translate("cli-tap", "%1 holds nothing the program sent; nothing was sent")
                                              .arg(QString::fromStdString(path))
                                              .toStdString());
        records.push_back(ToHexText(sent.data(), sent.size()));
    } else if (args.Has("records")) {
        const std::string path = args.Get("records");
        const auto content = ReadInputFile(path, error);
        if (!content) return Fail(EXIT_FILE, name + ": " + error);
        const records::ImportResult result = records::ParseRecordsFile(
            std::string_view(content->constData(), static_cast<size_t>(content->size())));
        if (!result.ok)
            return Fail(EXIT_REFUSED,
                        name + ": " +
                            Fill(QCoreApplication::translate(
                                     "cli-line", "%1 line %2 is not a records line (only hex text "
                                                 "before \"//\"); nothing was sent"),
                                 {path, std::to_string(result.badLine)}));
        if (result.records.empty())
            return Fail(EXIT_REFUSED,
                        name + ": " +
                            Fill(QCoreApplication::translate(
                                     "cli-line", "%1 holds no records; nothing was sent"),
                                 {path}));
        records = result.records;
    } else {
        const auto content = ReadInputFile(args.operands[0], error);
        if (!content) return Fail(EXIT_FILE, name + ": " + error);
        if (content->isEmpty()) {
            std::fprintf(
                stderr, "%s: %s\n", PROGRAM,
                Fill(QCoreApplication::translate("cli-line", "%1 is empty; nothing was sent"),
                     {args.operands[0]})
                    .c_str());
            return EXIT_OK;
        }
        records.push_back(ToHexText(content->constData(), static_cast<size_t>(content->size())));
    }
    return Deliver(*common, records, isatty(STDERR_FILENO) == 1);
}

int RunDecode(int argc, char** argv, int first) {
    const std::string name = "decode";
    ParsedArgs args;
    int exitCode = EXIT_OK;
    if (!ParseFor(argc, argv, first, name, {{"raw", false}, {"replies", false}}, false, args,
                  exitCode))
        return exitCode;
    if (args.operands.size() > 1)
        return UsageError(name,
                          Fill(QCoreApplication::translate("cli", "unexpected operand \"%1\""),
                               {args.operands[1]}));
    const std::string path = args.operands.empty() ? "-" : args.operands[0];
    std::string error;
    // Read piece by piece and printed as it is read: memory stays flat however long the
    // input. A text file is checked whole before its first line is printed.
    StreamedInput input;
    if (!input.Open(path, error)) return Fail(EXIT_FILE, name + ": " + error);
    const InputKind kind = input.Kind(args.Has("raw"));
    if (kind == InputKind::Capture) return PrintCapture(input, path);
    size_t badLine = 0;
    if (!input.FirstBadLine(kind, badLine, error)) return Fail(EXIT_FILE, name + ": " + error);
    if (badLine != 0)
        return Fail(EXIT_REFUSED,
                    name + ": " +
                        Fill(QCoreApplication::translate(
                                 "cli-render",
                                 "%1 line %2 is not a records line (only hex text before \"//\"); "
                                 "nothing was printed"),
                             {input.Shown(), std::to_string(badLine)}));
    bool read = true;
    if (args.Has("replies")) {
        ReplyDecoder decoder;
        DecodedReply reply;
        read = input.ForEachByteRun(kind, [&](const uint8_t* data, size_t length) {
            for (size_t i = 0; i < length; ++i)
                if (decoder.Feed(data[i], reply)) std::printf("%s\n", reply.Line().c_str());
        }, error);
        if (read && decoder.IsCollecting()) std::printf("(a response without its closing 00 at the end)\n");
    } else if (kind == InputKind::Records) {
        // One decoder for the whole file: a code page chosen on one line holds for the next.
        tap::PieceDecoder decoder;
        read = input.ForEachLine([&decoder](std::string_view line, size_t) {
            for (const std::string& record : records::ParseRecordsFile(line).records)
                std::printf("%s\n", decoder.Line(FromHexText(record)).c_str());
            return true;
        }, error);
    } else {
        tap::CommandSplitter splitter;
        tap::PieceDecoder decoder;
        const auto print = [&decoder](std::vector<uint8_t>&& piece) {
            std::printf("%s\n", decoder.Line(piece).c_str());
        };
        read = input.ForEachPiece(
            [&](const uint8_t* data, size_t length) { splitter.Feed(data, length, print); }, error);
        splitter.FlushText(print);
        if (splitter.HasUnfinished()) print(splitter.TakeUnfinished());
    }
    if (!read) return Fail(EXIT_FILE, name + ": " + error);
    return EXIT_OK;
}

int RunStatus(int argc, char** argv, int first) {
    const std::string name = "status";
    ParsedArgs args;
    int exitCode = EXIT_OK;
    if (!ParseFor(argc, argv, first, name, {{"json", false}, {"timeout", true}}, true, args,
                  exitCode))
        return exitCode;
    if (!args.operands.empty())
        return UsageError(name,
                          Fill(QCoreApplication::translate("cli", "unexpected operand \"%1\""),
                               {args.operands[0]}));
    std::string error;
    const auto common = ReadCommon(args, error);
    if (!common) return UsageError(name, error);
    std::optional<long> timeout;
    if (!ReadIntOption(args, "timeout", timeout, error)) return UsageError(name, error);
    if (timeout && *timeout <= 0)
        return UsageError(name,
                          Fill(QCoreApplication::translate(
                              "cli-line", "--timeout needs a positive number of milliseconds")));
    const auto wait = std::chrono::milliseconds(timeout.value_or(DEFAULT_STATUS_TIMEOUT_MS));

    RecordsOutput output;
    if (!output.Begin(common->recordPath, error)) return Fail(EXIT_FILE, error);
    PrinterPort port;
    const int opened = port.Open(common->port, error);
    if (opened != EXIT_OK) return Fail(opened, error);
    CVRNX_LIB& lib = port.Library();
    lib.EnableSentRecord(1);
    lib.RequestStatus();
    const std::vector<std::string> sent = {lib.TakeSentText()};
    const int drained = port.Drain(0, false, error);
    if (drained != EXIT_OK)
        return Fail(drained, Fill(QCoreApplication::translate("cli-line", "no status request: %1"),
                                  {error}));
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!lib.IsStatusReceived()) {
        // A printer that went away will not answer: said at once, as send says it.
        if (port.DeviceGone())
            return Fail(EXIT_PORT,
                        Fill(QCoreApplication::translate("cli-line", "%1 before it answered"),
                             {port.GoneText()}));
        if (StopSignal())
            return Fail(
                StopExitCode(),
                Fill(QCoreApplication::translate(
                         "cli-line",
                         "stopped by %1 while waiting for the status (the request was sent)"),
                     {StopSignalName()}));
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) break;
        for (const uint8_t b : port.Receive(left)) {
            if (lib.IsStatusReceived()) break;
            lib.ParseStatusByte(b);
        }
    }
    if (!output.Finish(sent, error)) return Fail(EXIT_FILE, error);

    const bool answered = lib.IsStatusReceived();
    int code = answered ? EXIT_OK : EXIT_NO_ANSWER;
    QJsonArray conditions;
    if (answered) {
        for (const ConditionReport& report : CONDITION_REPORTS) {
            if (!lib.IsConditionSet(report.condition)) continue;
            conditions.append(QString::fromLatin1(report.key));
            if (code == EXIT_OK) code = report.exitCode;
        }
    }
    if (args.Has("json")) {
        QJsonObject json{{"port", QString::fromStdString(port.Description())},
                         {"answered", answered},
                         {"ready", answered && conditions.isEmpty()},
                         {"conditions", conditions},
                         {"exit", code}};
        if (answered) json.insert("status", QString::fromStdString(ByteHex(lib.GetLastStatus())));
        std::fputs(QJsonDocument(json).toJson(QJsonDocument::Compact).constData(), stdout);
        std::fputc('\n', stdout);
    } else if (answered) {
        std::printf("%s\n",
                    Fill(QCoreApplication::translate("cli-line", "%1: status %2: %3"),
                         {port.Description(), ByteHex(lib.GetLastStatus()), ConditionText(lib)})
                        .c_str());
    } else {
        std::printf("%s\n",
                    Fill(QCoreApplication::translate("cli-line", "%1: no answer within %2 ms"),
                         {port.Description(), std::to_string(wait.count())})
                        .c_str());
    }
    return code;
}

int RunMonitor(int argc, char** argv, int first) {
    const std::string name = "monitor";
    ParsedArgs args;
    int exitCode = EXIT_OK;
    if (!ParseFor(argc, argv, first, name, {{"time", false}, {"auto-status", false}}, true, args,
                  exitCode))
        return exitCode;
    const bool stamped = args.Has("time");
    const bool autoStatus = args.Has("auto-status");
    if (!args.operands.empty())
        return UsageError(name,
                          Fill(QCoreApplication::translate("cli", "unexpected operand \"%1\""),
                               {args.operands[0]}));
    std::string error;
    const auto common = ReadCommon(args, error);
    if (!common) return UsageError(name, error);
    RecordsOutput output;
    if (!output.Begin(common->recordPath, error)) return Fail(EXIT_FILE, error);
    PrinterPort port;
    const int opened = port.Open(common->port, error);
    if (opened != EXIT_OK) return Fail(opened, error);

    // Stopping is how a watch ends: the signal (caught since the port opened) ends it
    // with 0.
    // --auto-status: the printer reports each change by itself for the run, and stops
    // again at its end.
    std::vector<std::string> sent;
    if (autoStatus && !SwitchAutoStatus(port, AUTO_STATUS_ALL, sent))
        return Fail(EXIT_PORT, Fill(QCoreApplication::translate(
                                        "cli-line", "the printer on %1 took no command"),
                                    {port.Description()}));
    std::fprintf(stderr, "%s: %s\n", PROGRAM,
                 Fill(QCoreApplication::translate("cli-line", "watching %1; Ctrl+C ends"),
                      {port.Description()})
                     .c_str());
    // A parser of its own with no port: clearing its status flag before each byte
    // shows which bytes were status bytes, and it writes nothing.
    CVRNX_LIB decoder;
    while (!StopSignal()) {
        const std::vector<uint8_t> bytes = port.Receive(MONITOR_POLL);
        if (!bytes.empty())
            std::printf("%s%s\n",
                        stamped ? (eventlog::TimeText(std::chrono::system_clock::now()) + ' ').c_str() : "",
                        Trimmed(ToHexText(bytes.data(), bytes.size())).c_str());
        for (const uint8_t b : bytes) {
            const bool inResponse = decoder.IsCollectingResponse();
            decoder.RequestStatus();
            decoder.ParseStatusByte(b);
            if (decoder.IsStatusReceived())
                std::printf("  %s\n", Fill(QCoreApplication::translate("cli-line", "status %1: %2"),
                                           {ByteHex(b), ConditionText(decoder)})
                                          .c_str());
            else if (inResponse && !decoder.IsCollectingResponse())
                std::printf("  %s\n",
                            Fill(QCoreApplication::translate("cli-line", "response %1: \"%2\""),
                                 {ByteHex(decoder.GetResponseId()), decoder.GetResponseText()})
                                .c_str());
            else if (const char* flow = FlowControlWords(b); flow && !inResponse)
                std::printf("  %s %s\n", ByteHex(b).c_str(), flow);
        }
        std::fflush(stdout);
        // Nobody reads the watch any more: it ends, and the tool says so at its end.
        if (std::ferror(stdout)) break;
        if (port.DeviceGone())
            return Fail(EXIT_PORT, Fill(QCoreApplication::translate(
                                            "cli-line", "%1 went away (unplugged or hung up)"),
                                        {port.Description()}));
    }
    // The signal that ended the watch is its normal end: the printer is still told to
    // stop reporting, and that write must not be cut short by it.
    ForgetStopSignal();
    if (autoStatus && !SwitchAutoStatus(port, AUTO_STATUS_OFF, sent))
        return Fail(EXIT_PORT, Fill(QCoreApplication::translate(
                                        "cli-line", "the printer on %1 took no command"),
                                    {port.Description()}));
    if (!output.Finish(sent, error)) return Fail(EXIT_FILE, error);
    return EXIT_OK;
}

} // namespace cli
