#include "gradebook/mail/mailchecks.h"

#include "common/core/ansi.h"
#include "common/platform/mailtransport.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace Cortelle {

namespace {

bool HasControl(QStringView text)
{
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

} // namespace

std::optional<QString> SettingsProblem(const TMailSettings& settings)
{
    const QString host = Quillon::Ansi::ToDisplay(settings.FSmtpHost);
    const bool hostFits =
        !host.isEmpty() && !HasControl(host) && !host.contains(QRegularExpression(u"[\\s/?#@]"_s));
    if (!hostFits)
        return u"The mail server \"%1\" set as Server in section [SMTP] of config_teacher.ini is not a host "
               "name."_s.arg(host);
    if (settings.FSmtpPort < 1 || settings.FSmtpPort > 65535)
        return u"The Port %1 in section [SMTP] of config_teacher.ini is not a port number (1 to 65535)."_s
            .arg(settings.FSmtpPort);
    const QString sender = Quillon::Ansi::ToDisplay(settings.FTeacherEmail);
    if (HasControl(sender) || sender.contains(QLatin1Char('<')) || sender.contains(QLatin1Char('>')))
        return u"The Email in section [Teacher] of config_teacher.ini holds a control character or an angle "
               "bracket, which a mail cannot carry."_s;
    return std::nullopt;
}

std::optional<QString> SubjectProblem(const QString& subject)
{
    if (HasControl(subject))
        return u"The Subject holds a line break or another control character, which a mail cannot carry."_s;
    return std::nullopt;
}

std::optional<QString> AddressProblem(const QString& fullName, const QString& address)
{
    if (HasControl(address) || address.contains(QLatin1Char('<')) || address.contains(QLatin1Char('>')))
        return u"The e-mail address of %1 holds a line break, another control character or an angle "
               "bracket, which a mail cannot carry."_s.arg(fullName);
    return std::nullopt;
}

bool NamesAttachment(const QString& field)
{
    for (QChar c : field) {
        if (c.unicode() > 32 && c.category() != QChar::Other_Control)
            return true;
    }
    return false;
}

std::optional<QString> AttachmentProblem(const QString& path)
{
    const QFileInfo info(path);
    QString reason;
    if (!info.exists()) {
        reason = u"the file does not exist"_s;
    } else if (info.isDir()) {
        reason = u"it is a folder, not a file"_s;
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            reason = u"it cannot be read (%1)"_s.arg(file.errorString());
    }
    if (reason.isEmpty())
        return std::nullopt;
    return u"The attachment \"%1\" cannot be sent: %2."_s.arg(path, reason);
}

QString FailedSendMessage(const QString& fullName, const QString& address, const Quillon::MailError& error)
{
    QString message =
        u"Email of %1 : %2 is invalid. Please uncheck it and try again!"_s.arg(fullName, address);
    if (error.Kind() != Quillon::MailError::TKind::RecipientRefused)
        message += QLatin1Char('\n') + error.Reason();
    return message;
}

} // namespace Cortelle
