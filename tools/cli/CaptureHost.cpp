#include "tools/cli/CaptureHost.h"

#include <QWidget>

namespace cli {

CaptureHost::CaptureHost(int printableWidth) : printableWidth_(printableWidth) {
    Prompts::SetScript(this);
}

CaptureHost::~CaptureHost() {
    Prompts::SetScript(nullptr);
}

void CaptureHost::Refuse(const QString& where, const QString& text) {
    if (!refusal_.isEmpty()) return;
    refusal_ = where.isEmpty() ? text : where + QStringLiteral(": ") + text;
}

void CaptureHost::ShowHelpTip(QWidget* control, const QString& text) {
    QString where;
    if (control != nullptr) where = control->accessibleName();
    if (where.endsWith(QLatin1Char(':'))) where.chop(1);
    Refuse(where, text);
}

void CaptureHost::AddOperationRecord(const std::string& hexText) {
    if (!hexText.empty()) records_.push_back(hexText);
}

Prompts::Answer CaptureHost::OnMessageBox(const QString&, const QString& text, Prompts::Buttons,
                                          Prompts::Icon) {
    Refuse(QString(), text);
    return Prompts::Cancel;
}

QString CaptureHost::OnOpenFile(const QString&, const QString&) {
    if (openPaths.empty()) return QString();
    QString path = openPaths.front();
    openPaths.pop_front();
    return path;
}

QString CaptureHost::OnSaveFile(const QString&, const QString&) {
    return QString();
}

} // namespace cli
