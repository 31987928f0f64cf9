#pragma once

#include "gradebook/mail/mailsettings.h"

#include <QString>

#include <optional>

namespace Quillon {
class MailError;
}

namespace Cortelle {

// What goes into a mail header or an SMTP command must not carry a line break or another control
// character: it would add headers or commands of its own. Each check gives the text the teacher
// reads, naming the field, or nothing when the text can go out. The caller says what was sent.
std::optional<QString> SettingsProblem(const TMailSettings& settings);
std::optional<QString> SubjectProblem(const QString& subject);
// fullName names the student whose address it is.
std::optional<QString> AddressProblem(const QString& fullName, const QString& address);

// The attachment field names a file when it is not empty after trimming blanks and control
// characters from both ends; the file is the field's whole text.
bool NamesAttachment(const QString& field);
// Why the file cannot be attached (missing, a folder, unreadable), naming it; nothing when it can.
std::optional<QString> AttachmentProblem(const QString& path);

// The message for a send that failed: the recipient's refusal gives the one line naming student and
// address; any other failure adds what the server or the connection said on a second line.
QString FailedSendMessage(const QString& fullName, const QString& address, const Quillon::MailError& error);

} // namespace Cortelle
