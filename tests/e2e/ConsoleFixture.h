#pragma once
// The real main dialog on the port of a vprinter process, and the operator's hands:
// clicks, typing and list choices on controls found by their ids.
#include "VprinterProcess.h"

#include "ControlIds.h"
#include "PortMap.h"
#include "Prompts.h"
#include "RecordsModel.h"
#include "TalvaneDlg.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class QWidget;

class ConsoleFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // The paper of the printer started for the test.
    virtual int PaperWidth() const { return CTalvaneDlg::WIDTH_58MM; }
    // Serial devices of the machine, listed before the printer's --port device.
    virtual void ListMachinePorts(PortMap&) {}
    void TearDown() override;

    // A control of the dialog itself, or of a page (the pages share ids such as 1087).
    QWidget* DialogControl(int id) const;
    static QWidget* PageControl(QWidget* page, int id);
    template <typename T> T* PageAs(QWidget* page, int id) const {
        return qobject_cast<T*>(PageControl(page, id));
    }

    void Click(QWidget* control);
    void ClickDialog(int id) { Click(DialogControl(id)); }
    // Selects the tab that holds page, by clicking on its tab.
    void ShowPage(QWidget* page);
    // Replaces the text of a line or multi-line edit by typing.
    void Retype(QWidget* edit, const QString& text);
    // Opens the list and takes the row.
    void Choose(QWidget* list, int row);

    // Lets events run until done() or the timeout; returns done().
    static bool RunUntil(const std::function<bool()>& done, int ms);
    static void ProcessEvents();

    // Bytes shown in the receive panel (it shows hex text from start-up).
    int ReceivedCount() const;
    // Asks for the status through the send panel and waits for the answer: the printer
    // answers in order, so everything sent before has been taken once it comes.
    bool Handshake();
    // Handshake, then the printer's own "cut": the receipts this ended (after `before`).
    std::vector<vprinter::PaperBitmap> NewReceipts(int before);
    // One receipt made by what the test did since the last one.
    vprinter::PaperBitmap TakeReceipt();

    std::unique_ptr<VprinterProcess> printer;
    PortMap ports;
    ScriptedPrompts prompts;
    std::unique_ptr<CTalvaneDlg> dlg;
};

// Waiting times: generous, the suite also runs under the sanitizers on two cores.
inline constexpr int ANSWER_TIMEOUT_MS = 30000;
