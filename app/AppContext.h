#pragma once

#include <QString>

#include "app/CommandLine.h"
#include "settings/SettingsPaths.h"

namespace keylume {

// What start-up decided, for the windows that need it: the command line, the
// settings files' paths and the instance name. Filled by start-up before the
// main window is built.
struct AppContext {
    CommandLine commandLine;
    QString programFolder;   // folder of the executable
    QString resourceFolder;  // its "uires"
    QString dataFolder;      // folder of the settings files (programFolder or --data-dir)
    SettingsPaths settingsPaths;
    QString instanceName;
};

AppContext& GetAppContext();

}  // namespace keylume
