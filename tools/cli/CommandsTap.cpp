// talvane-cli tap: sits between a program and its printer and prints their
// conversation live, one row a line (or a JSON line), with a summary when stopped by
// SIGINT or SIGTERM. Also the capture file's side of `decode`.
#include "console/FileAccess.h"
#include "console/TapSaving.h"
#include "emulator/PrinterState.h"
#include "emulator/ReceiptImage.h"
#include "printer/HexText.h"
#include "serial/PortMap.h"
#include "tap/CaptureFile.h"
#include "tap/RowText.h"
#include "tap/Session.h"
#include "tools/cli/Commands.h"
#include "tools/cli/ExitCodes.h"
#include "tools/cli/StreamedInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace cli {

namespace {

constexpr auto STOP_POLL = std::chrono::milliseconds(20);
// Rows wait here for standard output; past this many bytes of them a reader that fell
// behind misses rows (counted) rather than the tap holding the printer's bytes up or
// growing without end (one row can hold a long command's hex).
constexpr size_t MAX_WAITING_ROW_BYTES = size_t(4) << 20;
// Standard output is written in pieces no larger than a pipe takes without blocking.
constexpr size_t OUTPUT_PIECE = 512;
// At the end, how long standard output may take nothing before the rest is given up.
constexpr auto FINAL_OUTPUT_WAIT = std::chrono::seconds(2);
constexpr const char* CAPTURE_NAME = "capture.txt";

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

std::string CaptureFileError(const files::Failure& failure) {
    return failure.refused
               ? Fill(QCoreApplication::translate("cli-tap", "cannot write the capture file: %1"),
                      {failure.text})
               : Fill(QCoreApplication::translate("cli-tap", "cannot write the capture file %1"),
                      {failure.text});
}

// The rows between the session's threads and standard output. Standard output is
// written only as far as it takes them, so a terminal or pipe that stalls never holds
// the pass-through or a stop signal up.
class RowOutput {
public:
    // A row is dropped (and counted where it would have been) when too many wait,
    // unless it must be shown (the summary).
    void Add(std::string line, bool always = false) {
        std::lock_guard lock(mutex_);
        if (!always && waitingBytes_ + line.size() > MAX_WAITING_ROW_BYTES) {
            if (lines_.empty() || lines_.back().missed == 0) lines_.push_back({{}, 0});
            ++lines_.back().missed;
            ++unshown_;
            return;
        }
        waitingBytes_ += line.size() + 1;
        ++unshown_;
        lines_.push_back({std::move(line), 0});
    }
    // Writes the waiting rows until none is left, `stop` is set or standard output has
    // taken nothing for `wait`; true when none is left.
    bool Flush(std::chrono::milliseconds wait, const std::atomic<bool>* stop) {
        for (;;) {
            if (at_ == piece_.size() && !Next()) return true;
            if (stop != nullptr && stop->load()) return false;
            pollfd out{STDOUT_FILENO, POLLOUT, 0};
            const int ready = ::poll(&out, 1, static_cast<int>(wait.count()));
            if (ready < 0 && errno == EINTR) continue;
            if (ready <= 0) return false;
            const ssize_t n = ::write(STDOUT_FILENO, piece_.data() + at_,
                                      std::min(OUTPUT_PIECE, piece_.size() - at_));
            if (n > 0) {
                at_ += static_cast<size_t>(n);
            } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
                // Nobody reads any more: the rest is not shown.
                return false;
            }
        }
    }
    // Rows not shown (yet): dropped, waiting, or the one under way.
    size_t Unshown() {
        std::lock_guard lock(mutex_);
        return unshown_ + (at_ < piece_.size() ? 1 : 0);
    }

private:
    struct Waiting {
        std::string line;
        size_t missed; // rows dropped here instead of the line
    };
    // Takes the next row to write (or says how many were missed there); false when
    // none waits.
    bool Next() {
        std::lock_guard lock(mutex_);
        piece_.clear();
        at_ = 0;
        if (lines_.empty()) return false;
        Waiting& next = lines_.front();
        if (next.missed > 0) {
            piece_ = Fill(QCoreApplication::translate("cli-tap", "(%1 rows not shown: the output fell behind)"),
                          {std::to_string(next.missed)}) +
                     "\n";
            unshown_ -= next.missed;
        } else {
            piece_ = std::move(next.line) + "\n";
            waitingBytes_ -= piece_.size();
            --unshown_;
        }
        lines_.pop_front();
        return true;
    }

    std::mutex mutex_;
    std::deque<Waiting> lines_;
    size_t waitingBytes_ = 0;
    size_t unshown_ = 0;
    // The row being written, by the main thread only.
    std::string piece_;
    size_t at_ = 0;
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
    struct sigaction oldInt{}, oldTerm{}, oldFileSize{};
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);
    // A file grown past the size limit is a failed write, said like a full disk.
    struct sigaction ignore{};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    sigaction(SIGXFSZ, &ignore, &oldFileSize);
    struct Restore {
        struct sigaction *interrupt, *terminate, *fileSize;
        ~Restore() {
            sigaction(SIGINT, interrupt, nullptr);
            sigaction(SIGTERM, terminate, nullptr);
            sigaction(SIGXFSZ, fileSize, nullptr);
        }
    } restore{&oldInt, &oldTerm, &oldFileSize};
    RowOutput output;
    auto sink = [&](const tap::Row& row) { output.Add(json ? tap::RowJson(row) : tap::RowLine(row)); };
    std::unique_ptr<tap::Session> session = tap::Session::Open(side, printer, sink, error);
    if (!session) return Fail(EXIT_PORT, name + ": " + error);
    std::unique_ptr<ReceiptOutput> receipts;
    if (args.Has("receipts")) {
        receipts = std::make_unique<ReceiptOutput>(args.Get("receipts"), args.Has("plain"));
        if (!receipts->Prepare(error)) return Fail(EXIT_FILE, name + ": " + error);
        session->ReceiptsTo(paperWidth, [&receipts](tap::ExpectedReceipt&& r) { receipts->Add(std::move(r)); });
    }
    // The operator's files, opened once everything else is known to work and written
    // through the one saving path when the run is over (a regular file is replaced only
    // then, whole). Both come from the session's own capture, as the console's do, so
    // the records hold every byte the program sent, decoded in time or not.
    files::Failure failure;
    files::SaveTarget captureFile, recordsFile;
    if (args.Has("capture") && !captureFile.Open(args.Get("capture"), failure))
        return Fail(EXIT_FILE, name + ": " + CaptureFileError(failure));
    if (args.Has("records") && !recordsFile.Open(args.Get("records"), failure))
        return Fail(EXIT_FILE, name + ": " + RecordsFileError(failure));
    QTemporaryDir captureFolder;
    std::string capturePath;
    if (args.Has("capture") || args.Has("records")) {
        capturePath = captureFolder.filePath(QString::fromLatin1(CAPTURE_NAME)).toStdString();
        if (!captureFolder.isValid() || !session->CaptureTo(capturePath, error))
            return Fail(EXIT_FILE, name + ": " + error);
    }
    bool receiptsWritten = true;

    session->Start();
    while (!stopAsked.load()) {
        std::this_thread::sleep_for(STOP_POLL);
        output.Flush(std::chrono::milliseconds(0), &stopAsked);
        if (receipts && !receipts->Write()) receiptsWritten = false;
    }
    session->Stop();
    if (receipts && !receipts->Write()) receiptsWritten = false;

    const tap::Totals totals = session->Summary();
    const size_t peak = session->PeakQueued();
    const std::string captureFailure = session->CaptureFailure();
    session.reset(); // the ports are released before the summary is printed
    std::string summary = json ? tap::SummaryJson(totals, peak) : tap::SummaryLine(totals, peak);
    if (!json && totals.undecodedBytes > 0)
        summary += "; " + std::to_string(totals.undecodedBytes) + " bytes passed without decoding";
    output.Add(summary, true);
    int result = receiptsWritten ? EXIT_OK : EXIT_FILE;
    if (!output.Flush(std::chrono::duration_cast<std::chrono::milliseconds>(FINAL_OUTPUT_WAIT), nullptr)) {
        Fail(EXIT_FAILED,
             name + ": " +
                 Fill(QCoreApplication::translate(
                          "cli-tap", "standard output took no more rows: %1 rows and the summary were not shown"),
                      {std::to_string(output.Unshown())}));
        result = EXIT_FAILED;
    }
    if (!captureFailure.empty()) {
        // A capture cut short is not passed on as if it were the session.
        return Fail(EXIT_FILE,
                    name + ": " +
                        Fill(QCoreApplication::translate(
                                 "cli-tap", "the capture is not whole (%1); no capture or records file was written"),
                             {captureFailure}));
    }
    if (args.Has("capture") && !tapsave::WriteCapture(capturePath, captureFile, failure))
        return Fail(EXIT_FILE, name + ": " + CaptureFileError(failure));
    size_t records = 0;
    if (args.Has("records") && !tapsave::WriteProgramRecords(capturePath, recordsFile, records, failure))
        return Fail(EXIT_FILE, name + ": " + RecordsFileError(failure));
    if (totals.notDeliveredToPrinter > 0)
        return Fail(EXIT_UNDELIVERED,
                    name + ": " +
                        Fill(QCoreApplication::translate("cli-tap", "%1 bytes were not delivered to the printer"),
                             {std::to_string(totals.notDeliveredToPrinter)}));
    return result;
}

int PrintCapture(StreamedInput& input, const std::string& path) {
    std::string error;
    size_t badLine = 0;
    // Refused before its first row, as a records file is.
    if (!input.FirstBadLine(InputKind::Capture, badLine, error)) return Fail(EXIT_FILE, "decode: " + error);
    if (badLine != 0)
        return Fail(EXIT_REFUSED,
                    "decode: " +
                        Fill(QCoreApplication::translate(
                                 "cli-tap", "%1 line %2 is not a capture line (KIND SECONDS DATA)"),
                             {path, std::to_string(badLine)}));
    const tap::Clock::time_point start{};
    tap::Conversation conversation([](const tap::Row& row) {
        std::printf("%s\n", tap::RowLine(row).c_str());
    }, start);
    // Line by line, printed as it goes: memory stays flat however long the capture.
    bool ended = false;
    uint64_t lastUs = 0;
    const bool read = input.ForEachLine([&](std::string_view text, size_t) {
        const tap::CaptureRead line = tap::ReadCapture(text);
        // A capture that says when it began shows the times the tap showed.
        if (line.started) conversation.SetWallStart(*line.started);
        if (!line.line.empty())
            // A row of decode's output, which scripts read: the same in every language.
            conversation.Note("printer's line " + line.line, start);
        for (const tap::CaptureEvent& e : line.events) {
            lastUs = e.atUs;
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
        return true;
    }, error);
    if (!read) return Fail(EXIT_FILE, "decode: " + error);
    // A capture cut short (the tap killed) ends at its last event.
    if (!ended) conversation.Finish(start + std::chrono::microseconds(lastUs));
    std::printf("%s\n", conversation.Summary().Line().c_str());
    return EXIT_OK;
}

} // namespace cli
