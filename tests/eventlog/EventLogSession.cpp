// One console session as the application starts it, with its event log, for the tests
// that run as an ordinary user: `event_log_session [talvane options]` starts the log
// (StartEventLog, as talvane does), opens the window, asks for the status with the
// port closed three times, and prints "session-ok" when the window worked on, where
// the window says the events are kept, and the window's lines.
#include "console/ControlIds.h"
#include "console/EventLogWindow.h"
#include "console/TalvaneApp.h"
#include "console/TalvaneDlg.h"
#include "serial/PortMap.h"
#include "tests/support/OperatorHands.h"
#include "widgets/Prompts.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const StartOptions options = ParseCommandLine(QApplication::arguments());
    if (!options.error.isEmpty()) return 2;
    StartEventLog(options);
    PortMap ports;
    // An absent port of no folder of the machine: nothing is ever opened.
    ports.AddCommandLinePort("/nonexistent/talvane-test-port");
    ScriptedPrompts prompts;
    CTalvaneDlg dlg(&ports);
    dlg.RememberSettings(false);
    dlg.show();
    hands::ProcessEvents();
    for (int i = 0; i < 3; ++i) hands::Click(hands::ControlIn(&dlg, ids::IDC_READ_STATUS));
    EventLogWindow* window = EventLogWindow::Of(&dlg);
    window->show();
    hands::ProcessEvents();
    if (dlg.isVisible()) std::printf("session-ok\n");
    std::printf("where: %s\n", qPrintable(window->KeptWhere()));
    for (const QString& line : window->Lines()) std::printf("%s\n", qPrintable(line));
    return 0;
}
