// The wire codec: fields cut off a roster line, lines joined for a multi-line field, the
// Windows-1252 conversion both ways and the roster's name lookup. Floors: the same results by the
// plainest Qt calls (indexOf and mid, a join of the same items, a 256-entry table, a loop of
// case-insensitive compares).
#include "bench/benchtable.h"
#include "common/core/ansi.h"
#include "common/core/studentlist.h"
#include "common/core/wire.h"

#include <QHash>

#include <array>

using namespace Quillon;

namespace {

// A console roster line: first$$$last per student.
QByteArray RosterLine(std::int64_t students)
{
    QList<QByteArray> fields;
    for (std::int64_t i = 0; i < students; ++i) {
        fields.append("First" + QByteArray::number(i));
        fields.append("Last" + QByteArray::number(i));
    }
    return BuildPacket(JoinFields(fields));
}

void CutRosterLine(benchmark::State& state)
{
    const QByteArray line = RosterLine(state.range(0));
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
}

void PlainCutRosterLine(benchmark::State& state)
{
    const QByteArray line = RosterLine(state.range(0));
    for (auto _ : state) {
        qsizetype from = 0;
        int count = 0;
        while (from < line.size()) {
            qsizetype at = line.indexOf("$$$", from);
            if (at < 0)
                at = line.size();
            benchmark::DoNotOptimize(line.mid(from, at - from));
            from = at + 3;
            ++count;
        }
        benchmark::DoNotOptimize(count);
    }
}

QList<QByteArray> ChatLines(std::int64_t count)
{
    QList<QByteArray> lines;
    for (std::int64_t i = 0; i < count; ++i)
        lines.append(i % 2 ? QByteArray("a chat line with some blanks in it") : QByteArray("plainline"));
    return lines;
}

void Join(benchmark::State& state)
{
    const QList<QByteArray> lines = ChatLines(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(JoinLines(lines));
}

// Each line already in its joined form; only the join itself left.
void PlainJoin(benchmark::State& state)
{
    QList<QByteArray> items;
    for (const QByteArray& line : ChatLines(state.range(0)))
        items.append(JoinLines({line}));
    const QList<QByteArray> lines = ChatLines(state.range(0));
    if (items.join(LineDelimiter) != JoinLines(lines))
        state.SkipWithError("the floor does not build the same text");
    for (auto _ : state)
        benchmark::DoNotOptimize(items.join(LineDelimiter));
}

QByteArray AllBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(i & 0xFF);
    return bytes;
}

void ToDisplay(benchmark::State& state)
{
    const QByteArray bytes = AllBytes(state.range(0) * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(Ansi::ToDisplay(bytes));
}

void PlainToDisplay(benchmark::State& state)
{
    const QByteArray bytes = AllBytes(state.range(0) * 1024);
    const QString all = Ansi::ToDisplay(AllBytes(256));
    for (auto _ : state) {
        QString text(bytes.size(), Qt::Uninitialized);
        QChar* out = text.data();
        for (const char byte : bytes)
            *out++ = all[static_cast<unsigned char>(byte)];
        benchmark::DoNotOptimize(text);
    }
}

void ToWire(benchmark::State& state)
{
    const QString text = Ansi::ToDisplay(AllBytes(state.range(0) * 1024));
    for (auto _ : state)
        benchmark::DoNotOptimize(Ansi::ToWire(text));
}

void PlainToWire(benchmark::State& state)
{
    const QString text = Ansi::ToDisplay(AllBytes(state.range(0) * 1024));
    QHash<char16_t, char> back;
    const QString all = Ansi::ToDisplay(AllBytes(256));
    for (int i = 0; i < 256; ++i)
        back.insert(all[i].unicode(), static_cast<char>(i));
    for (auto _ : state) {
        QByteArray bytes(text.size(), Qt::Uninitialized);
        char* out = bytes.data();
        for (const QChar c : text)
            *out++ = c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : back.value(c.unicode(), '?');
        benchmark::DoNotOptimize(bytes);
    }
}

TStudentList Roster(std::int64_t students)
{
    TStudentList roster;
    for (std::int64_t i = 0; i < students; ++i) {
        TStudent* s = roster.Add();
        s->FFirstName = "First" + QByteArray::number(i);
        s->FLastName = "Last" + QByteArray::number(i);
    }
    return roster;
}

// The last student, in other letter case: a full scan with folding.
void FindByName(benchmark::State& state)
{
    const TStudentList roster = Roster(state.range(0));
    const QByteArray first = "FIRST" + QByteArray::number(state.range(0) - 1);
    const QByteArray last = "last" + QByteArray::number(state.range(0) - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(roster.FindByName(first, last));
}

void PlainFindByName(benchmark::State& state)
{
    const TStudentList roster = Roster(state.range(0));
    const QByteArray first = "FIRST" + QByteArray::number(state.range(0) - 1);
    const QByteArray last = "last" + QByteArray::number(state.range(0) - 1);
    for (auto _ : state) {
        TStudent* found = nullptr;
        for (const auto& student : roster) {
            if (student->FFirstName.compare(first, Qt::CaseInsensitive) == 0 &&
                student->FLastName.compare(last, Qt::CaseInsensitive) == 0) {
                found = student.get();
                break;
            }
        }
        benchmark::DoNotOptimize(found);
    }
}

const bool registered = [] {
    using QuillonBench::RegisterRow;
    const QuillonBench::TRowTiming us{benchmark::kMicrosecond};
    RegisterRow("NextField over a roster line (students)", 1.5, {100, 1000, 10000}, CutRosterLine,
                PlainCutRosterLine, us);
    RegisterRow("JoinLines (lines)", 1.5, {10, 100, 1000}, Join, PlainJoin, us);
    RegisterRow("Windows-1252 to display (KiB)", 1.5, {1, 64, 1024}, ToDisplay, PlainToDisplay, us);
    RegisterRow("display to Windows-1252 (KiB)", 1.5, {1, 64, 1024}, ToWire, PlainToWire, us);
    RegisterRow("FindByName, last student (students)", 1.5, {100, 1000, 10000}, FindByName, PlainFindByName,
                us);
    return true;
}();

} // namespace
