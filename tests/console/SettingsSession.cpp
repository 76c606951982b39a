// One console session as the application runs it, with the remembered settings, for
// the tests that run as an ordinary user:
//   settings_session change FILE  picks "80mm" and 115200, imports FILE into the send
//                                 panel (its folder is remembered at once), then quits
//                                 with Escape and OK; prints "session-ok" when the
//                                 window worked on and closed
//   settings_session show         prints the model and baud rate it starts with
#include "console/ControlIds.h"
#include "console/TalvaneDlg.h"
#include "serial/PortMap.h"
#include "tests/support/OperatorHands.h"
#include "widgets/Prompts.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <cstdio>

using namespace ids;

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) return 2;
    PortMap ports;
    ports.AddCommandLinePort("/dev/null-test-port");
    ScriptedPrompts prompts;
    CTalvaneDlg dlg(&ports);
    dlg.resize(CTalvaneDlg::DESIGN_WIDTH, CTalvaneDlg::DESIGN_HEIGHT);
    dlg.RememberSettings(false);
    dlg.show();
    hands::ProcessEvents();
    auto* model = dlg.ControlAs<QComboBox>(IDC_MODEL_LIST);
    auto* baud = dlg.ControlAs<QComboBox>(IDC_BAUD_LIST);
    if (args[1] == QLatin1String("show")) {
        std::printf("%s %s\n", qPrintable(model->currentText()), qPrintable(baud->currentText()));
        return 0;
    }
    if (args[1] != QLatin1String("change") || args.size() < 3) return 2;
    hands::Choose(model, 1);
    hands::Choose(baud, 4);
    prompts.openPaths.push_back(args[2]);
    hands::Click(hands::ControlIn(&dlg, IDC_SEND_IMPORT));
    const bool working = dlg.isVisible() && dlg.PrintableWidth() == CTalvaneDlg::WIDTH_80MM &&
                         prompts.requests.size() == 1;
    QTest::keyClick(&dlg, Qt::Key_Escape);
    hands::ProcessEvents();
    if (working && !dlg.isVisible()) std::printf("session-ok\n");
    return 0;
}
