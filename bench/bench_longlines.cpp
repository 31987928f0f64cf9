// Lines at the connection's length cap through the readers that cut the most fields, beside a
// floor: one plain scan of the same bytes for the field separator, measured in the same run.
#include "common/core/lineconnection.h"
#include "common/core/wire.h"
#include "console/protocol/commserverprotocol.h"

#include <benchmark/benchmark.h>

using namespace Quillon;

namespace {

constexpr qsizetype CapBytes = TLineConnection::MaxLineLength;

// A class-status line (code 9) of as many "first$$$last$$$status" groups as fit under the cap:
// the kind with the most fields per byte.
const QByteArray& ClassStatusLine()
{
    static const QByteArray line = [] {
        QByteArray l = BuildPacket("S$$$V$$$9$$$1"); // the teacher's own status first
        const QByteArray group = "$$$A$$$B$$$1";
        while (l.size() + group.size() < CapBytes)
            l += group;
        return l;
    }();
    return line;
}

// A chat message whose lines are blanks only, ending in one letter: each piece is followed by
// the whole rest of blank pieces, which a reader looking ahead per piece walks again and again.
const QByteArray& BlankLinesMessage()
{
    static const QByteArray line = [] {
        QByteArray l = BuildPacket("S$$$V$$$1$$$0$$$0$$$");
        const qsizetype pieces = (CapBytes - l.size() - 1) / 2;
        l.reserve(CapBytes);
        for (qsizetype i = 0; i < pieces; ++i)
            l.append(" \xC0", 2);
        l.append('x');
        return l;
    }();
    return line;
}

void BM_LongLine_Floor_ScanForSeparators(benchmark::State& state)
{
    const QByteArray& line = ClassStatusLine();
    for (auto _ : state) {
        qsizetype count = 0;
        for (qsizetype p = line.indexOf(FieldSeparator); p >= 0; p = line.indexOf(FieldSeparator, p + 3))
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * line.size());
}
BENCHMARK(BM_LongLine_Floor_ScanForSeparators)->Unit(benchmark::kMillisecond);

void BM_LongLine_ClassStatus16MiB(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray rest = ClassStatusLine();
        Brivane::CommServer::ReadHeader(rest);
        benchmark::DoNotOptimize(Brivane::CommServer::ReadSender(rest));
        benchmark::DoNotOptimize(Brivane::CommServer::ReadCode(rest));
        benchmark::DoNotOptimize(Brivane::CommServer::ReadStatus(rest));
        qsizetype groups = 0;
        while (const auto group = Brivane::CommServer::NextStatusGroup(rest))
            ++groups;
        benchmark::DoNotOptimize(groups);
    }
    state.SetBytesProcessed(state.iterations() * ClassStatusLine().size());
}
BENCHMARK(BM_LongLine_ClassStatus16MiB)->Unit(benchmark::kMillisecond);

void BM_LongLine_BlankChatLines16MiB(benchmark::State& state)
{
    for (auto _ : state) {
        QByteArray rest = BlankLinesMessage();
        Brivane::CommServer::ReadHeader(rest);
        Brivane::CommServer::ReadSender(rest);
        Brivane::CommServer::ReadCode(rest);
        Brivane::CommServer::ReadChatMark(rest);
        benchmark::DoNotOptimize(Brivane::CommServer::ReadMessageLines(rest).size());
    }
    state.SetBytesProcessed(state.iterations() * BlankLinesMessage().size());
}
BENCHMARK(BM_LongLine_BlankChatLines16MiB)->Unit(benchmark::kMillisecond);

} // namespace
