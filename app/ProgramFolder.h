#pragma once

#include <QString>

namespace keylume {

// The folder of the running executable (/proc/self/exe), without a trailing
// slash. The resource folder "uires" is found there.
QString ProgramFolder();

// The resource folder beside the executable.
QString ResourceFolder();

}  // namespace keylume
