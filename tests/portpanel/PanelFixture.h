// The real main dialog, headless, with a pseudo-terminal printer as its only port.
#pragma once

#include "ControlIds.h"
#include "PortMap.h"
#include "PrinterPeer.h"
#include "Prompts.h"
#include "TalvaneDlg.h"

#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

struct PanelFixture {
    PanelFixture();
    ~PanelFixture();

    PrinterPeer peer;
    PortMap ports;
    ScriptedPrompts prompts;
    std::unique_ptr<CTalvaneDlg> dlg;

    template <typename T> T* As(int id) const { return qobject_cast<T*>(dlg->DialogControl(id)); }

    void Click(int id);
    // Picks an item from a combo box's drop-down list with the mouse.
    void Choose(int id, int index);
    // Selects everything in a line edit and types `text` in its place, key by key.
    void Retype(int id, const QString& text);
    // Types `text` at the end of a line edit's text.
    void TypeAtEnd(int id, const QString& text);
    // Deletes the last character of a line edit's text.
    void Backspace(int id);
    // Chooses the handshake item, then clicks "COM Open"; true when the port opened.
    bool OpenPort(int handshakeItem = 0);

    // Texts of all record rows, in order.
    std::vector<std::string> Rows() const;
    QString TipText() const;
    // Runs the event loop until `done` holds or `ms` have passed; returns `done()`.
    static bool RunUntil(const std::function<bool()>& done, int ms = 10000);
    static void ProcessEvents();
};

std::string Hex(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> Bytes(std::initializer_list<int> values);
