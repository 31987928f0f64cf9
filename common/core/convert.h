#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

// Value conversions inside protocol fields. Failures throw ConvertError with a message such as
// "'50x0' is not a valid integer value".
namespace Quillon {

// Leading blanks (0x20 only), then [+-]decimal fitting in 32 bits, or "$", "x", "X", "0x", "0X"
// followed by 1..8 hex digits taken as a 32-bit pattern. Nothing may follow.
std::int32_t StrToInt(QByteArrayView text);
std::optional<std::int32_t> TryStrToInt(QByteArrayView text);

// A decimal number (blanks around it allowed, '.' separator, optional exponent): true when not
// zero; otherwise "True"/"False" compared without regard to case.
bool StrToBool(QByteArrayView text);

QByteArray IntToStr(std::int64_t value);
// "-1" for true, "0" for false.
QByteArray BoolToStr(bool value);

} // namespace Quillon
