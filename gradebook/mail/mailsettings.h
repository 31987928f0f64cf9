#pragma once

#include <QByteArray>
#include <QString>

namespace Cortelle {

// The mail centre's settings from config_teacher.ini, as wire text.
struct TMailSettings
{
    QByteArray FSmtpHost;
    int FSmtpPort = 25;
    QByteArray FTeacherName;  // shown in the preview only
    QByteArray FTeacherEmail; // every mail's sender, as a bare address

    bool operator==(const TMailSettings&) const = default;
};

inline const QByteArray DefaultSmtpHost("localhost");
inline constexpr int DefaultSmtpPort = 25;
inline const QByteArray DefaultTeacherName("QuillonTool");
inline const QByteArray DefaultTeacherEmail("teacher@localhost");

// [SMTP] Server and Port, [Teacher] Name and Email; a missing file or key gives the default, and
// so does a port that is not an integer. The file is only read.
TMailSettings ReadMailSettings(const QString& iniFile);

} // namespace Cortelle
