// The transcript writer: whatever a student typed, the RTF is well formed (printable ASCII,
// balanced groups, one outer group) and its text, read back, is the document's text.
#include "fuzz/fuzzsupport.h"

#include "common/core/ansi.h"
#include "console/chat/rtfwriter.h"

#include <QColor>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <optional>

using namespace Quillon;
using Fuzz::Require;

namespace {

bool IsHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The text of an RTF file, read the way RTF readers do: control words, escapes, \'hh in
// Windows-1252, \uN with one fallback character skipped, destination groups (font and colour
// tables) skipped, \par as a paragraph end. nullopt for anything that is not well-formed RTF.
std::optional<QString> ReadRtfText(const QByteArray& rtf)
{
    if (!rtf.startsWith("{\\rtf1"))
        return std::nullopt;
    QString text;
    QList<bool> skipping{false};
    int depth = 0;
    bool closed = false;
    int fallbackToSkip = 0;
    const auto put = [&](QChar ch) {
        if (fallbackToSkip > 0) {
            --fallbackToSkip;
            return;
        }
        if (!skipping.back())
            text += ch;
    };
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c < 0x20 && c != '\n')
            return std::nullopt;
        if (static_cast<unsigned char>(c) >= 0x7F)
            return std::nullopt;
        if (closed) {
            if (c != '\n')
                return std::nullopt;
            continue;
        }
        if (c == '\n')
            continue;
        if (c == '{') {
            ++depth;
            skipping.append(skipping.back());
            fallbackToSkip = 0;
            continue;
        }
        if (c == '}') {
            --depth;
            skipping.removeLast();
            fallbackToSkip = 0;
            if (depth == 0)
                closed = true;
            continue;
        }
        if (c != '\\') {
            put(QLatin1Char(c));
            continue;
        }
        if (++i == rtf.size())
            return std::nullopt;
        const char next = rtf[i];
        if (next == '\\' || next == '{' || next == '}') {
            put(QLatin1Char(next));
            continue;
        }
        if (next == '\'') {
            if (i + 2 >= rtf.size() || !IsHex(rtf[i + 1]) || !IsHex(rtf[i + 2]))
                return std::nullopt;
            const QByteArray byte = QByteArray::fromHex(rtf.mid(i + 1, 2));
            put(Ansi::ToDisplay(byte).front());
            i += 2;
            continue;
        }
        if (next < 'a' || next > 'z')
            return std::nullopt;
        qsizetype end = i;
        while (end < rtf.size() && rtf[end] >= 'a' && rtf[end] <= 'z')
            ++end;
        const QByteArray word = rtf.mid(i, end - i);
        qsizetype numberEnd = end;
        if (numberEnd < rtf.size() && rtf[numberEnd] == '-')
            ++numberEnd;
        while (numberEnd < rtf.size() && rtf[numberEnd] >= '0' && rtf[numberEnd] <= '9')
            ++numberEnd;
        const QByteArray number = rtf.mid(end, numberEnd - end);
        i = numberEnd;
        if (i < rtf.size() && rtf[i] != ' ')
            --i; // the delimiter belongs to what follows
        if (word == "fonttbl" || word == "colortbl") {
            skipping.back() = true;
        } else if (word == "par") {
            put(QLatin1Char('\n'));
        } else if (word == "tab") {
            put(QLatin1Char('\t'));
        } else if (word == "line") {
            put(QChar::LineSeparator);
        } else if (word == "u") {
            bool ok = false;
            const int value = number.toInt(&ok);
            if (!ok || value < -32768 || value > 32767)
                return std::nullopt;
            put(QChar(static_cast<char16_t>(value < 0 ? value + 0x10000 : value)));
            fallbackToSkip = 1;
        }
    }
    if (!closed || depth != 0)
        return std::nullopt;
    return text;
}

// The document's text as the transcript keeps it: each block ends a paragraph, and controls
// other than tab carry nothing visible.
QString ExpectedText(const QTextDocument& document)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (const QChar ch : block.text()) {
            if ((ch.unicode() >= 0x20 && ch.unicode() != 0x7F) || ch == u'\t')
                text += ch;
        }
        text += u'\n';
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::StartApplication<QGuiApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the format and whether the rest is wire text or UTF-16 (every
    // character a student's program could have put there, surrogate halves included).
    const std::uint8_t flags = data[0];
    const QByteArray rest = Fuzz::Bytes(data + 1, size - 1);
    const QString message = (flags & 1) != 0
                                ? QString(reinterpret_cast<const QChar*>(rest.constData()), rest.size() / 2)
                                : Ansi::ToDisplay(rest);

    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat header;
    header.setFontWeight(QFont::Bold);
    cursor.setCharFormat(header);
    cursor.insertText(QStringLiteral("[Ann Lee]"));
    cursor.insertBlock();
    QTextCharFormat format;
    format.setFontWeight((flags & 2) != 0 ? QFont::Bold : QFont::Normal);
    format.setFontItalic((flags & 4) != 0);
    if ((flags & 8) != 0)
        format.setForeground(QColor::fromRgb(0x10203 * flags));
    cursor.setCharFormat(format);
    cursor.insertText(message);

    const QByteArray rtf = Brivane::WriteRtf(document);
    const std::optional<QString> readBack = ReadRtfText(rtf);
    Require(readBack.has_value(), "the RTF is well formed");
    Require(*readBack == ExpectedText(document), "the RTF reads back as the text");
    return 0;
}
