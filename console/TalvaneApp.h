#pragma once
// The application object: reads the command line, makes sure there is a display to
// show the window on, and runs the main dialog modally until the operator quits.

class QApplication;

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

struct StartOptions {
    bool help = false;
    bool version = false;
    bool resetSettings = false;     // --reset-settings: start from the defaults again
    std::vector<std::string> ports; // --port PATH, in the order given
    QString screenshot;             // --screenshot FILE.png
    QString logLevel = QStringLiteral("info"); // --log-level error|warning|info
    bool noLog = false;             // --no-log: the event log is kept in memory only
    QString language;               // --lang CODE; empty: the desktop's language
    // --tap PROGRAM PRINTER (a passive tap: --tap passive:A,B): the tap window opens
    // with its session running.
    QString tapProgram;
    QString tapPrinter;
    QString error;                  // a bad command line, said plainly
};

StartOptions ParseCommandLine(const QStringList& args);
// The application's name, version and the dialog's font, as the console starts.
void PrepareApplication(QApplication& app);
QString UsageText();
QString VersionText();

// Installs the translations of --lang, else of the desktop's language (LANGUAGE,
// LC_ALL, LC_MESSAGES, LANG). Needs the application object.
void UseLanguage(const StartOptions& options);

// Starts the event log in the state folder (none with --no-log). A folder that cannot
// be written is said once on standard error, and the console goes on without it.
void StartEventLog(const StartOptions& options);

// Whether the toolkit can open a window here. When it cannot, `reason` says why and
// what to do instead, in words an operator understands.
bool DisplayAvailable(QString* reason);

class CTalvaneApp {
public:
    // The whole program: command line, display check, QApplication, the dialog.
    static int Main(int argc, char** argv);

    // Constructs the dialog with the remembered settings (the port only when none was
    // named on the command line), runs it modally and destroys it. False, as the
    // framework's convention has it: the application ends when the dialog has closed.
    bool InitInstance(bool portNamed = false, const StartOptions* options = nullptr);

    // Renders the main window as it looks after start-up into a PNG file; with --tap,
    // the tap window with its first rows.
    static bool SaveScreenshot(const QString& path, QString* error, const StartOptions* options = nullptr);
};
