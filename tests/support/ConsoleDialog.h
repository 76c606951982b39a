// The real main dialog, headless, on a port map of its own (so tests do not see each
// other's ports), with scripted prompts installed before start-up, driven by id with
// the operator's hands. It starts as the application starts it, with the remembered
// settings, from a configuration folder of its own unless the test made one.
#pragma once

#include "console/ControlIds.h"
#include "console/TalvaneDlg.h"
#include "serial/PortMap.h"
#include "tests/support/ConfigFolder.h"
#include "tests/support/OperatorHands.h"
#include "tests/support/PrinterPeer.h"
#include "widgets/Prompts.h"

#include <QString>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Scripted answers; a path listed in `vanishing` is deleted after it has been chosen
// and before the console reads it.
class TestPrompts : public ScriptedPrompts {
public:
    std::set<QString> vanishing;
    QString OnOpenFile(const QString& caption, const QString& filter) override;
};

class ConsoleDialog {
public:
    using Maker = std::function<std::unique_ptr<CTalvaneDlg>(PortMap*)>;
    static constexpr int WIDTH = 1240;
    static constexpr int HEIGHT = 760;

    using Lister = std::function<void(PortMap&)>;
    // The dialog lists `portPath` as its only port (none when empty), after the ports
    // `listFirst` enters when given; `make` builds a dialog of a derived class when given.
    explicit ConsoleDialog(const std::string& portPath = {}, const Maker& make = {},
                           const Lister& listFirst = {});
    ~ConsoleDialog();
    ConsoleDialog(const ConsoleDialog&) = delete;
    ConsoleDialog& operator=(const ConsoleDialog&) = delete;

    // Made first and gone last: the dialog's settings stay inside it.
    std::unique_ptr<ConfigFolder> ownConfig;
    PortMap ports;
    TestPrompts prompts;
    std::unique_ptr<CTalvaneDlg> dlg;

    // The dialog's own control of an id, else a page's.
    QWidget* Control(int id) const;
    template <typename T> T* As(int id) const { return qobject_cast<T*>(Control(id)); }

    void Click(int id) { hands::Click(Control(id)); }
    void Choose(int id, int index) { hands::Choose(Control(id), index); }
    void Retype(int id, const QString& text) { hands::Retype(Control(id), text); }
    void TypeAtEnd(int id, const QString& text) { hands::TypeAtEnd(Control(id), text); }
    void Backspace(int id) { hands::Backspace(Control(id)); }
    // Chooses the handshake item, then clicks "COM Open"; true when the port opened.
    bool OpenPort(int handshakeItem = 0);

    QString TipText() const;
    int RowCount() const;
    std::string LastRow() const;
    // Texts of all record rows, in order.
    std::vector<std::string> Rows() const;

    static bool RunUntil(const std::function<bool()>& done, int ms = 10000) {
        return hands::RunUntil(done, ms);
    }
    static void ProcessEvents() { hands::ProcessEvents(); }
    // Escape and OK in the quit question, as an operator quits; the dialog is destroyed.
    void Quit();
};

// The peer comes first so that it outlives the dialog that has its slave open.
struct PeerHolder {
    PrinterPeer peer;
};

// The dialog with a pseudo-terminal printer as its only port; the printer answers the
// status and sensor requests.
struct PeerDialog : PeerHolder, ConsoleDialog {
    PeerDialog() : ConsoleDialog(peer.SlavePath()) { peer.AnswerRequests(true); }
};
