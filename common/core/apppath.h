#pragma once

#include <QString>

namespace Quillon {

// The directory of the running executable, ending in '/'. Empty until a main window sets it.
extern QString AppPath;

// The directory of the running executable, ending in '/'.
QString ExecutableDirectory();

} // namespace Quillon
