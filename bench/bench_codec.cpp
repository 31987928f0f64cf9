#include "common/core/ansi.h"
#include "common/core/studentlist.h"
#include "common/core/wire.h"

#include <benchmark/benchmark.h>

using namespace Quillon;

namespace {

// A console roster line of 1000 students: first$$$last per student.
QByteArray RosterLine(int students)
{
    QList<QByteArray> fields;
    for (int i = 0; i < students; ++i) {
        fields.append("First" + QByteArray::number(i));
        fields.append("Last" + QByteArray::number(i));
    }
    return BuildPacket(JoinFields(fields));
}

void BM_NextField_RosterLine(benchmark::State& state)
{
    const QByteArray line = RosterLine(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QByteArray rest = line;
        QByteArray field;
        int count = 0;
        while (!rest.isEmpty()) {
            NextField(rest, FieldSeparator, field);
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * line.size());
}
BENCHMARK(BM_NextField_RosterLine)->Arg(1000)->Arg(10000);

void BM_JoinLines(benchmark::State& state)
{
    QList<QByteArray> lines;
    for (int i = 0; i < state.range(0); ++i)
        lines.append(i % 2 ? QByteArray("a chat line with some blanks in it") : QByteArray("plainline"));
    for (auto _ : state)
        benchmark::DoNotOptimize(JoinLines(lines));
}
BENCHMARK(BM_JoinLines)->Arg(10)->Arg(1000);

QByteArray AllBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i & 0xFF);
    return bytes;
}

void BM_Ansi_ToDisplay_1MiB(benchmark::State& state)
{
    const QByteArray bytes = AllBytes(1024 * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(Ansi::ToDisplay(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_Ansi_ToDisplay_1MiB);

void BM_Ansi_ToWire_1MiB(benchmark::State& state)
{
    const QString text = Ansi::ToDisplay(AllBytes(1024 * 1024));
    for (auto _ : state)
        benchmark::DoNotOptimize(Ansi::ToWire(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_Ansi_ToWire_1MiB);

void BM_FindByName_1000(benchmark::State& state)
{
    TStudentList roster;
    for (int i = 0; i < 1000; ++i) {
        TStudent* s = roster.Add();
        s->FFirstName = "First" + QByteArray::number(i);
        s->FLastName = "Last" + QByteArray::number(i);
    }
    // The last student, in other letter case: a full scan with folding.
    const QByteArray first("FIRST999");
    const QByteArray last("last999");
    for (auto _ : state)
        benchmark::DoNotOptimize(roster.FindByName(first, last));
}
BENCHMARK(BM_FindByName_1000);

} // namespace
