#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// The texts of the chat as wire bytes: the header lines of the transcript, the pieces shown and
// spoken, and the teacher's input cut into lines. Widget-free.
namespace Brivane::ChatText {

// Codes 2 and 12: "[Jane Doe]", "[Audio from Jane Doe in private]" (12 adds " in private").
QByteArray ChatHeader(int code, bool audio, const QByteArray& first, const QByteArray& last);
// Code 13: "[Teacher Roe to Jane Doe in private]", "[Audio Teacher Roe to Jane Doe in private]".
QByteArray AddressedHeader(bool audio, const QByteArray& first, const QByteArray& last,
                           const QByteArray& recipient);

// A received piece as it was typed. The line encoding quotes a line holding a blank or a control
// character: one blank in front, one behind, every blank inside doubled. Such a piece is given
// back unquoted; any other piece as it is.
QByteArray UnquotePiece(const QByteArray& piece);
QList<QByteArray> ShownPieces(const QList<QByteArray>& received);

// What the voice reads: the separator before every piece (a blank for 2 and 12, none for 13).
QByteArray SpokenText(const QList<QByteArray>& pieces, QByteArrayView separator);

// The teacher's input as wire lines; a line break at the very end starts no line.
QList<QByteArray> InputLines(const QString& text);

} // namespace Brivane::ChatText
