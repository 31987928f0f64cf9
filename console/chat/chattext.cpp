#include "console/chat/chattext.h"

#include "common/core/ansi.h"
#include "common/core/wire.h"
#include "console/protocol/commserverprotocol.h"

#include <QStringList>

namespace Brivane::ChatText {

QByteArray ChatHeader(int code, bool audio, const QByteArray& first, const QByteArray& last)
{
    const QByteArray shownLast = code == CommServer::icPrivateChat ? last + " in private" : last;
    return (audio ? "[Audio from " : "[") + first + ' ' + shownLast + ']';
}

QByteArray AddressedHeader(bool audio, const QByteArray& first, const QByteArray& last,
                           const QByteArray& recipient)
{
    return (audio ? "[Audio " : "[") + first + ' ' + last + " to " + recipient + " in private]";
}

QByteArray UnquotePiece(const QByteArray& piece)
{
    return Quillon::UnquoteLine(piece);
}

QList<QByteArray> ShownPieces(const QList<QByteArray>& received)
{
    QList<QByteArray> shown;
    shown.reserve(received.size());
    for (const QByteArray& piece : received)
        shown << UnquotePiece(piece);
    return shown;
}

QByteArray SpokenText(const QList<QByteArray>& pieces, QByteArrayView separator)
{
    QByteArray spoken;
    for (const QByteArray& piece : pieces) {
        spoken += separator;
        spoken += piece;
    }
    return spoken;
}

QList<QByteArray> InputLines(const QString& text)
{
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    QList<QByteArray> wire;
    wire.reserve(lines.size());
    for (const QString& line : std::as_const(lines))
        wire << Quillon::Ansi::ToWire(line);
    return wire;
}

} // namespace Brivane::ChatText
