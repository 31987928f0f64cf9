#include "common/core/ansi.h"

#include <array>

namespace Quillon::Ansi {

namespace {

// Windows-1252 at 0x80..0x9F; the five bytes it leaves undefined keep their own value.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char ToByte(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    switch (unit) {
    case 0x0081:
    case 0x008D:
    case 0x008F:
    case 0x0090:
    case 0x009D:
        return static_cast<char>(unit);
    default:
        break;
    }
    if (unit < 0x100)
        return '?';
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QString ToDisplay(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? HighControls[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QByteArray ToWire(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        // A character outside the basic plane is one replacement, not two.
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        *out++ = ch.isSurrogate() ? '?' : ToByte(ch.unicode());
    }
    bytes.truncate(out - bytes.constData());
    return bytes;
}

} // namespace Quillon::Ansi
