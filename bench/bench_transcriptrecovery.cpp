// The transcript's recovery file over a busy hour: a class sending one line per tick (500 ms) for
// an hour, the file rewritten once per lag as the console does. The floor is the same hour's lines
// appended to the transcript without a recovery file.
#include "bench/benchapplication.h"
#include "common/core/recoveryfile.h"
#include "console/chat/transcriptrecovery.h"

#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

namespace {

constexpr int TickMs = 500;
constexpr int LinesPerHour = 3600 * 1000 / TickMs;
constexpr int LinesPerWrite = Brivane::TranscriptLagMs / TickMs;

// One chat message as the page shows it: the sender's line, then the text.
void AppendMessage(QTextDocument& document, int i)
{
    QTextCharFormat format;
    format.setFontWeight(QFont::Bold);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    if (!document.isEmpty())
        cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(QStringLiteral("Jane Doe:"), format);
    format.setFontWeight(QFont::Normal);
    cursor.insertBlock(QTextBlockFormat(), format);
    cursor.insertText(QStringLiteral("line %1 of a busy class, caf\u00e9 and {braces}").arg(i), format);
}

void BM_TranscriptHour_Floor_AppendOnly(benchmark::State& state)
{
    BenchApplication();
    for (auto _ : state) {
        QTextDocument document;
        for (int i = 0; i < LinesPerHour; ++i)
            AppendMessage(document, i);
        benchmark::DoNotOptimize(document.blockCount());
    }
}

void BM_TranscriptHour_WithRecoveryFile(benchmark::State& state)
{
    BenchApplication();
    QTemporaryDir folder;
    std::int64_t writes = 0;
    for (auto _ : state) {
        QTextDocument document;
        Brivane::TTranscriptRecovery recovery(document, folder.path());
        for (int i = 0; i < LinesPerHour; ++i) {
            AppendMessage(document, i);
            // The lag timer's expiry, at the tick it would come.
            if ((i + 1) % LinesPerWrite == 0) {
                recovery.File().Write();
                ++writes;
            }
        }
    }
    state.counters["writes"] =
        benchmark::Counter(static_cast<double>(writes), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(BM_TranscriptHour_Floor_AppendOnly)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TranscriptHour_WithRecoveryFile)->Unit(benchmark::kMillisecond)->Iterations(1);
