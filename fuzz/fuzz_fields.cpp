// Header check, field cutting, and the integer and boolean conversions of protocol fields.
#include "fuzz/fuzzsupport.h"

#include "common/core/convert.h"
#include "common/core/error.h"
#include "common/core/wire.h"

#include <optional>

using namespace Quillon;
using Fuzz::Require;

namespace {

// The plain decimal case of the integer conversion, worked out independently: blanks, an
// optional sign, digits and nothing else; a value outside 32 bits does not convert.
struct TDecimal
{
    bool isDecimal = false;
    std::optional<std::int32_t> value;
};

TDecimal ReferenceDecimal(QByteArrayView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return {};
    std::int64_t magnitude = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return {};
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > (std::int64_t(1) << 32))
            overflow = true, magnitude = std::int64_t(1) << 32;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (overflow || value < INT32_MIN || value > INT32_MAX)
        return {true, std::nullopt};
    return {true, static_cast<std::int32_t>(value)};
}

void CheckCutting(const QByteArray& input, QByteArrayView separator)
{
    QByteArray rest = input;
    while (!rest.isEmpty()) {
        const QByteArray before = rest;
        const QByteArray field = NextField(rest, separator);
        Require(!field.contains(separator), "a field holds no separator");
        if (field == before)
            Require(rest.isEmpty(), "the last field takes the whole rest");
        else
            Require(before == field + separator.toByteArray() + rest,
                    "field, separator and rest give the line");
    }
}

void CheckInteger(QByteArrayView text)
{
    const std::optional<std::int32_t> tried = TryStrToInt(text);
    try {
        const std::int32_t value = StrToInt(text);
        Require(tried == value, "StrToInt and TryStrToInt agree");
    } catch (const ConvertError&) {
        Require(!tried, "StrToInt throws only where TryStrToInt fails");
    }
    if (tried)
        Require(TryStrToInt(IntToStr(*tried)) == tried, "an integer written reads back");
    const TDecimal reference = ReferenceDecimal(text);
    if (reference.isDecimal)
        Require(tried == reference.value, "decimal text converts exactly when it fits 32 bits");
}

void CheckBoolean(QByteArrayView text)
{
    try {
        const bool value = StrToBool(text);
        if (text.compare("false", Qt::CaseInsensitive) == 0)
            Require(!value, "\"False\" reads false");
        if (text.compare("true", Qt::CaseInsensitive) == 0)
            Require(value, "\"True\" reads true");
        Require(StrToBool(BoolToStr(value)) == value, "a boolean written reads back");
    } catch (const ConvertError&) {
        Require(text.compare("true", Qt::CaseInsensitive) != 0 &&
                    text.compare("false", Qt::CaseInsensitive) != 0,
                "\"True\" and \"False\" always convert");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = Fuzz::Bytes(data, size);

    QByteArray line = input;
    const bool headerOk = CheckHeader(line);
    Require(headerOk == (input.startsWith(PacketHeader + FieldSeparator) || input == PacketHeader),
            "the header check accepts exactly the packet header as first field");

    for (const QByteArrayView separator :
         {QByteArrayView(FieldSeparator), QByteArrayView(ListSeparator), QByteArrayView(&LineDelimiter, 1)})
        CheckCutting(input, separator);

    const QByteArray trimmed = TrimControls(input);
    Require(trimmed.isEmpty() || (static_cast<unsigned char>(trimmed.front()) > 32 &&
                                  static_cast<unsigned char>(trimmed.back()) > 32),
            "trimmed text neither starts nor ends with a code <= 32");

    QByteArray fields = input;
    while (!fields.isEmpty()) {
        const QByteArray field = NextField(fields, FieldSeparator);
        CheckInteger(field);
        CheckBoolean(field);
    }
    return 0;
}
