#include "tests/support/ConsoleDialog.h"

#include "console/RecordsModel.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTest>

QString TestPrompts::OnOpenFile(const QString& caption, const QString& filter) {
    const QString path = ScriptedPrompts::OnOpenFile(caption, filter);
    if (vanishing.count(path)) QFile::remove(path);
    return path;
}

ConsoleDialog::ConsoleDialog(const std::string& portPath, const Maker& make,
                             const Lister& listFirst) {
    if (!ConfigFolder::Active()) ownConfig = std::make_unique<ConfigFolder>();
    if (listFirst) listFirst(ports);
    if (!portPath.empty()) ports.AddCommandLinePort(portPath);
    dlg = make ? make(&ports) : std::make_unique<CTalvaneDlg>(&ports);
    dlg->resize(WIDTH, HEIGHT);
    dlg->RememberSettings(false);
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    ProcessEvents();
}

ConsoleDialog::~ConsoleDialog() {
    dlg.reset();
}

void ConsoleDialog::Quit() {
    prompts.answers.push_back(Prompts::Ok);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    ProcessEvents();
    dlg.reset();
}

QWidget* ConsoleDialog::Control(int id) const {
    QWidget* own = dlg->DialogControl(id);
    return own ? own : dlg->Control(id);
}

bool ConsoleDialog::OpenPort(int handshakeItem) {
    Choose(ids::IDC_HANDSHAKE_LIST, handshakeItem);
    Click(ids::IDC_COM_OPEN);
    return dlg->IsOpen();
}

QString ConsoleDialog::TipText() const {
    return dlg->HelpTip().isVisible() ? dlg->HelpTip().Text() : QString();
}

int ConsoleDialog::RowCount() const {
    return dlg->Records().Size();
}

std::string ConsoleDialog::LastRow() const {
    const auto& rows = dlg->Records().Rows();
    return rows.empty() ? std::string() : rows.back().text;
}

std::vector<std::string> ConsoleDialog::Rows() const {
    std::vector<std::string> rows;
    for (const CRecordsModel::Row& r : dlg->Records().Rows()) rows.push_back(r.text);
    return rows;
}
