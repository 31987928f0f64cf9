// Lines the console writes to the communication server.
#include "console/protocol/commserverprotocol.h"

#include "common/core/ansi.h"
#include "common/core/convert.h"
#include "common/core/wire.h"

#include <QLocale>

namespace Brivane::CommServer {

using namespace Quillon;

namespace {

QByteArray Line(TOutCode code, QList<QByteArray> fields)
{
    fields.prepend(IntToStr(code));
    return BuildPacket(JoinFields(fields));
}

} // namespace

QByteArray PushLine(const QByteArray& mainPage, const QByteArray& audio, const QByteArray& video)
{
    return Line(ocPush, {mainPage, audio, video, BoolToStr(false)});
}

QByteArray PublicChatLine(std::int32_t colour, bool audio, const QList<QByteArray>& lines)
{
    return Line(ocChat, {IntToStr(colour), BoolToStr(audio), JoinLines(lines)});
}

QByteArray IdentificationLine(const QByteArray& first, const QByteArray& last, const QByteArray& course)
{
    return Line(ocChat, {first, last, course});
}

QByteArray DrawingLine(const QList<QByteArray>& actionTexts)
{
    return Line(ocDrawing, actionTexts);
}

QByteArray PushPermissionLine(const QByteArray& first, const QByteArray& last, bool granted)
{
    return Line(ocPushPermission, {first, last, BoolToStr(granted)});
}

QByteArray ExpressionLine(int expression)
{
    return Line(ocExpression, {IntToStr(expression)});
}

QByteArray MeetingInfoLine(const QList<QByteArray>& purpose, const QDate& date,
                           const QList<QByteArray>& agenda, const QList<QByteArray>& conclusion)
{
    return Line(ocMeetingInfo,
                {JoinLines(purpose), ShortDate(date), JoinLines(agenda), JoinLines(conclusion)});
}

QByteArray PrivateChatLine(const QByteArray& recipient, std::int32_t colour, bool audio,
                           const QList<QByteArray>& lines)
{
    return Line(ocPrivateChat, {recipient, IntToStr(colour), BoolToStr(audio), JoinLines(lines)});
}

QByteArray OnlyPushToTeacherLine(bool checked)
{
    return Line(ocOnlyPushToTeacher, {BoolToStr(checked)});
}

QByteArray DisablePrivateTalkingLine(bool checked)
{
    return Line(ocDisablePrivateTalking, {BoolToStr(checked)});
}

QByteArray ShortDate(const QDate& date)
{
    return Ansi::ToWire(QLocale::system().toString(date, QLocale::ShortFormat));
}

} // namespace Brivane::CommServer
