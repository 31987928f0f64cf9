#include "gradebook/mail/mailsettings.h"

#include "common/core/inifile.h"

namespace Cortelle {

TMailSettings ReadMailSettings(const QString& iniFile)
{
    const Quillon::TIniFile ini(iniFile);
    TMailSettings settings;
    settings.FSmtpHost = ini.ReadString("SMTP", "Server", DefaultSmtpHost);
    settings.FSmtpPort = ini.ReadInteger("SMTP", "Port", DefaultSmtpPort);
    settings.FTeacherName = ini.ReadString("Teacher", "Name", DefaultTeacherName);
    settings.FTeacherEmail = ini.ReadString("Teacher", "Email", DefaultTeacherEmail);
    return settings;
}

} // namespace Cortelle
