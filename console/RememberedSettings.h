#pragma once
// What the console remembers between runs: the port (by its device path, never its
// COM number), the line and model lists, the picture options, the send panel's HEX
// box, the folder each file dialog last used, and the window's size and place.
//
// Each panel registers its controls here with one line per setting; registering
// restores the control from the stored value at once (when one is stored and fits the
// control: an item that is not in the list, a text the edit refuses or a number out of
// range is ignored), and Save() writes every registered control back. Restoring only
// sets controls: it sends nothing and records nothing.
//
// The file lives in the user's configuration folder (XDG_CONFIG_HOME, else
// ~/.config): talvane/talvane.conf, an INI file. A file that cannot be read counts as
// empty; one that cannot be written is said on the terminal and the session goes on.

#include "widgets/Prompts.h"

#include <QObject>
#include <QString>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QSpinBox;

class RememberedSettings : public Prompts::FolderMemory {
public:
    // The settings file of the user who runs the console (empty when the user has no
    // configuration folder at all).
    static QString FilePath();
    // Forgets everything stored: the next start looks as a first start. False, with
    // the reason in `error`, when the file is there and stays.
    static bool Forget(QString* error);
    // The name a port is remembered by: a link in `byIdFolder` to the same device when
    // there is one (it survives the adapter coming back under another number), else
    // `devicePath` itself.
    static QString StableDeviceName(const QString& devicePath,
                                    const QString& byIdFolder = QStringLiteral("/dev/serial/by-id"));

    // Reads the file; the folder memory of the file dialogs is served from now on.
    RememberedSettings();
    ~RememberedSettings() override;
    RememberedSettings(const RememberedSettings&) = delete;
    RememberedSettings& operator=(const RememberedSettings&) = delete;

    // The controls, by kind. `key` is the setting's name in the file ("port/baud").
    void Combo(const QString& key, QComboBox* list);   // the item's text
    void Check(const QString& key, QAbstractButton* box);
    void Text(const QString& key, QLineEdit* edit);    // only a text the edit accepts
    void Number(const QString& key, QSpinBox* box);    // only a value in its range
    // Anything else: `restore` gets the stored value (only when there is one), `save`
    // gives the value to store (an invalid QVariant stores nothing).
    void Custom(const QString& key, std::function<void(const QVariant&)> restore,
                std::function<QVariant()> save);

    // Saves whenever `sender` emits `signal` (the operator's own change), so that a
    // session that ends without closing the window keeps its choices. The kinds above
    // do this themselves; a Custom setting names its signal here.
    template <typename Sender, typename Signal> void SaveWhen(Sender* sender, Signal signal) {
        QObject::connect(sender, signal, sender, [this] { Save(); });
    }

    // Whether a settings file was there and read (a first start has none).
    bool Restored() const { return restored_; }

    // The stored value of a key, or an invalid QVariant.
    QVariant Stored(const QString& key) const;

    // Writes every registered setting and the file; false (said once on stderr) when
    // the file cannot be written.
    bool Save();

    // Prompts::FolderMemory: each file dialog starts where it last chose a file.
    QString StartFolder(const QString& dialog) const override;
    void Chosen(const QString& dialog, const QString& path) override;

private:
    struct Entry {
        QString key;
        std::function<QVariant()> save;
    };
    // Writes `stored_` as the whole new file, put in place of the old one only when
    // complete.
    bool Write();

    QString path_;
    // Everything the file held (keys this version does not know stay too), updated
    // from the controls at each save.
    QVariantMap stored_;
    bool warnedWrite_ = false;
    bool restored_ = false;
    std::vector<Entry> entries_;
};
