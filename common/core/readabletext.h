#pragma once

#include <QByteArrayView>
#include <QString>

// Outside texts cut to what a person reads: a box or a label laid out over megabytes of text
// freezes the window for seconds, and nobody reads past the first screen anyway.
namespace Quillon {

// Characters and lines a box shows of a text before cutting it.
inline constexpr qsizetype ReadableChars = 1000;
inline constexpr qsizetype ReadableLines = 20;
// Bytes of a bad field an error text quotes.
inline constexpr qsizetype QuotedFieldBytes = 40;
inline constexpr QChar Ellipsis = QChar(0x2026);

// The text itself when short enough, else its start up to ReadableChars characters or
// ReadableLines lines, whichever comes first, with an ellipsis.
QString Readable(const QString& text, qsizetype maxChars = ReadableChars, qsizetype maxLines = ReadableLines);
bool IsReadable(const QString& text, qsizetype maxChars = ReadableChars, qsizetype maxLines = ReadableLines);

// A wire field as an error text quotes it: its first QuotedFieldBytes bytes, with an ellipsis
// when there were more.
QString QuotedField(QByteArrayView field);

} // namespace Quillon
