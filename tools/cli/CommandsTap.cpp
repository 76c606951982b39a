// talvane-cli tap: sits between a program and its printer and prints their
// conversation live, one row a line (or a JSON line), with a summary when stopped by
// SIGINT or SIGTERM. Also the capture file's side of `decode`.
#include "console/RecordDecoder.h"
#include "emulator/PrinterState.h"
#include "emulator/ReceiptImage.h"
#include "printer/HexText.h"
#include "serial/PortMap.h"
#include "tap/CaptureFile.h"
#include "tap/RowText.h"
#include "tap/Session.h"
#include "tools/cli/Commands.h"
#include "tools/cli/ExitCodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <fstream>
#include <mutex>
#include <thread>

namespace cli {

namespace {

constexpr auto STOP_POLL = std::chrono::milliseconds(20);
// Rows wait here for standard output; a reader that falls this far behind misses rows
// (counted) rather than hold the printer's bytes up.
constexpr size_t MAX_WAITING_ROWS = 65536;

std::atomic<bool> stopAsked{false};

void OnStopSignal(int) {
    stopAsked.store(true);
}

// The port as the other subcommands name it (COM<n> or a path) as a path.
bool PrinterPath(const std::string& name, std::string& path, std::string& error) {
    const uint32_t number = ResolvePort(name, error);
    if (number == 0) return false;
    path = PortMap::Global().PathFor(number).value_or(name);
    return true;
}

bool WriteRecords(const std::string& path, const std::vector<std::string>& records, std::string& error) {
    std::vector<std::string_view> views(records.begin(), records.end());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << records::FormatRecordsFile(views);
    out.close();
    if (!out) {
        error = Fill(QCoreApplication::translate("cli-tap", "cannot write %1"), {path});
        return false;
    }
    return true;
}

// The rows between the session's threads and standard output, so a slow terminal or
// pipe never stalls the pass-through.
class RowOutput {
public:
    void Add(std::string line) {
        std::lock_guard lock(mutex_);
        if (lines_.size() >= MAX_WAITING_ROWS) {
            ++missed_;
            return;
        }
        lines_.push_back(std::move(line));
    }
    void Print() {
        std::deque<std::string> lines;
        size_t missed = 0;
        {
            std::lock_guard lock(mutex_);
            lines.swap(lines_);
            std::swap(missed, missed_);
        }
        if (missed > 0)
            std::printf("%s\n", Fill(QCoreApplication::translate(
                                         "cli-tap", "(%1 rows not shown: the output fell behind)"),
                                     {std::to_string(missed)})
                                    .c_str());
        for (const std::string& line : lines) std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }

private:
    std::mutex mutex_;
    std::deque<std::string> lines_;
    size_t missed_ = 0;
};

// The expected receipts, handed over by the session's thread and written as pictures
// by the main loop, so making a picture never holds the decoding up.
class ReceiptOutput {
public:
    ReceiptOutput(std::string folder, bool plain) : folder_(std::move(folder)), plain_(plain) {}
    bool Prepare(std::string& error) {
        if (QDir().mkpath(QString::fromStdString(folder_))) return true;
        error = QCoreApplication::translate("cli-tap", "cannot create the receipts folder %1")
                    .arg(QString::fromStdString(folder_))
                    .toStdString();
        return false;
    }
    void Add(tap::ExpectedReceipt&& receipt) {
        std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(receipt));
    }
    // False when a picture could not be written (said on standard error).
    bool Write() {
        std::deque<tap::ExpectedReceipt> receipts;
        {
            std::lock_guard lock(mutex_);
            receipts.swap(waiting_);
        }
        bool ok = true;
        for (const tap::ExpectedReceipt& r : receipts) {
            const std::string path = NextPath();
            const auto look = vprinter::ReceiptLook::From(
                r.stored, r.densityBands, r.end == vprinter::ReceiptEnd::Cut, plain_);
            std::string error;
            if (!vprinter::SaveReceiptPng(r.paper, look, path, &error)) {
                std::fprintf(stderr, "tap: %s\n", error.c_str());
                ok = false;
                continue;
            }
            const QString said = QCoreApplication::translate("cli-tap", "tap: receipt %1 (%2 dot rows)")
                                     .arg(QString::fromStdString(path))
                                     .arg(r.paper.Height());
            std::fprintf(stderr, "%s\n", said.toLocal8Bit().constData());
        }
        return ok;
    }

private:
    // receipt-0001.png, ... as the virtual printer names them, after those already there.
    std::string NextPath() {
        for (;; ++next_) {
            const QString name = QString::asprintf("receipt-%04d.png", next_);
            const QString path = QDir(QString::fromStdString(folder_)).filePath(name);
            if (!QFileInfo::exists(path)) {
                ++next_;
                return path.toStdString();
            }
        }
    }

    std::string folder_;
    bool plain_;
    int next_ = 1;
    std::mutex mutex_;
    std::deque<tap::ExpectedReceipt> waiting_;
};

} // namespace

int RunTap(int argc, char** argv, int first) {
    const std::string name = "tap";
    ParsedArgs args;
    int exitCode = EXIT_OK;
    if (!ParseFor(argc, argv, first, name,
                  {{"program", true}, {"printer", true}, {"capture", true}, {"records", true},
                   {"json", false}, {"receipts", true}, {"model", true}, {"plain", false}},
                  false, args, exitCode))
        return exitCode;
    if (!args.operands.empty())
        return UsageError(name,
                          Fill(QCoreApplication::translate("cli", "unexpected operand \"%1\""),
                               {args.operands[0]}));
    if (!args.Has("program"))
        return UsageError(name,
                          Fill(QCoreApplication::translate(
                              "cli-tap", "--program is needed (pty:PATH, tcp-listen:ADDR:PORT or "
                                         "passive:PORTA,PORTB)")));
    std::string error;
    tap::ProgramSide side;
    if (!tap::ParseProgramSide(args.Get("program"), side, error)) return UsageError(name, error);
    std::string printer;
    if (side.kind == tap::ProgramSide::Kind::Passive) {
        if (args.Has("printer"))
            return UsageError(
                name,
                Fill(QCoreApplication::translate(
                    "cli-tap", "a passive tap has no --printer: both lines are in --program")));
        if (!PrinterPath(side.path, side.path, error) || !PrinterPath(side.other, side.other, error))
            return Fail(EXIT_PORT, name + ": " + error);
    } else {
        if (!args.Has("printer"))
            return UsageError(
                name,
                Fill(QCoreApplication::translate(
                    "cli-tap", "--printer is needed (COM<n>, a device path or tcp://HOST:PORT)")));
        if (!PrinterPath(args.Get("printer"), printer, error)) return Fail(EXIT_PORT, name + ": " + error);
    }
    int paperWidth = vprinter::PRN_WIDTH_58MM;
    const std::string model = args.Get("model", "58");
    if (model == "80")
        paperWidth = vprinter::PRN_WIDTH_80MM;
    else if (model != "58")
        return UsageError(name, QCoreApplication::translate("cli-tap", "--model takes 58 or 80").toStdString());
    if ((args.Has("model") || args.Has("plain")) && !args.Has("receipts"))
        return UsageError(name, QCoreApplication::translate("cli-tap", "--model and --plain go with --receipts")
                                    .toStdString());
    const bool json = args.Has("json");
    // From here on a stop signal ends the tap cleanly, even one that comes while the
    // ports are still being opened.
    stopAsked.store(false);
    struct sigaction action{};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    struct sigaction oldInt{}, oldTerm{};
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);
    const std::string recordsPath = args.Get("records");
    std::vector<std::string> records;
    RowOutput output;
    auto sink = [&](const tap::Row& row) {
        output.Add(json ? tap::RowJson(row) : tap::RowLine(row));
        if (!recordsPath.empty() && row.direction == tap::Direction::ToPrinter && !row.bytes.empty())
            records.push_back(ToHexText(row.bytes.data(), row.bytes.size()));
    };
    std::unique_ptr<tap::Session> session = tap::Session::Open(side, printer, sink, error);
    if (!session) return Fail(EXIT_PORT, name + ": " + error);
    if (args.Has("capture") && !session->CaptureTo(args.Get("capture"), error))
        return Fail(EXIT_FILE, name + ": " + error);
    std::unique_ptr<ReceiptOutput> receipts;
    if (args.Has("receipts")) {
        receipts = std::make_unique<ReceiptOutput>(args.Get("receipts"), args.Has("plain"));
        if (!receipts->Prepare(error)) return Fail(EXIT_FILE, name + ": " + error);
        session->ReceiptsTo(paperWidth, [&receipts](tap::ExpectedReceipt&& r) { receipts->Add(std::move(r)); });
    }
    bool receiptsWritten = true;

    session->Start();
    while (!stopAsked.load()) {
        std::this_thread::sleep_for(STOP_POLL);
        output.Print();
        if (receipts && !receipts->Write()) receiptsWritten = false;
    }
    session->Stop();
    output.Print();
    if (receipts && !receipts->Write()) receiptsWritten = false;
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);

    const tap::Totals totals = session->Summary();
    const size_t peak = session->PeakQueued();
    session.reset(); // the ports are released before the summary is printed
    std::printf("%s\n", json ? tap::SummaryJson(totals, peak).c_str() : tap::SummaryLine(totals, peak).c_str());
    std::fflush(stdout);
    if (!recordsPath.empty() && !WriteRecords(recordsPath, records, error))
        return Fail(EXIT_FILE, name + ": " + error);
    if (totals.notDeliveredToPrinter > 0)
        return Fail(EXIT_UNDELIVERED,
                    name + ": " +
                        Fill(QCoreApplication::translate("cli-tap", "%1 bytes were not delivered to the printer"),
                             {std::to_string(totals.notDeliveredToPrinter)}));
    return receiptsWritten ? EXIT_OK : EXIT_FILE;
}

int PrintCapture(std::string_view content, const std::string& path) {
    const tap::CaptureRead read = tap::ReadCapture(content);
    if (!read.ok)
        return Fail(EXIT_REFUSED,
                    "decode: " +
                        Fill(QCoreApplication::translate(
                                 "cli-tap", "%1 line %2 is not a capture line (KIND SECONDS DATA)"),
                             {path, std::to_string(read.badLine)}));
    const tap::Clock::time_point start{};
    tap::Conversation conversation([](const tap::Row& row) {
        std::printf("%s\n", tap::RowLine(row).c_str());
    }, start);
    // A capture that says when it began shows the times the tap showed.
    if (read.started) conversation.SetWallStart(*read.started);
    if (!read.line.empty())
        // A row of decode's output, which scripts read: the same in every language.
        conversation.Note("printer's line " + read.line, start);
    bool ended = false;
    for (const tap::CaptureEvent& e : read.events) {
        const auto at = start + std::chrono::microseconds(e.atUs);
        conversation.Tick(at);
        switch (e.kind) {
        case '>': conversation.FromProgram(e.bytes.data(), e.bytes.size(), at); break;
        case '<': conversation.FromPrinter(e.bytes.data(), e.bytes.size(), at); break;
        case 'L':
            // XON and XOFF are flow control as the tap took them: on a line that uses it.
            conversation.SetLineUsesXonXoff(e.text.find(" xonxoff") != std::string::npos);
            conversation.Note("line settings " + e.text, at);
            break;
        default:
            if (e.text.rfind(tap::NOTE_PRINTER_BACK, 0) == 0) {
                conversation.PrinterBack(e.text, at);
            } else if (e.text == tap::NOTE_PROGRAM_GONE) {
                conversation.ProgramEnded(e.text, at);
            } else if (e.text == tap::NOTE_SESSION_ENDED) {
                conversation.Finish(at);
                ended = true;
            } else {
                conversation.Note(e.text, at);
            }
            break;
        }
    }
    // A capture cut short (the tap killed) ends at its last event.
    if (!ended)
        conversation.Finish(start + std::chrono::microseconds(read.events.empty() ? 0 : read.events.back().atUs));
    std::printf("%s\n", conversation.Summary().Line().c_str());
    return EXIT_OK;
}

} // namespace cli
