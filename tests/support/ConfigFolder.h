// A configuration folder of the test's own: XDG_CONFIG_HOME points into a fresh
// temporary folder while the object lives, so the console's remembered settings are
// the test's and never a real user's. Dialogs made while one is alive share it (a
// restart of the console); a dialog made without one gets a folder of its own.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class ConfigFolder {
public:
    ConfigFolder();
    ~ConfigFolder();
    ConfigFolder(const ConfigFolder&) = delete;
    ConfigFolder& operator=(const ConfigFolder&) = delete;

    // The folder XDG_CONFIG_HOME names.
    QString Path() const { return dir_.path(); }
    // The console's settings file in it (it may not exist yet).
    QString SettingsFile() const;
    // Whether a ConfigFolder is alive now.
    static bool Active();

private:
    QTemporaryDir dir_;
    QByteArray previous_;
    bool hadPrevious_ = false;
};
