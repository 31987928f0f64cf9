#pragma once

#include "common/platform/services.h"

#include <QString>

namespace Quillon {

// How a program is started: where its configuration is read, how fast its timers tick and the
// desktop services it uses.
struct TProgramOptions
{
    // The directory config_teacher.ini is read from; when empty, the first that holds it of the
    // executable's directory, $XDG_CONFIG_HOME/quillon/ and /etc/quillon/.
    QString ConfigDir;
    // The interval of the connection timers (Timer1, Timer2).
    int TickMs = 500;
    // Empty entries are filled with the real services.
    TPlatformServices Services;
};

} // namespace Quillon
