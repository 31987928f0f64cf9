#include "common/core/wire.h"

#include <utility>

namespace Quillon {

namespace {

constexpr char QuoteChar = ' ';

bool IsControlOrBlank(char c)
{
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

// The line as one list item: quoted (blanks doubled, one blank each side) when it holds a
// control character, a blank or the line delimiter.
void AppendItem(QByteArray& out, const QByteArray& line)
{
    bool needsQuotes = false;
    for (const char c : line) {
        if (IsControlOrBlank(c) || c == QuoteChar || c == LineDelimiter) {
            needsQuotes = true;
            break;
        }
    }
    if (!needsQuotes) {
        out.append(line);
        return;
    }
    out.append(QuoteChar);
    for (const char c : line) {
        out.append(c);
        if (c == QuoteChar)
            out.append(QuoteChar);
    }
    out.append(QuoteChar);
}

// Where the text ends once the characters of code 32 or below at its end are left off.
qsizetype EndOfSignificant(QByteArrayView text)
{
    qsizetype end = text.size();
    while (end > 0 && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return end;
}

} // namespace

void NextField(QByteArray& S, QByteArrayView Sep, QByteArray& Field)
{
    const qsizetype p = Sep.isEmpty() ? -1 : S.indexOf(Sep);
    if (p < 0) {
        Field = std::move(S);
        S = QByteArray();
        return;
    }
    Field = S.left(p);
    S.remove(0, p + Sep.size());
}

QByteArray NextField(QByteArray& S, QByteArrayView Sep)
{
    QByteArray field;
    NextField(S, Sep, field);
    return field;
}

QByteArray BuildPacket(QByteArrayView Payload)
{
    QByteArray packet;
    packet.reserve(PacketHeader.size() + FieldSeparator.size() + Payload.size());
    packet.append(PacketHeader).append(FieldSeparator).append(Payload);
    return packet;
}

QByteArray JoinFields(const QList<QByteArray>& fields)
{
    return fields.join(FieldSeparator);
}

QByteArray JoinLines(const QList<QByteArray>& Lines)
{
    if (Lines.size() == 1 && Lines.front().isEmpty())
        return QByteArray(2, QuoteChar);
    QByteArray result;
    for (qsizetype i = 0; i < Lines.size(); ++i) {
        if (i > 0)
            result.append(LineDelimiter);
        AppendItem(result, Lines[i]);
    }
    return result;
}

QList<QByteArray> ReadLines(QByteArray& rest)
{
    // One walk over the line: the rest is only controls once the cut has passed its last
    // significant character, which is found once from the end instead of searched for per piece.
    QList<QByteArray> pieces;
    const QByteArrayView delimiter(&LineDelimiter, 1);
    qsizetype significantLeft = EndOfSignificant(rest);
    while (significantLeft > 0) {
        const qsizetype before = rest.size();
        pieces.append(NextField(rest, delimiter));
        significantLeft -= before - rest.size();
    }
    return pieces;
}

QByteArray UnquoteLine(const QByteArray& piece)
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

bool CheckHeader(QByteArray& line)
{
    return NextField(line, FieldSeparator) == PacketHeader;
}

bool IsOnlyControls(QByteArrayView text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > 32)
            return false;
    }
    return true;
}

QByteArray TrimControls(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32)
        --end;
    return text.sliced(begin, end - begin).toByteArray();
}

} // namespace Quillon
