#include "console/push/coursemainpage.h"

#include "common/core/ansi.h"
#include "common/core/inifile.h"

namespace Brivane {

QString ReadCourseMainPage(const QString& iniFile)
{
    const Quillon::TIniFile ini(iniFile);
    return Quillon::Ansi::ToDisplay(
        ini.ReadString("Course", "MainPage", Quillon::Ansi::ToWire(DefaultCourseMainPage)));
}

} // namespace Brivane
