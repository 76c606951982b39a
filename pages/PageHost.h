#pragma once
// What a tab page needs from the main dialog. The dialog owns the pages; each page
// keeps a non-owning pointer to its host and reaches the port, the commands, the
// help tooltip and the operation records only through it.

#include <QLineEdit>
#include <QString>
#include <string>

class CVRNX_LIB;
class QWidget;

class PageHost {
public:
    virtual ~PageHost() = default;

    // The dialog's command library, which is also its serial port.
    virtual CVRNX_LIB& Printer() = 0;
    // True when it has warned "Please Open the Port": the caller must stop.
    virtual bool WarnIfPortClosed() = 0;
    // Shows a short message in the help tooltip at the centre of the control.
    virtual void ShowHelpTip(QWidget* control, const QString& text) = 0;
    // Adds one checked row with the hex text and its decoding.
    virtual void AddOperationRecord(const std::string& hexText) = 0;
    // Printable width in dots of the selected printer model (384 or 576).
    virtual int PrintableWidth() const = 0;

    // Every handler ends a command with this: the bytes just written become one row.
    void RecordSent();

    // The handler pattern shared by every control: port check, input check, command,
    // record. `valid` is the caller's input check; when it fails, `message` goes to
    // the help tooltip at `control` and nothing is sent. Returns true when sent.
    template <typename Command>
    bool Issue(QWidget* control, bool valid, const QString& message, Command&& command) {
        if (WarnIfPortClosed()) return false;
        if (!valid) {
            ShowHelpTip(control, message);
            return false;
        }
        command(Printer());
        RecordSent();
        return true;
    }
};

// An edit's text read as a signed decimal integer; a text that holds no number reads as 0.
int ReadNumber(const QString& text);
inline int ReadNumber(const QLineEdit* edit) { return ReadNumber(edit->text()); }
