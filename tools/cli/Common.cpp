#include "tools/cli/Commands.h"

#include "host/PortSetup.h"
#include "console/FileAccess.h"
#include "console/RecordDecoder.h"
#include "console/TalvaneDlg.h"
#include "tap/CommandDecode.h"
#include "tools/cli/ExitCodes.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <cstdio>

namespace cli {

namespace {

// Bigger inputs are refused: a mistaken path (or an endless FIFO) must not eat the
// memory. The reading itself stops there, whatever size the file reports.
constexpr size_t INPUT_FILE_LIMIT = size_t(64) << 20;
constexpr long MODEL_58MM = 58;
constexpr long MODEL_80MM = 80;

struct HandshakeName {
    const char* name;
    int item; // the console's handshake list item
};
constexpr HandshakeName HANDSHAKE_NAMES[] = {
    {"none", flow::HANDSHAKE_NONE},
    {"rtscts", flow::HANDSHAKE_RTS_CTS},
    {"xonxoff", flow::HANDSHAKE_XON_XOFF},
};

} // namespace

std::vector<OptionSpec> PortOptions() {
    return {{"port", true}, {"baud", true}, {"handshake", true}, {"model", true}, {"record", true}};
}

std::optional<Common> ReadCommon(const ParsedArgs& args, std::string& error) {
    Common common;
    common.port.port = args.Get("port");
    if (common.port.port.empty()) {
        error = Fill(QCoreApplication::translate(
            "cli", "--port is missing: name the printer's port (COM<n> from talvane-cli ports, "
                   "or a device path)"));
        return std::nullopt;
    }
    if (args.Has("baud")) {
        const auto baud = ParseInteger(args.Get("baud"));
        if (!baud || *baud <= 0 || *baud > UINT32_MAX) {
            error =
                Fill(QCoreApplication::translate(
                         "cli", "--baud needs a positive number of bits per second, not \"%1\""),
                     {args.Get("baud")});
            return std::nullopt;
        }
        common.port.baud = static_cast<uint32_t>(*baud);
    }
    if (args.Has("handshake")) {
        const std::string name = args.Get("handshake");
        bool found = false;
        for (const HandshakeName& h : HANDSHAKE_NAMES) {
            if (name == h.name) {
                common.port.handshake = h.item;
                found = true;
            }
        }
        if (!found) {
            error = Fill(QCoreApplication::translate(
                             "cli", "--handshake is none, rtscts or xonxoff, not \"%1\""),
                         {name});
            return std::nullopt;
        }
    }
    common.printableWidth = CTalvaneDlg::WIDTH_58MM;
    if (args.Has("model")) {
        const auto model = ParseInteger(args.Get("model"));
        if (model == MODEL_58MM) {
            common.printableWidth = CTalvaneDlg::WIDTH_58MM;
        } else if (model == MODEL_80MM) {
            common.printableWidth = CTalvaneDlg::WIDTH_80MM;
        } else {
            error = Fill(QCoreApplication::translate(
                             "cli", "--model is 58 or 80 (paper width in mm), not \"%1\""),
                         {args.Get("model")});
            return std::nullopt;
        }
    }
    if (args.Has("record")) {
        common.recordPath = args.Get("record");
        if (common.recordPath.empty()) {
            error = Fill(QCoreApplication::translate("cli", "--record needs a file name"));
            return std::nullopt;
        }
    }
    return common;
}

int Fail(int code, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", PROGRAM, message.c_str());
    return code;
}

std::optional<QByteArray> ReadInputFile(const std::string& path, std::string& error) {
    std::string content;
    files::Failure failure;
    // A pipe or FIFO into the tool is read as long as it takes, as any filter reads it.
    const files::ReadStatus read =
        files::ReadBounded(path, INPUT_FILE_LIMIT, std::chrono::milliseconds(0), content, failure);
    const std::string shown =
        path == "-" ? Fill(QCoreApplication::translate("cli", "standard input")) : path;
    if (read == files::ReadStatus::TooLarge) {
        error =
            Fill(QCoreApplication::translate("cli", "%1 is larger than 64 MiB; refused"), {shown});
        return std::nullopt;
    }
    if (read != files::ReadStatus::Read) {
        // The reason is the file layer's own text.
        error = failure.refused
                    ? Fill(QCoreApplication::translate("cli", "cannot read: %1"), {failure.text})
                    : Fill(QCoreApplication::translate("cli", "cannot read %1"), {failure.text});
        return std::nullopt;
    }
    return QByteArray(content.data(), static_cast<qsizetype>(content.size()));
}

std::string RecordsFileError(const files::Failure& failure) {
    return failure.refused
               ? Fill(QCoreApplication::translate("cli", "cannot write the records file: %1"),
                      {failure.text})
               : Fill(QCoreApplication::translate("cli", "cannot write the records file %1"),
                      {failure.text});
}

bool RecordsOutput::Begin(const std::string& path, std::string& error) {
    if (path.empty()) return true;
    path_ = path;
    // A regular file is written beside the old one and put in its place only when
    // complete (a run that fails leaves an earlier records file as it was); a device or
    // FIFO is written into as it is, never replaced.
    file_ = std::make_unique<files::SaveTarget>();
    files::Failure failure;
    if (file_->Open(path, failure)) return true;
    error = RecordsFileError(failure);
    file_.reset();
    return false;
}

bool RecordsOutput::Finish(const std::vector<std::string>& records, std::string& error) {
    if (!file_) return true;
    std::vector<std::string_view> texts(records.begin(), records.end());
    const std::string content = records::FormatRecordsFile(texts);
    files::Failure failure;
    const bool written = file_->Write(content, failure) && file_->Commit(failure);
    if (!written) error = RecordsFileError(failure);
    file_.reset();
    return written;
}

RecordsOutput::~RecordsOutput() = default;

namespace {
bool quiet = false;
bool verbose = false;
} // namespace

void SetQuiet(bool on) {
    quiet = on;
}

bool SetVerbose(bool on) {
    return verbose = on;
}

int Deliver(const Common& common, const std::vector<std::string>& records, bool progress) {
    const auto started = std::chrono::steady_clock::now();
    std::string error;
    // Every row is read by the records' one parser before the port opens: a row that
    // names no bytes for certain sends nothing at all.
    for (size_t i = 0; i < records.size(); ++i)
        if (!records::RecordBytes(records[i]))
            return Fail(
                EXIT_REFUSED,
                Fill(QCoreApplication::translate(
                         "cli", "row %1 (\"%2\") is not hex text of whole bytes; nothing was sent"),
                     {std::to_string(i + 1), records[i]}));
    RecordsOutput output;
    if (!output.Begin(common.recordPath, error)) return Fail(EXIT_FILE, error);
    PrinterPort port;
    const int opened = port.Open(common.port, error);
    if (opened != EXIT_OK) return Fail(opened, error);
    const int sent = port.SendRecords(records, progress, error);
    if (sent != EXIT_OK) return Fail(sent, error);
    const int closed = port.Close(error);
    if (closed != EXIT_OK) return Fail(closed, error);
    if (!output.Finish(records, error)) return Fail(EXIT_FILE, error);
    if (verbose) {
        // What went, command by command, as decode shows it.
        tap::PieceDecoder decoder;
        for (const std::string& record : records)
            std::fprintf(stderr, "%s\n", decoder.Line(*records::RecordBytes(record)).c_str());
    }
    if (!quiet) {
        // Said once the port closed with every byte taken: the count is what the
        // printer's line took, not what was read from the input.
        size_t bytes = 0;
        for (const std::string& record : records) bytes += records::RecordBytes(record)->size();
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.2f",
                      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
        std::fprintf(stderr, "%s\n",
                     Fill(QCoreApplication::translate("cli", "sent %1 bytes to %2 in %3 s"),
                          {std::to_string(bytes), common.port.port, seconds})
                         .c_str());
    }
    return EXIT_OK;
}

bool ReadIntOption(const ParsedArgs& args, const char* name, std::optional<long>& value,
                   std::string& error) {
    value.reset();
    if (!args.Has(name)) return true;
    value = ParseInteger(args.Get(name));
    if (!value) {
        error = Fill(QCoreApplication::translate("cli", "--%1 needs a whole number, not \"%2\""),
                     {name, args.Get(name)});
        return false;
    }
    return true;
}

} // namespace cli

namespace cli {

bool ParseFor(int argc, char** argv, int first, const std::string& subcommand,
              std::vector<OptionSpec> optionList, bool withPort, ParsedArgs& args, int& exitCode) {
    if (withPort) {
        const std::vector<OptionSpec> port = PortOptions();
        optionList.insert(optionList.end(), port.begin(), port.end());
    }
    std::string error;
    auto parsed = ParseArgs(argc, argv, first, optionList, error);
    if (!parsed) {
        exitCode = UsageError(subcommand, error);
        return false;
    }
    if (parsed->help) {
        std::fputs(HelpText(subcommand).c_str(), stdout);
        exitCode = EXIT_OK;
        return false;
    }
    args = std::move(*parsed);
    return true;
}

int UsageError(const std::string& subcommand, const std::string& message) {
    return Fail(EXIT_USAGE,
                Fill(QCoreApplication::translate("cli", "%1: %2 (see talvane-cli %1 --help)"),
                     {subcommand, message}));
}

int UnknownSubcommand(const std::string& name) {
    return Fail(EXIT_USAGE,
                Fill(QCoreApplication::translate(
                         "cli", "unknown subcommand \"%1\" (talvane-cli --help lists them)"),
                     {name}));
}

} // namespace cli
