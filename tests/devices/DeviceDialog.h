// The real main dialog, headless, on devices of a folder of the test's own: printers
// are plugged in and pulled out there while the dialog runs.
#pragma once

#include "console/ControlIds.h"
#include "tests/support/ConsoleDialog.h"
#include "tests/support/DeviceRoot.h"
#include "widgets/LampButton.h"

#include <QComboBox>
#include <gtest/gtest.h>
#include <string>

// The device folder comes first, so it outlives the dialog that has its devices open.
struct RootHolder {
    DeviceRoot root;
};

// The dialog started with --port <dev>/printer (which need not exist yet).
struct LinkDialog : RootHolder, ConsoleDialog {
    LinkDialog() : ConsoleDialog(root.Path("printer")) {}
};

// The dialog whose port list is the device folder's devices, as with /dev.
struct ScannedDialog : RootHolder, ConsoleDialog {
    ScannedDialog()
        : ConsoleDialog({}, {}, [this](PortMap& map) { map.Scan(root.Dev(), root.Sys()); }) {}
};

inline CLampButton* ComButton(ConsoleDialog& f) {
    return f.As<CLampButton>(ids::IDC_COM_OPEN);
}
inline QComboBox* PortList(ConsoleDialog& f) {
    return f.As<QComboBox>(ids::IDC_PORT_LIST);
}
inline QString Qs(const std::string& s) {
    return QString::fromStdString(s);
}

// Generous: the suite also runs under the sanitizers on two shared cores.
inline constexpr int WAIT_MS = 10000;
