#pragma once

#include <string>

namespace keylume {

// Where the utility's files are: config.xml (read only) and the four files it
// writes. Built once at start-up from the program folder or --data-dir.
struct SettingsPaths {
    std::string configXml;
    std::string macroXml;
    std::string recordXml;
    std::string sideModelXml;
    std::string ledEffectXml;

    // Every file in one folder.
    static SettingsPaths InFolder(const std::string& folder);
};

}  // namespace keylume
