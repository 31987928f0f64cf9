// Windows-1252 conversion: every byte string survives wire -> screen -> wire, and screen text
// survives screen -> wire -> screen except characters outside the code page, which become '?'.
#include "fuzz/fuzzsupport.h"

#include "common/core/ansi.h"

#include <QString>

using namespace Quillon;
using Fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QString shown = Ansi::ToDisplay(bytes);
    Require(shown.size() == bytes.size(), "one character per byte");
    Require(Ansi::ToWire(shown) == bytes, "wire text round trip");

    // The same input read as UTF-16 units. A surrogate pair is one character (one '?'), so the
    // unit-by-unit check runs on the text without surrogates; the whole text must still convert.
    const QString units(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    Require(Ansi::ToWire(units).size() <= units.size(), "at most one byte per unit");
    QString text;
    for (const QChar ch : units) {
        if (!ch.isSurrogate())
            text += ch;
    }
    const QByteArray wire = Ansi::ToWire(text);
    Require(wire.size() == text.size(), "one byte per character");
    const QString back = Ansi::ToDisplay(wire);
    for (qsizetype i = 0; i < text.size(); ++i)
        Require(back[i] == text[i] || (wire[i] == '?' && back[i] == u'?'), "screen text round trip");
    return 0;
}
