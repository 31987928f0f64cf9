#include "console/chat/chattext.h"

#include "common/core/ansi.h"
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
    constexpr char Quote = ' ';
    if (piece.size() < 2 || piece.front() != Quote || piece.back() != Quote)
        return piece;
    QByteArray text;
    text.reserve(piece.size() - 2);
    const qsizetype end = piece.size() - 1;
    for (qsizetype i = 1; i < end; ++i) {
        if (piece[i] == Quote) {
            // Inside the quotes a blank only comes doubled; a single one means the piece was not
            // written by the encoding, and is shown as received.
            if (i + 1 >= end || piece[i + 1] != Quote)
                return piece;
            ++i;
        }
        text.append(piece[i]);
    }
    return text;
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
