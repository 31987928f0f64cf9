// The multi-line text encoding: lines written by JoinLines come back from ReadLines and the
// chat's unquoting as they were; any received text unquotes without fault.
#include "fuzz/fuzzsupport.h"

#include "common/core/wire.h"
#include "console/chat/chattext.h"

using namespace Quillon;
using Fuzz::Require;

namespace {

bool OnlyControls(const QByteArray& line)
{
    for (const char c : line) {
        if (static_cast<unsigned char>(c) > 32)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = Fuzz::Bytes(data, size);

    // The input as lines: a wire line cannot hold the line delimiter, so it is where lines are cut.
    const QList<QByteArray> lines = input.split(LineDelimiter);
    QByteArray encoded = JoinLines(lines);
    Require(!encoded.contains(FieldSeparator) || input.contains(FieldSeparator),
            "the encoding adds no field separator");
    const QList<QByteArray> decoded = Brivane::ChatText::ShownPieces(ReadLines(encoded));

    // The reader stops where only blanks and controls remain, so it may leave out lines of
    // nothing else at the end; every line it gives is the one written.
    Require(decoded.size() <= lines.size(), "no line more than written");
    Require(decoded == lines.first(decoded.size()), "lines come back as written");
    for (qsizetype i = decoded.size(); i < lines.size(); ++i)
        Require(OnlyControls(lines[i]), "only lines of blanks and controls are left out");

    QByteArray received = input;
    for (const QByteArray& piece : Brivane::ChatText::ShownPieces(ReadLines(received)))
        Require(piece.size() <= input.size(), "unquoting never grows a piece");
    return 0;
}
