#include "common/core/convert.h"

#include "common/core/ansi.h"
#include "common/core/error.h"
#include "common/core/readabletext.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace Quillon {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> ParseHex(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int v = HexValue(c);
        if (v < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(v);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(QByteArrayView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text = text.sliced(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    const std::int64_t limit = negative ? -std::int64_t(std::numeric_limits<std::int32_t>::min())
                                        : std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (const char c : text) {
        if (!IsDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

// A decimal number as a float reader takes it: blanks, [+-], digits with one optional '.',
// at least one digit, optional exponent, blanks. Tells whether it is one, and if so whether
// it is zero.
std::optional<bool> ParseFloatIsNonZero(QByteArrayView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool anyDigit = false;
    bool nonZero = false;
    while (i < n && IsDigit(text[i])) {
        anyDigit = true;
        nonZero = nonZero || text[i] != '0';
        ++i;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) {
            anyDigit = true;
            nonZero = nonZero || text[i] != '0';
            ++i;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (i >= n || !IsDigit(text[i]))
            return std::nullopt;
        while (i < n && IsDigit(text[i]))
            ++i;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;
    return nonZero;
}

bool EqualsIgnoringAsciiCase(QByteArrayView a, QByteArrayView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

} // namespace

std::optional<std::int32_t> TryStrToInt(QByteArrayView text)
{
    qsizetype start = 0;
    while (start < text.size() && text[start] == ' ')
        ++start;
    text = text.sliced(start);
    if (text.startsWith("0x") || text.startsWith("0X"))
        return ParseHex(text.sliced(2));
    if (text.startsWith('$') || text.startsWith('x') || text.startsWith('X'))
        return ParseHex(text.sliced(1));
    return ParseDecimal(text);
}

std::int32_t StrToInt(QByteArrayView text)
{
    if (const auto value = TryStrToInt(text))
        return *value;
    throw ConvertError(u"'"_s + QuotedField(text) + u"' is not a valid integer value"_s);
}

bool StrToBool(QByteArrayView text)
{
    if (const auto nonZero = ParseFloatIsNonZero(text))
        return *nonZero;
    if (EqualsIgnoringAsciiCase(text, "True"))
        return true;
    if (EqualsIgnoringAsciiCase(text, "False"))
        return false;
    throw ConvertError(u"'"_s + QuotedField(text) + u"' is not a valid boolean value"_s);
}

QByteArray IntToStr(std::int64_t value)
{
    return QByteArray::number(static_cast<qlonglong>(value));
}

QByteArray BoolToStr(bool value)
{
    return value ? QByteArrayLiteral("-1") : QByteArrayLiteral("0");
}

} // namespace Quillon
