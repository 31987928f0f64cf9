#pragma once

// Every benchmark here is one row of one table: our code and its floor (the plainest code that
// gives the same result with the same libraries), measured at each size in the same run.
#include <benchmark/benchmark.h>

#include <functional>
#include <string>
#include <vector>

namespace QuillonBench {

using TBody = std::function<void(benchmark::State&)>;
// How a row is timed: wall-clock time in this unit, a fixed iteration count where one run is
// long, and for a floor that times itself (an outside process leaving its start-up out) the time
// it reports.
struct TRowTiming
{
    benchmark::TimeUnit unit = benchmark::kMillisecond;
    benchmark::IterationCount iterations = 0; // 0: as many as Google Benchmark needs
    bool floorTimesItself = false;
};

// Registers "<row>/ours/<size>" and "<row>/floor/<size>" for every size; state.range(0) is the
// size. The goal is the ratio ours / floor that the row must stay within.
void RegisterRow(const std::string& row, double goal, const std::vector<std::int64_t>& sizes, TBody ours,
                 TBody floor, const TRowTiming& timing = {});

// Prints the table once every row has run: row, size, our time, floor, ratio, goal.
class TableReporter : public benchmark::BenchmarkReporter
{
public:
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Measured
    {
        double seconds = -1;
        std::string error;
        std::string label;
    };
    struct Row
    {
        std::string name;
        std::int64_t size = 0;
        Measured ours;
        Measured floor;
    };
    Row& RowFor(const std::string& name, std::int64_t size);

    std::vector<Row> m_rows;
};

} // namespace QuillonBench
