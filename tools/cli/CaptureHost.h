#pragma once
// What the pages, the quick samples and the picture group need from the dialog, without
// a dialog: their commands go to a line that leads nowhere (RecorderLine), which only
// records them, one row per command as the operation records get them. A refusal (a help tip
// or a message box) is kept, so the tool can stop before anything reaches the printer:
// a refused input is never half sent.

#include "host/CommandHost.h"
#include "tools/cli/RecorderLine.h"
#include "widgets/Prompts.h"

#include <QString>
#include <deque>
#include <string>
#include <vector>

namespace cli {

class CaptureHost : public CommandHost, public Prompts::Script {
public:
    explicit CaptureHost(int printableWidth);
    ~CaptureHost() override;
    CaptureHost(const CaptureHost&) = delete;
    CaptureHost& operator=(const CaptureHost&) = delete;

    // CommandHost: the recorder's port is open; the rows are kept in Records().
    CVRNX_LIB& Printer() override { return recorder_; }
    // The recorder is always open: there is no closed port to warn about.
    void WarnPortClosed() override {}
    void ShowHelpTip(QWidget* control, const QString& text) override;
    void AddOperationRecord(const std::string& hexText) override;
    // A warning refuses nothing here: the tool measures what it would send itself.
    void AddWarnedRecord(const std::string& hexText, const QString&) override {
        AddOperationRecord(hexText);
    }
    void ShowWarning(QWidget*, const QString&) override {}
    int PrintableWidth() const override { return printableWidth_; }

    // Prompts::Script: file dialogs take the queued paths, message boxes are refusals.
    Prompts::Answer OnMessageBox(const QString& caption, const QString& text,
                                 Prompts::Buttons buttons, Prompts::Icon icon) override;
    QString OnOpenFile(const QString& caption, const QString& filter) override;
    QString OnSaveFile(const QString& caption, const QString& filter) override;

    std::deque<QString> openPaths;

    const std::vector<std::string>& Records() const { return records_; }
    bool Refused() const { return !refusal_.isEmpty(); }
    // The first refusal: the control's name and the message, as the console shows it.
    const QString& Refusal() const { return refusal_; }

private:
    void Refuse(const QString& where, const QString& text);

    RecorderLine recorder_;
    int printableWidth_;
    std::vector<std::string> records_;
    QString refusal_;
};

} // namespace cli
