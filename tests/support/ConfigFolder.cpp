#include "tests/support/ConfigFolder.h"

#include "console/RememberedSettings.h"

#include <QtGlobal>

namespace {
int g_alive = 0;
const char* const CONFIG_VARIABLE = "XDG_CONFIG_HOME";
} // namespace

ConfigFolder::ConfigFolder() {
    hadPrevious_ = qEnvironmentVariableIsSet(CONFIG_VARIABLE);
    previous_ = qgetenv(CONFIG_VARIABLE);
    qputenv(CONFIG_VARIABLE, dir_.path().toLocal8Bit());
    ++g_alive;
}

ConfigFolder::~ConfigFolder() {
    --g_alive;
    if (hadPrevious_)
        qputenv(CONFIG_VARIABLE, previous_);
    else
        qunsetenv(CONFIG_VARIABLE);
}

QString ConfigFolder::SettingsFile() const {
    return RememberedSettings::FilePath();
}

bool ConfigFolder::Active() {
    return g_alive > 0;
}
