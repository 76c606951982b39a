#include "widgets/Prompts.h"

#include "eventlog/EventLog.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
Prompts::Script* g_script = nullptr;
Prompts::FolderMemory* g_folders = nullptr;
QString g_lastStart;

QString StartIn(const QString& dialog) {
    g_lastStart = g_folders && !dialog.isEmpty() ? g_folders->StartFolder(dialog) : QString();
    return g_lastStart;
}

QString Remember(const QString& dialog, const QString& caption, const QString& path) {
    if (!path.isEmpty())
        eventlog::Note(eventlog::Kind::File, (caption + QStringLiteral(": ") + path).toStdString());
    if (g_folders && !dialog.isEmpty() && !path.isEmpty()) g_folders->Chosen(dialog, path);
    return path;
}

QMessageBox::StandardButtons ToStandard(Prompts::Buttons buttons) {
    switch (buttons) {
    case Prompts::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Prompts::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Prompts::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Prompts::OkOnly:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon ToStandard(Prompts::Icon icon) {
    switch (icon) {
    case Prompts::Information:
        return QMessageBox::Information;
    case Prompts::Warning:
        return QMessageBox::Warning;
    case Prompts::Critical:
        return QMessageBox::Critical;
    case Prompts::Question:
        return QMessageBox::Question;
    case Prompts::NoIcon:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void Prompts::SetScript(Script* script) {
    g_script = script;
}
Prompts::Script* Prompts::CurrentScript() {
    return g_script;
}

void Prompts::SetFolderMemory(FolderMemory* memory) {
    g_folders = memory;
}
Prompts::FolderMemory* Prompts::CurrentFolderMemory() {
    return g_folders;
}
QString Prompts::LastStartFolder() {
    return g_lastStart;
}

Prompts::Answer Prompts::MessageBox(QWidget* parent, const QString& caption, const QString& text,
                                    Buttons buttons, Icon icon) {
    eventlog::Note(eventlog::Kind::Said, text.toStdString(),
                   icon == Warning || icon == Critical ? eventlog::Level::Warning
                                                       : eventlog::Level::Info);
    if (g_script) return g_script->OnMessageBox(caption, text, buttons, icon);
    QMessageBox box(ToStandard(icon), caption, text, ToStandard(buttons), parent);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Ok;
    case QMessageBox::Yes:
        return Yes;
    case QMessageBox::No:
        return No;
    default:
        break;
    }
    return buttons == OkOnly ? Ok : Cancel;
}

QString Prompts::ToToolkitFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // File names here are case-sensitive; a camera's "PHOTO.JPG" is a JPEG too.
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (qsizetype k = 0, n = patterns.size(); k < n; ++k)
            if (patterns[k].toUpper() != patterns[k]) patterns << patterns[k].toUpper();
        // The toolkit reads the last parenthesised part as blank-separated patterns; a
        // name such as "JPEG/JPG files(*.jpg,*.jpeg)" would be one pattern that matches
        // no file, so the real patterns always follow the name.
        out << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return out.join(QStringLiteral(";;"));
}

void Prompts::ApplyFilter(QFileDialog& dialog, const QString& filter) {
    // Only the names are shown: exactly the texts the console gives them.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const QString toolkit = ToToolkitFilter(filter);
    if (!toolkit.isEmpty()) dialog.setNameFilters(toolkit.split(QStringLiteral(";;")));
}

namespace {
QString AskForFile(QWidget* parent, const QString& caption, const QString& filter,
                   const QString& folder, bool save) {
    QFileDialog dialog(parent, caption, folder);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    Prompts::ApplyFilter(dialog, filter);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
} // namespace

QString Prompts::OpenFile(QWidget* parent, const QString& caption, const QString& filter,
                          const QString& dialog) {
    const QString folder = StartIn(dialog);
    if (g_script) return Remember(dialog, caption, g_script->OnOpenFile(caption, filter));
    return Remember(dialog, caption, AskForFile(parent, caption, filter, folder, false));
}

QString Prompts::SaveFile(QWidget* parent, const QString& caption, const QString& filter,
                          const QString& dialog) {
    const QString folder = StartIn(dialog);
    if (g_script) return Remember(dialog, caption, g_script->OnSaveFile(caption, filter));
    // The toolkit's dialog asks before it overwrites a file and has no read-only box.
    return Remember(dialog, caption, AskForFile(parent, caption, filter, folder, true));
}

int ScriptedPrompts::CountMessages() const {
    int n = 0;
    for (const Request& r : requests) n += r.kind == Request::Message;
    return n;
}

QStringList ScriptedPrompts::MessageTexts() const {
    QStringList texts;
    for (const Request& r : requests)
        if (r.kind == Request::Message) texts << r.text;
    return texts;
}

Prompts::Answer ScriptedPrompts::OnMessageBox(const QString& caption, const QString& text,
                                              Prompts::Buttons buttons, Prompts::Icon icon) {
    requests.push_back({Request::Message, caption, text, buttons, icon});
    if (answers.empty()) return Prompts::Ok;
    const Prompts::Answer a = answers.front();
    answers.pop_front();
    return a;
}

QString ScriptedPrompts::OnOpenFile(const QString& caption, const QString& filter) {
    requests.push_back({Request::Open, caption, filter, Prompts::OkOnly, Prompts::NoIcon,
                        Prompts::LastStartFolder()});
    if (openPaths.empty()) return {};
    QString p = openPaths.front();
    openPaths.pop_front();
    return p;
}

QString ScriptedPrompts::OnSaveFile(const QString& caption, const QString& filter) {
    requests.push_back({Request::Save, caption, filter, Prompts::OkOnly, Prompts::NoIcon,
                        Prompts::LastStartFolder()});
    if (savePaths.empty()) return {};
    QString p = savePaths.front();
    savePaths.pop_front();
    return p;
}
