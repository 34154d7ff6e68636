#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace keylume {

// The program's command line. Options of this port start with "--" and are
// read and removed first; the remaining arguments, joined by one blank, are
// the argument string, of which only the exact text "-hid" has a meaning.
struct CommandLine {
    bool help = false;
    bool version = false;
    QString dataDir;               // --data-dir DIR: folder of the settings files
    bool simulate = false;         // --simulate: the simulated keyboard stands in
    QString simLog;                // --sim-log FILE: report log of the simulated keyboard
    uint16_t simFirmware = 0x100;  // --sim-firmware V: version it reports
    QString argumentString;        // what is left, joined by one blank
    QString error;                 // non-empty when an option was wrong

    // "-hid" exactly: start with the main window hidden.
    bool StartsHidden() const { return argumentString == QLatin1String("-hid"); }
};

// `arguments` without the program name. Options take their value as the next
// argument or after "=" (--data-dir=DIR). "--" alone ends the options: what
// follows belongs to the argument string. An unknown "--" option or a missing
// or bad value sets `error`. --sim-firmware takes decimal or 0x-prefixed hex,
// at most 0xFFFF.
CommandLine ParseCommandLine(const QStringList& arguments);

// The --help text.
QString CommandLineHelp();

}  // namespace keylume
