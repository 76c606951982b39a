#pragma once
// The real main dialog on the port of a vprinter process, and the operator's hands:
// clicks, typing and list choices on controls found by their ids.
#include "tests/support/VprinterProcess.h"

#include "console/RecordsModel.h"
#include "tests/support/ConsoleDialog.h"

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
    // The printer on the network (its TCP port) rather than on a pseudo-terminal.
    virtual bool OverNetwork() const { return false; }
    // Serial devices of the machine, listed before the printer's --port device.
    virtual void ListMachinePorts(PortMap&) {}
    void TearDown() override;

    // A control of the dialog itself, or of a page (the pages share ids such as 1087).
    QWidget* DialogControl(int id) const;
    static QWidget* PageControl(QWidget* page, int id) { return hands::ControlIn(page, id); }
    template <typename T> T* PageAs(QWidget* page, int id) const {
        return qobject_cast<T*>(PageControl(page, id));
    }

    void Click(QWidget* control) { hands::Click(control); }
    void ClickDialog(int id) { Click(DialogControl(id)); }
    // Selects the tab that holds page, by clicking on its tab.
    void ShowPage(QWidget* page);
    // Replaces the text of a line or multi-line edit by typing.
    void Retype(QWidget* edit, const QString& text);
    void Choose(QWidget* list, int row) { hands::Choose(list, row); }

    static bool RunUntil(const std::function<bool()>& done, int ms) {
        return hands::RunUntil(done, ms);
    }
    static void ProcessEvents() { hands::ProcessEvents(); }

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
    std::unique_ptr<ConsoleDialog> console;
    CTalvaneDlg* dlg = nullptr;
};

// Waiting times: generous, the suite also runs under the sanitizers on two cores.
inline constexpr int ANSWER_TIMEOUT_MS = 30000;
