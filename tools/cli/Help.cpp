// The --help texts, with examples. The exit codes listed here are the ones scripts
// rely on (ExitCodes.h). Each text is translated in parts: the port options and the
// exit codes are shared by most subcommands, so a translator words them once.
#include "tools/cli/Commands.h"

#include <QCoreApplication>
#include <QtGlobal>

namespace cli {

namespace {

constexpr const char* HELP_CONTEXT = "cli-help";

// A part that is only a line end joins two texts (a blank line between paragraphs);
// it is not one to translate.
constexpr const char* BLANK = "\n";

const char* const PORT_OPTIONS = QT_TRANSLATE_NOOP(
    "cli-help",
    "Port options:\n"
    "  --port PORT          a name from `talvane-cli ports` (COM<n>, USB<k>), or a device path\n"
    "                       (/dev/ttyUSB0) or tcp://HOST[:PORT] (named NET1 as `ports` lists it)\n"
    "  --baud RATE          bits per second (default 9600)\n"
    "  --handshake MODE     none (default), rtscts or xonxoff\n"
    "  --model 58|80        paper width of the printer in mm (default 58: 384 dots; 80: 576)\n"
    "  --record FILE        also write what was sent as a records file the console can import\n"
    "  --verbose            print the events (port opened, closed, lost, refused) on standard\n"
    "                       error with their times\n"
    "  --quiet              say nothing on success (no \"sent N bytes\" line)\n");

const char* const EXIT_CODES = QT_TRANSLATE_NOOP(
    "cli-help",
    "Exit codes: 0 done, 1 failed, 2 bad command line, 3 input refused (nothing sent),\n"
    "  4 file cannot be read or written, 5 port unknown, busy, failing or taking no data,\n"
    "  or printer gone, 6 bytes handed to the port not delivered when it closed,\n"
    "  130/143 stopped by SIGINT/SIGTERM (port closed, bytes sent said).\n");

struct Help {
    const char* subcommand;
    std::vector<const char*> parts; // joined as they are
};

// The shape of a subcommand that talks to a printer: what it does, the port options,
// its examples, the exit codes.
std::vector<const char*> PrinterHelp(const char* about, const char* examples) {
    return {about, BLANK, PORT_OPTIONS, BLANK, examples, BLANK, EXIT_CODES};
}

const std::vector<Help>& Helps() {
    static const std::vector<Help> helps = {
        {"",
         {QT_TRANSLATE_NOOP(
              "cli-help",
              "usage: talvane-cli SUBCOMMAND [OPTIONS] [ARGUMENTS]\n"
              "Drives a thermal receipt printer from scripts, with the console's own commands.\n\n"
              "Subcommands:\n"
              "  ports                     the serial ports, as the console lists them\n"
              "  send FILE | --hex TEXT | --records FILE | --capture FILE\n"
              "                            raw bytes, hex text, or a console records file (as Resend)\n"
              "  sample NAME... | all      quick tests by button name (\"Font Sample\", \"Bar-code\", ...)\n"
              "  picture FILE              a picture, as the console's picture group prints it\n"
              "  barcode TYPE DATA         a one-dimensional barcode\n"
              "  qr DATA, pdf417 DATA, datamatrix DATA\n"
              "                            a two-dimensional code: store, then print\n"
              "  status                    asks the printer's status; the exit code tells the condition\n"
              "  decode [FILE|-]           a capture or records file as the records' mnemonic lines\n"
              "  monitor                   prints what the printer sends, until Ctrl+C\n"
              "  render [FILE|-]           a capture or records file as receipt pictures, no printer\n"
              "  tap --program SIDE --printer PORT\n"
              "                            sits between a program and its printer, shows both live\n\n"
              "`talvane-cli SUBCOMMAND --help` shows the options and examples of each.\n"
              "--lang CODE, with any subcommand, speaks de, es, pt_BR, ru, zh_CN or en (the source\n"
              "texts); without it the desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).\n\n"
              "Example:\n"
              "  talvane-cli status --port /dev/ttyUSB0 && talvane-cli sample all --port /dev/ttyUSB0\n"),
          BLANK, EXIT_CODES,
          QT_TRANSLATE_NOOP(
              "cli-help",
              "  status adds 10 paper end, 11 platen up, 12 cutter error, 13 overheat, 14 over-voltage,\n"
              "  15 no answer; render adds 20 not everything understood, 21 receipt differs.\n")}},
        {"ports",
         {QT_TRANSLATE_NOOP(
             "cli-help",
             "usage: talvane-cli ports [--json] [--port PATH]...\n"
             "Lists the serial ports as the console's port list shows them (\"COM<n> (<path>)\").\n"
             "Each --port PATH adds a device the scan does not find, as for the console.\n\n"
             "Examples:\n"
             "  talvane-cli ports\n"
             "  talvane-cli ports --json | jq -r '.[].path'\n")}},
        {"send",
         PrinterHelp(
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "usage: talvane-cli send (FILE | --hex TEXT | --records FILE | --capture FILE) --port PORT\n"
                 "                        [options]\n"
                 "Sends a file byte for byte, hex text (\"1B 40\"; a pair that is not hexadecimal refuses\n"
                 "the whole text), or the rows of a records file saved by the console, as its Resend\n"
                 "button sends them. \"-\" as FILE reads standard input. --capture sends what the\n"
                 "program sent in a tap's capture file, in order, without the printer's answers.\n"),
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "Examples:\n"
                 "  talvane-cli send receipt.bin --port COM3\n"
                 "  talvane-cli send --hex \"1B 40 1B 61 01\" --port /dev/ttyUSB0\n"
                 "  talvane-cli send --records saved.txt --port /dev/ttyUSB0 --baud 115200\n"
                 "  talvane-cli send --capture till.cap --port /dev/ttyUSB0\n"))},
        {"sample",
         PrinterHelp(
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "usage: talvane-cli sample NAME... | all --port PORT [options]\n"
                 "Runs quick tests by their button names: \"Font Sample\", \"Print\", \"Margins\",\n"
                 "\"Coordinate\", \"Density\", \"Horizon tab\", \"Verti tab\", \"Picture\", \"Alignment\",\n"
                 "\"Bar-code\", \"QRCode\", \"Cutting\", or \"Printer Init\". Case, blanks and dashes do not\n"
                 "matter; all runs the twelve quick tests in the dialog's order.\n"),
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "Examples:\n"
                 "  talvane-cli sample all --port /dev/ttyUSB0\n"
                 "  talvane-cli sample \"Font Sample\" barcode --port COM3 --record fonts.txt\n"))},
        {"picture",
         PrinterHelp(
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "usage: talvane-cli picture FILE --port PORT [--threshold N] [--raster] [--size MODE]\n"
                 "                          [--dots RULE] [--invert] [--rotate] [--fit crop|scale]\n"
                 "                          [--block-rows N]\n"
                 "Prints a picture (BMP, JPEG, PNG, ...) reduced to black and white by the threshold\n"
                 "(default 128, at most 255), cut at the printable width of --model. Bit-image bands\n"
                 "by default (--size \"8-dot single-density\", \"8-dot double-density\",\n"
                 "\"24-dot single-density\", \"24-dot double-density\" [default]); --raster sends one\n"
                 "raster block (--size Normal [default], Double-width, Double-height, Quadruple).\n"
                 "The console's picture choices: --dots threshold (default), floyd-steinberg, atkinson\n"
                 "or bayer; --invert; --rotate (a quarter turn); --fit crop (default) or scale for a\n"
                 "picture wider than the paper; --block-rows N sends the picture in blocks of N rows,\n"
                 "one after the other (0: one block). The bytes are the console's with the same choices.\n"
                 "A progress bar runs on standard error when it is a terminal.\n"),
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "Examples:\n"
                 "  talvane-cli picture logo.bmp --port /dev/ttyUSB0 --threshold 100\n"
                 "  talvane-cli picture photo.jpg --port COM3 --model 80 --raster --size Double-width\n"
                 "  talvane-cli picture photo.jpg --port COM3 --dots atkinson --fit scale --block-rows 64\n"))},
        {"barcode",
         PrinterHelp(
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "usage: talvane-cli barcode TYPE DATA --port PORT [--width N] [--height N]\n"
                 "                          [--text none|above|below|both] [--hex]\n"
                 "Prints a barcode with the barcode page's rules and messages. TYPE is a row of the\n"
                 "page's code list (UPCA, UPCE, EAN13, EAN8, CODE39, ITF, CODABAR, CODE93, CODE128,\n"
                 "EAN128). --width 1..6, --height 1..255, --text the human-readable line; --hex takes\n"
                 "DATA as hex text where the page offers it. An option is sent even when it equals the\n"
                 "page's start value.\n"),
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "Examples:\n"
                 "  talvane-cli barcode EAN13 012345678901 --port /dev/ttyUSB0 --text below\n"
                 "  talvane-cli barcode CODE128 \"7B 41 42 43\" --hex --port COM3 --height 80\n"))},
        {"qr",
         PrinterHelp(
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "usage: talvane-cli qr DATA --port PORT [--module-width N] [--error-level L|M|Q|H] [--hex]\n"
                 "Stores DATA as a QR code and prints it, as the two-dimensional code page does.\n"
                 "--module-width 1..16; --error-level L (7%), M (15%), Q (25%), H (30%).\n"),
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "Examples:\n"
                 "  talvane-cli qr \"https://example.com/unit/42\" --port /dev/ttyUSB0 --module-width 6\n"
                 "  talvane-cli qr \"48 49\" --hex --error-level H --port COM3\n"))},
        {"pdf417",
         PrinterHelp(
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "usage: talvane-cli pdf417 DATA --port PORT [--rows N|auto] [--columns N|auto]\n"
                 "                         [--module-width N] [--row-height N] [--error-level 0..8] [--hex]\n"
                 "Stores DATA as a PDF417 symbol and prints it. --rows 3..90, --columns 1..30,\n"
                 "--module-width 2..8, --row-height 2..8.\n"),
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "Example:\n"
                 "  talvane-cli pdf417 \"LOT 2291-A\" --columns 3 --error-level 2 --port /dev/ttyUSB0\n"))},
        {"datamatrix",
         PrinterHelp(
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "usage: talvane-cli datamatrix DATA --port PORT [--module-width N] [--hex]\n"
                 "Stores DATA as a DataMatrix symbol and prints it. --module-width 2..8.\n"),
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "Example:\n"
                 "  talvane-cli datamatrix \"SN 000123\" --module-width 4 --port /dev/ttyUSB0\n"))},
        {"status",
         {QT_TRANSLATE_NOOP(
              "cli-help",
              "usage: talvane-cli status --port PORT [--timeout MS] [--json] [options]\n"
              "Sends the status request, waits for the printer's status byte (default 1000 ms) and\n"
              "prints its meaning. --json prints one line:\n"
              "  {\"answered\":true,\"conditions\":[\"paper_end\"],\"exit\":10,\"port\":\"...\",\n"
              "   \"ready\":false,\"status\":\"04\"}\n"),
          BLANK, PORT_OPTIONS, BLANK,
          QT_TRANSLATE_NOOP(
              "cli-help",
              "Exit codes: 0 ready, 10 paper end, 11 platen up, 12 cutter error, 13 overheat,\n"
              "  14 over-voltage (with several conditions the lowest code), 15 no answer,\n"
              "  2 bad command line, 4 --record file cannot be written, 5 port error.\n\n"
              "Example:\n"
              "  talvane-cli status --port /dev/ttyUSB0 || echo \"printer not ready: $?\"\n")}},
        {"tap",
         {QT_TRANSLATE_NOOP(
              "cli-help",
              "usage: talvane-cli tap --program SIDE --printer PORT [--capture FILE] [--records FILE]\n"
              "                       [--receipts DIR [--model 58|80] [--plain]] [--json]\n"
              "Sits between a program and its printer: every byte passes through unchanged, and\n"
              "each command from the program and each reply from the printer is printed as it\n"
              "happens (time, gap since the previous row, direction, hex, its name or words).\n"
              "Alerts are marked on their rows: unknown command, cut off, no answer (500 ms),\n"
              "sent while held (XOFF or paper end). Ctrl+C (or SIGTERM) stops it with a summary.\n\n"
              "Program side (SIDE):\n"
              "  pty:PATH             a pseudo-terminal; PATH becomes a link to it for the program\n"
              "                       to open; its line settings are set on a serial printer too\n"
              "  tcp-listen:ADDR:PORT a TCP listener (tcp-listen: alone is 127.0.0.1:9100), one\n"
              "                       program connection at a time\n"
              "  passive:PORTA,PORTB  two serial ports on a tap cable (program's TX, printer's TX);\n"
              "                       nothing is sent, no --printer\n"
              "Options:\n"
              "  --printer PORT       COM<n>, a device path or tcp://HOST:PORT\n"
              "  --capture FILE       keep both directions as a capture file (decode reads it)\n"
              "  --records FILE       keep the program's commands as a records file\n"
              "  --receipts DIR       write the receipts the program's bytes should print, as the\n"
              "                       virtual printer prints them (receipt-0001.png, ...; a receipt\n"
              "                       ends at a cut and when the tap stops)\n"
              "  --model 58|80        their paper width (default 58); --plain: plain dots on white\n"
              "  --json               one JSON object a line, the summary last\n\n"
              "Examples:\n"
              "  talvane-cli tap --program pty:/tmp/ttyPOS --printer /dev/ttyUSB0 --capture session.cap\n"
              "  talvane-cli tap --program tcp-listen:0.0.0.0:9100 --printer tcp://192.168.1.50:9100\n"
              "  talvane-cli tap --program pty:/tmp/ttyPOS --printer COM3 --receipts expected --json\n"
              "  talvane-cli decode session.cap\n"),
          BLANK, EXIT_CODES}},
        {"decode",
         {QT_TRANSLATE_NOOP(
              "cli-help",
              "usage: talvane-cli decode [FILE | -] [--raw] [--replies]\n"
              "Reads a records file saved by the console, or a raw byte capture, and prints one line\n"
              "per command: its hex text, \"//\" and its decoding as the operation records show it.\n"
              "The output is itself a records file. --raw reads even hex-looking text as bytes.\n"
              "--replies reads bytes the printer sent instead and prints each reply in words\n"
              "(status bytes, responses), as the console's receive panel shows them.\n"
              "Standard input when no FILE is given. A tap's capture file (--capture of tap) is\n"
              "shown as the tap showed it: both directions, replies in words, alerts and summary.\n\n"
              "Examples:\n"
              "  talvane-cli decode capture.bin\n"
              "  talvane-cli decode saved-records.txt\n"
              "  cat capture.bin | talvane-cli decode -\n"
              "  echo 04 | talvane-cli decode --replies -\n"),
          BLANK, EXIT_CODES}},
        {"render",
         {QT_TRANSLATE_NOOP(
             "cli-help",
             "usage: talvane-cli render [FILE | -] [--out DIR] [--model 58|80] [--plain] [--json] [--raw]\n"
             "                          [--compare GOLDEN.png [--diff DIFF.png]]\n"
             "Prints a raw byte capture, a records file saved by the console or what the program\n"
             "sent in a tap capture file on the virtual printer, without a printer or a line, and\n"
             "writes each receipt as a picture\n"
             "(receipt-0001.png, ... in --out, default receipts). Receipts end at cuts and at the\n"
             "end of the file. It lists each command it skipped or could not carry out, by offset.\n"
             "--plain draws plain dots on white; --json prints one line with the pictures, the\n"
             "skipped commands and the comparison. --raw reads even hex-looking text as bytes.\n"
             "--compare checks every receipt against a golden picture (either look), or against\n"
             "the pictures of a golden folder in order, dot for dot and prints the number of\n"
             "differing dots and the rows where differences start; more or fewer receipts than\n"
             "goldens differ. --diff writes a picture of the differences of the first receipt\n"
             "that differs (red: only in the receipt, blue: only in the golden, a red mark left\n"
             "of each differing row). With --compare, pictures are written only when --out is\n"
             "given.\n\n"
             "Examples:\n"
             "  talvane-cli render capture.bin --out receipts --model 80\n"
             "  talvane-cli render receipt.bin --compare tests/golden/receipt.png --diff diff.png\n\n"
             "Exit codes: 0 everything understood (with --compare: every receipt is identical),\n"
             "  20 a command was skipped or the file ends inside one (with --compare too),\n"
             "  21 a receipt differs from its golden, 2 bad command line, 3 the input is empty\n"
             "  or a capture or records file does not parse, or the golden is no receipt of\n"
             "  this width, 4 a file cannot be read or written.\n")}},
        {"monitor",
         PrinterHelp(
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "usage: talvane-cli monitor --port PORT [--time] [--auto-status] [options]\n"
                 "Prints what the printer sends, as hex text with the meaning of status bytes,\n"
                 "responses and XON (11) / XOFF (13) below it, until interrupted (Ctrl+C, SIGTERM:\n"
                 "exit 0). --time starts each line with the local time to the millisecond.\n"
                 "--auto-status switches the printer's automatic status back on for the run (GS a 2F)\n"
                 "and off again at its end (GS a 00), so status changes show without asking.\n"),
             QT_TRANSLATE_NOOP(
                 "cli-help",
                 "Example:\n"
                 "  talvane-cli monitor --port /dev/ttyUSB0 --baud 115200\n"
                 "  talvane-cli monitor --port /dev/ttyUSB0 --time --auto-status\n"))},
    };
    return helps;
}

} // namespace

std::string HelpText(const std::string& subcommand) {
    for (const Help& help : Helps()) {
        if (subcommand != help.subcommand) continue;
        std::string text;
        for (const char* part : help.parts)
            text += part == BLANK ? std::string(BLANK)
                                  : QCoreApplication::translate(HELP_CONTEXT, part).toStdString();
        return text;
    }
    return {};
}

std::vector<std::string> HelpTopics() {
    std::vector<std::string> topics;
    for (const Help& help : Helps()) topics.emplace_back(help.subcommand);
    return topics;
}

} // namespace cli
