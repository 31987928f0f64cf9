#pragma once

#include <QByteArray>
#include <QList>

// Framing and field codec of both line protocols. Wire text is bytes, never QString.
namespace Quillon {

inline const QByteArray PacketHeader("\xC2\xC3\xC4", 3);
inline const QByteArray FieldSeparator("$$$", 3);
inline const QByteArray ListSeparator(";", 1);
inline const QByteArray PairSeparator(":", 1);
inline constexpr char LineDelimiter = '\xC0';

// Cuts the first field off S at the first occurrence of Sep; without one, Field is all of S and S empties.
void NextField(QByteArray& S, QByteArrayView Sep, QByteArray& Field);
QByteArray NextField(QByteArray& S, QByteArrayView Sep);

// The line to write for a payload, without the line end: header, "$$$", payload.
QByteArray BuildPacket(QByteArrayView Payload);

// The fields joined by "$$$" (a payload without its header).
QByteArray JoinFields(const QList<QByteArray>& fields);

// One field holding all the lines, blank as quote character, 0xC0 between lines.
QByteArray JoinLines(const QList<QByteArray>& Lines);

// Reads the rest of a line as a multi-line text: pieces cut at 0xC0 while the rest,
// trimmed of codes <= 32, is not empty. Pieces are returned unchanged (quoting blanks kept).
QList<QByteArray> ReadLines(QByteArray& rest);

// A piece of a multi-line text as it was typed: JoinLines quotes a line holding a blank or a
// control character (one blank in front, one behind, every blank inside doubled); such a piece
// comes back unquoted, any other unchanged.
QByteArray UnquoteLine(const QByteArray& piece);

// Cuts the first field of the line and tells whether it is exactly the packet header.
bool CheckHeader(QByteArray& line);

// Whether the text holds nothing but characters of code 32 or below (it stops at the first other).
bool IsOnlyControls(QByteArrayView text);

// The text without the characters of code 32 or below at both ends.
QByteArray TrimControls(QByteArrayView text);

} // namespace Quillon
