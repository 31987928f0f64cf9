#include "console/chat/rtfwriter.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <array>
#include <cmath>
#include <optional>

namespace Brivane {
namespace {

// What the Windows-1252 bytes 0x80..0x9F stand for; 0 marks the five bytes the code page leaves
// undefined. Their C1 control characters are therefore written as \uN, like any other character
// outside the code page.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,      //
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<unsigned char> Cp1252Byte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<unsigned char>(unit);
    for (std::size_t i = 0; i < kCp1252High.size(); ++i) {
        if (kCp1252High[i] == unit)
            return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

// Plain text into RTF: backslash and braces escaped, the code page's characters as \'hh, all
// others (each UTF-16 unit, so a surrogate pair gives two) as \uN with N signed 16-bit and '?'
// for readers without Unicode. A run of \uN sits in a group of its own: some readers (unrtf) skip
// more than the one fallback character after \uN, and the closing brace stops them.
// C0 controls other than tab carry nothing visible and are dropped.
void AppendText(QByteArray& out, QStringView text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    bool inUnicodeRun = false;
    const auto endUnicodeRun = [&] {
        if (inUnicodeRun)
            out += '}';
        inUnicodeRun = false;
    };
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit < 0x20 || unit == 0x7F || unit == QChar::LineSeparator) {
            endUnicodeRun();
            if (unit == u'\t')
                out += "\\tab ";
            else if (unit == QChar::LineSeparator)
                out += "\\line ";
            continue;
        }
        const std::optional<unsigned char> byte = Cp1252Byte(unit);
        if (!byte) {
            if (!inUnicodeRun)
                out += '{';
            inUnicodeRun = true;
            const int signedUnit = unit > 0x7FFF ? int(unit) - 0x10000 : int(unit);
            out += "\\u" + QByteArray::number(signedUnit) + '?';
            continue;
        }
        endUnicodeRun();
        if (unit == u'\\' || unit == u'{' || unit == u'}') {
            out += '\\';
            out += static_cast<char>(unit);
        } else if (unit < 0x80) {
            out += static_cast<char>(unit);
        } else {
            out += "\\'";
            out += kHex[*byte >> 4];
            out += kHex[*byte & 0xF];
        }
    }
    endUnicodeRun();
}

// Colours in order of first use; RTF index 0 is the reader's automatic colour.
class TColorTable
{
public:
    int IndexOf(const QTextCharFormat& format)
    {
        const QBrush brush = format.foreground();
        if (brush.style() == Qt::NoBrush)
            return 0;
        const QRgb rgb = brush.color().rgb() & RGB_MASK;
        qsizetype index = m_colors.indexOf(rgb);
        if (index < 0) {
            index = m_colors.size();
            m_colors.append(rgb);
        }
        return static_cast<int>(index) + 1;
    }

    QByteArray Rtf() const
    {
        QByteArray out = "{\\colortbl;";
        for (const QRgb rgb : m_colors) {
            out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) +
                   "\\blue" + QByteArray::number(qBlue(rgb)) + ';';
        }
        out += '}';
        return out;
    }

private:
    QList<QRgb> m_colors;
};

QByteArray HalfPoints(qreal pointSize)
{
    return QByteArray::number(static_cast<int>(std::lround(pointSize * 2)));
}

QByteArray Fragment(const QTextFragment& fragment, TColorTable& colors)
{
    const QTextCharFormat format = fragment.charFormat();
    QByteArray out = "{";
    if (format.fontWeight() > QFont::Medium)
        out += "\\b";
    if (format.fontItalic())
        out += "\\i";
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        out += "\\fs" + HalfPoints(format.fontPointSize());
    out += "\\cf" + QByteArray::number(colors.IndexOf(format)) + ' ';
    AppendText(out, fragment.text());
    out += '}';
    return out;
}

} // namespace

QByteArray WriteRtf(const QTextDocument& document)
{
    const QFont font = document.defaultFont();
    QByteArray paragraphStart = "\\pard\\plain\\f0";
    if (font.pointSizeF() > 0)
        paragraphStart += "\\fs" + HalfPoints(font.pointSizeF());
    paragraphStart += ' ';

    TColorTable colors;
    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        body += paragraphStart;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().isValid())
                body += Fragment(it.fragment(), colors);
        }
        body += "\\par\n";
    }

    // The font table takes the name as plain text up to ';': printable ASCII only.
    QByteArray fontName;
    for (const QChar ch : font.family()) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7F && !QStringView(u"\\{};").contains(ch))
            fontName += static_cast<char>(ch.unicode());
    }

    QByteArray out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset0 " + fontName + ";}}";
    out += colors.Rtf();
    out += '\n';
    out += body;
    out += "}\n";
    return out;
}

} // namespace Brivane
