#include "tools/cli/Commands.h"

#include "host/PortSetup.h"
#include "console/RecordDecoder.h"
#include "console/TalvaneDlg.h"
#include "tools/cli/ExitCodes.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace cli {

namespace {

// Bigger inputs are refused unread: a mistaken path must not eat the memory.
constexpr qint64 INPUT_FILE_LIMIT = qint64(64) << 20;
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
        error = "--port is missing: name the printer's port (COM<n> from talvane-cli ports, "
                "or a device path)";
        return std::nullopt;
    }
    if (args.Has("baud")) {
        const auto baud = ParseInteger(args.Get("baud"));
        if (!baud || *baud <= 0 || *baud > UINT32_MAX) {
            error = "--baud needs a positive number of bits per second, not \"" +
                    args.Get("baud") + "\"";
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
            error = "--handshake is none, rtscts or xonxoff, not \"" + name + "\"";
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
            error = "--model is 58 or 80 (paper width in mm), not \"" + args.Get("model") + "\"";
            return std::nullopt;
        }
    }
    if (args.Has("record")) {
        common.recordPath = args.Get("record");
        if (common.recordPath.empty()) {
            error = "--record needs a file name";
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
    QFile file;
    const bool opened = path == "-" ? file.open(stdin, QIODevice::ReadOnly)
                                    : (file.setFileName(QString::fromLocal8Bit(path.c_str())),
                                       file.open(QIODevice::ReadOnly));
    const std::string shown = path == "-" ? std::string("standard input") : path;
    if (!opened) {
        error = "cannot read " + shown + ": " + file.errorString().toStdString();
        return std::nullopt;
    }
    // read() rather than size(): standard input and pipes have no size.
    QByteArray content = file.read(INPUT_FILE_LIMIT + 1);
    if (content.size() > INPUT_FILE_LIMIT) {
        error = shown + " is larger than 64 MiB; refused unread";
        return std::nullopt;
    }
    if (file.error() != QFileDevice::NoError) {
        error = "cannot read " + shown + ": " + file.errorString().toStdString();
        return std::nullopt;
    }
    return content;
}

bool RecordsOutput::Begin(const std::string& path, std::string& error) {
    if (path.empty()) return true;
    path_ = path;
    // Written beside the old file and put in its place only when complete: a run that
    // fails leaves an earlier records file as it was.
    file_ = std::make_unique<QSaveFile>(QString::fromLocal8Bit(path.c_str()));
    if (file_->open(QIODevice::WriteOnly)) return true;
    error = "cannot write the records file " + path + ": " + file_->errorString().toStdString();
    file_.reset();
    return false;
}

bool RecordsOutput::Finish(const std::vector<std::string>& records, std::string& error) {
    if (!file_) return true;
    std::vector<std::string_view> texts(records.begin(), records.end());
    const std::string content = records::FormatRecordsFile(texts);
    const bool written = file_->write(content.data(), static_cast<qint64>(content.size())) ==
                             static_cast<qint64>(content.size()) &&
                         file_->commit();
    if (!written)
        error = "cannot write the records file " + path_ + ": " + file_->errorString().toStdString();
    file_.reset();
    return written;
}

RecordsOutput::~RecordsOutput() = default;

int Deliver(const Common& common, const std::vector<std::string>& records, bool progress) {
    std::string error;
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
    return EXIT_OK;
}

bool ReadIntOption(const ParsedArgs& args, const char* name, std::optional<long>& value,
                   std::string& error) {
    value.reset();
    if (!args.Has(name)) return true;
    value = ParseInteger(args.Get(name));
    if (!value) {
        error = std::string("--") + name + " needs a whole number, not \"" + args.Get(name) + "\"";
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
        exitCode = Fail(EXIT_USAGE, subcommand + ": " + error + " (see talvane-cli " + subcommand +
                                        " --help)");
        return false;
    }
    if (parsed->help) {
        std::fputs(HelpText(subcommand), stdout);
        exitCode = EXIT_OK;
        return false;
    }
    args = std::move(*parsed);
    return true;
}

int UsageError(const std::string& subcommand, const std::string& message) {
    return Fail(EXIT_USAGE,
                subcommand + ": " + message + " (see talvane-cli " + subcommand + " --help)");
}

} // namespace cli
