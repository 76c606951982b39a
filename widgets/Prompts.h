#pragma once
// The one road to message boxes and file dialogs. Everything that asks the
// operator something goes through here, so tests can install a script that
// answers instead of a modal window that would wait for ever.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

class QFileDialog;
class QWidget;

class Prompts {
public:
    enum Buttons { OkOnly, OkCancel, YesNo, YesNoCancel };
    enum Icon { NoIcon, Information, Warning, Critical, Question };
    enum Answer { Ok, Cancel, Yes, No };

    // A message box with `caption` and `text`; returns the button pressed
    // (closing the box counts as Cancel, or Ok for an OK-only box).
    static Answer MessageBox(QWidget* parent, const QString& caption, const QString& text,
                             Buttons buttons = OkOnly, Icon icon = NoIcon);
    // File dialogs. `filter` keeps the system's own form, "Text(*.txt)|*.txt|All(*.*)|*.*||";
    // it is turned into the toolkit's form here. Empty result: the operator cancelled.
    // `dialog` names the dialog for the folder memory: a named dialog starts in the
    // folder of the file last chosen in it.
    static QString OpenFile(QWidget* parent, const QString& caption, const QString& filter,
                            const QString& dialog = {});
    static QString SaveFile(QWidget* parent, const QString& caption, const QString& filter,
                            const QString& dialog = {});

    // Where the named file dialogs start; kept by the console's remembered settings.
    class FolderMemory {
    public:
        virtual ~FolderMemory() = default;
        // The folder to start in, or empty for the toolkit's choice.
        virtual QString StartFolder(const QString& dialog) const = 0;
        virtual void Chosen(const QString& dialog, const QString& path) = 0;
    };
    // nullptr: no memory. Not owned.
    static void SetFolderMemory(FolderMemory* memory);
    static FolderMemory* CurrentFolderMemory();
    // The folder the last file dialog started in (empty: the toolkit's choice).
    static QString LastStartFolder();

    // "A|a;b|B|c||" -> "A (a b);;B (c)". Each name keeps its text, whatever it holds in
    // parentheses ("JPEG/JPG files(*.jpg,*.jpeg)"): the toolkit matches files by the
    // patterns it is given after the name, and the dialog shows only the names.
    static QString ToToolkitFilter(const QString& filter);
    // Sets the name filters of a file dialog from the system's form of a filter, so that
    // each name shows as written and matches the files of its patterns.
    static void ApplyFilter(QFileDialog& dialog, const QString& filter);

    // What tests install in place of the real windows.
    class Script {
    public:
        virtual ~Script() = default;
        virtual Answer OnMessageBox(const QString& caption, const QString& text, Buttons buttons,
                                    Icon icon) = 0;
        virtual QString OnOpenFile(const QString& caption, const QString& filter) = 0;
        virtual QString OnSaveFile(const QString& caption, const QString& filter) = 0;
    };
    // nullptr restores the real windows. The script is not owned.
    static void SetScript(Script* script);
    static Script* CurrentScript();
};

// A ready-made script: answers from queues (Ok / empty path when a queue runs dry)
// and keeps every request so a test can check what the operator would have seen.
class ScriptedPrompts : public Prompts::Script {
public:
    struct Request {
        enum Kind { Message, Open, Save } kind;
        QString caption;
        QString text; // message text, or the filter of a file dialog
        Prompts::Buttons buttons;
        Prompts::Icon icon;
        QString folder = {}; // where a file dialog started
    };

    ScriptedPrompts() { Prompts::SetScript(this); }
    ~ScriptedPrompts() override { Prompts::SetScript(nullptr); }
    ScriptedPrompts(const ScriptedPrompts&) = delete;
    ScriptedPrompts& operator=(const ScriptedPrompts&) = delete;

    std::deque<Prompts::Answer> answers;
    std::deque<QString> openPaths;
    std::deque<QString> savePaths;
    std::vector<Request> requests;

    int CountMessages() const;
    QStringList MessageTexts() const;

    Prompts::Answer OnMessageBox(const QString& caption, const QString& text,
                                 Prompts::Buttons buttons, Prompts::Icon icon) override;
    QString OnOpenFile(const QString& caption, const QString& filter) override;
    QString OnSaveFile(const QString& caption, const QString& filter) override;
};
