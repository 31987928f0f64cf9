#include "console/minutes/meetingminutes.h"

#include "common/core/ansi.h"
#include "console/protocol/commserverprotocol.h"

#include <QStringList>

namespace Brivane::MeetingMinutes {

QList<QByteArray> TextLines(const QString& text)
{
    QList<QByteArray> lines;
    if (text.isEmpty())
        return lines;
    QStringList pieces = text.split(u'\n');
    if (pieces.constLast().isEmpty())
        pieces.removeLast();
    for (const QString& piece : std::as_const(pieces))
        lines << Quillon::Ansi::ToWire(piece);
    return lines;
}

QByteArray MinutesLine(const QString& purpose, const QDate& date, const QString& agenda,
                       const QString& conclusion)
{
    return CommServer::MeetingInfoLine(TextLines(purpose), date, TextLines(agenda), TextLines(conclusion));
}

} // namespace Brivane::MeetingMinutes
