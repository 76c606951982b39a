#pragma once
// What every handler needs from the main dialog: its command library (which is also
// the serial port), the help tooltip, the operation records and the printable width.
// Pages, the quick samples, the picture printer and the dialog's own panels reach the
// printer only through here, with one of three operations:
//   Issue        one command: port check, input check, command, one row;
//   IssueScript  a script of commands after one port check, one row each;
//   IssueSetup   setup commands on a quiet line (no flow control, nothing queued),
//                one row each, then the line settings restored.

#include <QLineEdit>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class CVRNX_LIB;
class QWidget;
struct TextCodePage;
struct DCB;

class CommandHost;

// A job that hands whole commands to the line over time (a paced picture). While one
// runs, a setup command would cut into the command in flight (the printer would read
// it as image data) and drop the commands queued behind it; it waits for the job's next
// command boundary instead.
class LineJob {
public:
    virtual ~LineJob() = default;
    // Runs `setup` once every command handed over has left whole, handing nothing over
    // meanwhile. With `endsJob` the job hands nothing more afterwards and says what it
    // dropped. When the line stops taking bytes before that, the setup is refused with
    // a message naming `what`, shown at `control` (or where the job shows its own).
    virtual void AtCommandBoundary(std::function<void()> setup, const QString& what,
                                   bool endsJob, QWidget* control) = 0;
};

// How a setup command behaves while a job runs.
struct SetupOptions {
    QString what;              // its name in messages ("Clear-Buf")
    QWidget* control = nullptr; // where a refusal is shown
    bool endsJob = false;      // the job's remaining commands are dropped after it
};

// Handed to a script: the printer, and a row for each command it has issued.
class CommandScript {
public:
    explicit CommandScript(CommandHost& host);
    CVRNX_LIB& Printer() { return printer_; }
    // The bytes written since the last row become one row.
    void Row();
    // Issues `command` and makes its row.
    template <typename Command> void operator()(Command&& command) {
        command(printer_);
        Row();
    }

private:
    CommandHost& host_;
    CVRNX_LIB& printer_;
};

class CommandHost {
public:
    using Command = std::function<void(CVRNX_LIB&)>;
    virtual ~CommandHost() = default;

    // The dialog's command library, which is also its serial port.
    virtual CVRNX_LIB& Printer() = 0;
    // Says "Please Open the Port" where the operator will see it.
    virtual void WarnPortClosed() = 0;
    // Shows a short message in the help tooltip at the centre of the control.
    virtual void ShowHelpTip(QWidget* control, const QString& text) = 0;
    // Adds one checked row with the hex text and its decoding.
    virtual void AddOperationRecord(const std::string& hexText) = 0;
    // The same with a warning about what was sent, shown with the row's decoding.
    virtual void AddWarnedRecord(const std::string& hexText, const QString& warning) = 0;
    // A warning about a command sent all the same (a symbol wider than the paper), at
    // the control as a help tip is; unlike a help tip it refuses nothing.
    virtual void ShowWarning(QWidget* control, const QString& text) = 0;
    // Printable width in dots of the selected printer model (384 or 576).
    virtual int PrintableWidth() const = 0;
    // The code page typed text goes out in; null for the fixed mapping (one byte per
    // character up to U+00FF, GB18030 above).
    virtual const TextCodePage* TextPage() const { return nullptr; }

    // The name the operator knows the open port by ("COM901", "USB1").
    virtual QString PortName();

    // The job that hands commands to the line now, or null; a job sets itself while
    // it runs.
    void SetRunningJob(LineJob* job) { job_ = job; }
    LineJob* RunningJob() const { return job_; }

    // The port guard: false when the port is open; otherwise it warns and returns true,
    // and the caller must stop.
    bool WarnIfPortClosed();
    // The bytes just written become one row.
    void RecordSent();
    void RecordSent(const QString& warning);

    // One command. `valid` is the caller's input check; when it fails, `message` goes to
    // the help tooltip at `control` and nothing is sent. Returns true when sent.
    template <typename Cmd>
    bool Issue(QWidget* control, bool valid, const QString& message, Cmd&& command) {
        if (WarnIfPortClosed()) return false;
        if (!valid) {
            ShowHelpTip(control, message);
            return false;
        }
        command(Printer());
        RecordSent();
        return true;
    }
    bool Issue(const Command& command) { return Issue(nullptr, true, QString(), command); }

    // Like Issue, for a command the operator asked for that the printer may not print
    // as he expects: with a `warning`, it is shown at `control`, the command is sent as
    // asked, and its row carries the warning.
    template <typename Cmd>
    bool IssueWarned(QWidget* control, bool valid, const QString& message, const QString& warning,
                     Cmd&& command) {
        if (warning.isEmpty()) return Issue(control, valid, message, command);
        if (WarnIfPortClosed()) return false;
        if (!valid) {
            ShowHelpTip(control, message);
            return false;
        }
        ShowWarning(control, warning);
        command(Printer());
        RecordSent(warning);
        return true;
    }

    // A script of commands after one port check; the script makes a row per command.
    template <typename Script> bool IssueScript(Script&& script) {
        if (WarnIfPortClosed()) return false;
        CommandScript rows(*this);
        script(rows);
        return true;
    }

    // Setup commands the printer must take at the settings it has now: the worker
    // threads stop, what waits to be sent is dropped, flow control goes off and the
    // threads start again; each command is sent and makes a row; after a moment for the
    // printer to take them, the line settings in force before are put back, changed by
    // `restore` when given (a new rate, a new handshake). While a job runs, all this
    // waits for the job's command boundary (see LineJob), `options` saying how.
    bool IssueSetup(std::initializer_list<Command> commands,
                    const std::function<void(DCB&)>& restore = {},
                    const SetupOptions& options = {});

private:
    void RunSetup(const std::vector<Command>& commands, const std::function<void(DCB&)>& restore,
                  bool purge);

    LineJob* job_ = nullptr;
};

// An edit's text read as a signed decimal integer; a text that holds no number reads as 0.
int ReadNumber(const QString& text);
inline int ReadNumber(const QLineEdit* edit) { return ReadNumber(edit->text()); }
