#pragma once

#include <QByteArray>
#include <QString>

// The one place where wire text (Windows-1252 bytes) and screen text (Unicode) meet.
// Every byte maps to one character and back: the five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters of the same value, so a
// wire -> screen -> wire round trip is lossless. Characters outside Windows-1252 become '?'.
namespace Quillon::Ansi {

QString ToDisplay(QByteArrayView bytes);
QByteArray ToWire(QStringView text);

} // namespace Quillon::Ansi
