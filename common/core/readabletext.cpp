#include "common/core/readabletext.h"

#include "common/core/ansi.h"

namespace Quillon {
namespace {

// Where the readable start of the text ends: the text's size when all of it is readable.
qsizetype ReadableEnd(const QString& text, qsizetype maxChars, qsizetype maxLines)
{
    const qsizetype limit = std::min(text.size(), maxChars);
    qsizetype lines = 1;
    for (qsizetype i = 0; i < limit; ++i) {
        if (text[i] == u'\n' && ++lines > maxLines)
            return i;
    }
    if (limit < text.size() && text[limit - 1].isHighSurrogate())
        return limit - 1; // never split a character in two
    return limit;
}

} // namespace

QString Readable(const QString& text, qsizetype maxChars, qsizetype maxLines)
{
    const qsizetype end = ReadableEnd(text, maxChars, maxLines);
    if (end == text.size())
        return text;
    return text.first(end) + Ellipsis;
}

bool IsReadable(const QString& text, qsizetype maxChars, qsizetype maxLines)
{
    return ReadableEnd(text, maxChars, maxLines) == text.size();
}

QString QuotedField(QByteArrayView field)
{
    if (field.size() <= QuotedFieldBytes)
        return Ansi::ToDisplay(field);
    return Ansi::ToDisplay(field.first(QuotedFieldBytes)) + Ellipsis;
}

} // namespace Quillon
