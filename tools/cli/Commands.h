#pragma once
// The subcommands of talvane-cli and what they share: the common port options, the
// refusal and error messages on standard error, and the delivery of recorded command
// rows to the printer (with the records file of --record).

#include "console/FileAccess.h"
#include "tools/cli/Options.h"
#include "tools/cli/PrinterPort.h"
#include "tools/cli/Texts.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

inline constexpr const char* PROGRAM = "talvane-cli";

struct Common {
    PortSettings port;
    int printableWidth = 0; // of --model
    std::string recordPath; // --record, empty when not asked
};

// The options every subcommand that talks to a printer takes.
std::vector<OptionSpec> PortOptions();
// Reads the common options; on a usage error returns nothing and sets `error`.
std::optional<Common> ReadCommon(const ParsedArgs& args, std::string& error);

// Prints "talvane-cli: <message>" on standard error and returns `code`.
int Fail(int code, const std::string& message);

// Reads a whole file ("-" is standard input), refusing files past the size limit.
// On failure returns nothing and sets `error`.
std::optional<QByteArray> ReadInputFile(const std::string& path, std::string& error);

// --quiet: nothing is said on success.
void SetQuiet(bool quiet);
// --verbose: a send also shows each command it sent, as decode shows it. Returns `on`.
bool SetVerbose(bool on);
// Opens the port, sends the rows and writes them to --record; once the port has taken
// every byte, says so on standard error ("sent 350 bytes to COM901 in 0.04 s") unless
// --quiet. Nothing is sent when the
// records file cannot be created.
int Deliver(const Common& common, const std::vector<std::string>& records, bool progress);
// "cannot write the records file ...", as every subcommand says it.
std::string RecordsFileError(const files::Failure& failure);
// The --record file: created before anything is sent (a file that cannot be created
// stops the run), written with the rows when the run has sent them.
class RecordsOutput {
public:
    RecordsOutput() = default;
    ~RecordsOutput();
    bool Begin(const std::string& path, std::string& error);
    bool Finish(const std::vector<std::string>& records, std::string& error);

private:
    std::string path_;
    std::unique_ptr<files::SaveTarget> file_;
};

// A numeric option: absent gives nothing; present but not an integer is a usage error.
bool ReadIntOption(const ParsedArgs& args, const char* name, std::optional<long>& value,
                   std::string& error);

// Parses a subcommand's arguments (with the port options when `withPort`). False when
// the run is over already: --help printed (exit 0) or a usage error reported.
bool ParseFor(int argc, char** argv, int first, const std::string& subcommand,
              std::vector<OptionSpec> optionList, bool withPort, ParsedArgs& args, int& exitCode);
// Reports a usage error of a subcommand and returns EXIT_USAGE.
int UsageError(const std::string& subcommand, const std::string& message);

int RunPorts(int argc, char** argv, int first);
int RunSend(int argc, char** argv, int first);
int RunDecode(int argc, char** argv, int first);
int RunMonitor(int argc, char** argv, int first);
int RunStatus(int argc, char** argv, int first);
int RunSample(int argc, char** argv, int first);
int RunPicture(int argc, char** argv, int first);
int RunBarcode(int argc, char** argv, int first);
int RunQRCode(int argc, char** argv, int first);
int RunPDF417(int argc, char** argv, int first);
int RunDataMatrix(int argc, char** argv, int first);
int RunRender(int argc, char** argv, int first);
int RunTap(int argc, char** argv, int first);
class StreamedInput;
// decode of a tap capture file: its rows as the tap showed them, and the summary.
int PrintCapture(StreamedInput& input, const std::string& path);

// The --help text of a subcommand (or of the tool for an empty name), translated; empty
// when unknown.
std::string HelpText(const std::string& subcommand);
// The names HelpText knows ("" for the tool itself).
std::vector<std::string> HelpTopics();
// Reports a first argument that names no subcommand and returns EXIT_USAGE.
int UnknownSubcommand(const std::string& name);

} // namespace cli
