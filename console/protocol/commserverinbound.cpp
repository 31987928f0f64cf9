// Lines the communication server delivers, read field by field.
#include "console/protocol/commserverprotocol.h"

#include "common/core/convert.h"
#include "common/core/wire.h"

#include <utility>

namespace Brivane::CommServer {

using namespace Quillon;

namespace {

QByteArray Next(QByteArray& rest)
{
    return NextField(rest, FieldSeparator);
}

} // namespace

bool ReadHeader(QByteArray& line)
{
    return CheckHeader(line);
}

TSender ReadSender(QByteArray& rest)
{
    TSender sender;
    sender.first = Next(rest);
    sender.last = Next(rest);
    return sender;
}

std::optional<int> ReadCode(QByteArray& rest)
{
    return TryStrToInt(Next(rest));
}

TPushedContent ReadPush(QByteArray& rest)
{
    TPushedContent content;
    content.mainPage = Next(rest);
    content.audio = Next(rest);
    content.video = Next(rest);
    return content;
}

TChatMark ReadChatMark(QByteArray& rest)
{
    TChatMark mark;
    mark.colour = StrToInt(Next(rest));
    mark.audio = StrToBool(TrimControls(Next(rest)));
    return mark;
}

QList<QByteArray> ReadMessageLines(QByteArray& rest)
{
    QList<QByteArray> lines = ReadLines(rest);
    rest.clear(); // what is left is blanks and control characters only
    return lines;
}

QByteArray ReadRecipient(QByteArray& rest)
{
    return Next(rest);
}

bool IsFromTeacher(const QByteArray& senderFirst)
{
    return TrimControls(senderFirst) == QByteArrayView("Teacher");
}

int ReadStatus(QByteArray& rest)
{
    return StrToInt(Next(rest));
}

std::optional<TStatusGroup> NextStatusGroup(QByteArray& rest)
{
    if (IsOnlyControls(rest)) // a check, not a trimmed copy of the whole rest per group
        return std::nullopt;
    TStatusGroup group;
    group.first = Next(rest);
    group.last = Next(rest);
    group.status = ReadStatus(rest);
    return group;
}

QByteArray ReadNotice(QByteArray& rest)
{
    return Next(rest);
}

QByteArray ReadVerdict(QByteArray& rest)
{
    return std::exchange(rest, QByteArray());
}

bool IsAuthenticationFailure(const QByteArray& verdict)
{
    return verdict == QByteArrayView("Authentication Failed!");
}

} // namespace Brivane::CommServer
