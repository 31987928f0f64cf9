#include "bench/benchtable.h"

#include <cstdio>
#include <map>

namespace QuillonBench {

namespace {

std::map<std::string, double>& Goals()
{
    static std::map<std::string, double> goals;
    return goals;
}

std::string TimeText(double seconds)
{
    char text[32];
    if (seconds < 0)
        return "-";
    if (seconds >= 1)
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    return text;
}

} // namespace

void RegisterRow(const std::string& row, double goal, const std::vector<std::int64_t>& sizes, TBody ours,
                 TBody floor, const TRowTiming& timing)
{
    Goals()[row] = goal;
    for (const bool isFloor : {false, true}) {
        benchmark::internal::Benchmark* bench = benchmark::RegisterBenchmark(
            (row + (isFloor ? "/floor" : "/ours")).c_str(), isFloor ? floor : ours);
        for (std::int64_t size : sizes)
            bench->Arg(size);
        bench->Unit(timing.unit);
        if (timing.iterations > 0)
            bench->Iterations(timing.iterations);
        if (isFloor && timing.floorTimesItself)
            bench->UseManualTime();
        else
            bench->UseRealTime();
    }
}

bool TableReporter::ReportContext(const Context& context)
{
    std::printf("%d CPUs at %.0f MHz; times are wall-clock per operation\n\n", context.cpu_info.num_cpus,
                context.cpu_info.cycles_per_second / 1e6);
    return true;
}

TableReporter::Row& TableReporter::RowFor(const std::string& name, std::int64_t size)
{
    for (Row& row : m_rows) {
        if (row.name == name && row.size == size)
            return row;
    }
    m_rows.push_back({name, size, {}, {}});
    return m_rows.back();
}

// Names read "<row>/ours/<size>[/...]" or "<row>/floor/<size>[/...]".
void TableReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration)
            continue;
        const std::string name = run.benchmark_name();
        bool ours = true;
        std::size_t at = name.find("/ours/");
        if (at == std::string::npos) {
            ours = false;
            at = name.find("/floor/");
        }
        if (at == std::string::npos)
            continue;
        const std::size_t sizeAt = name.find('/', at + 1) + 1;
        Row& row = RowFor(name.substr(0, at), std::stoll(name.substr(sizeAt)));
        Measured& measured = ours ? row.ours : row.floor;
        measured.label = run.report_label;
        if (run.error_occurred)
            measured.error = run.error_message;
        else
            measured.seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
}

void TableReporter::Finalize()
{
    std::printf("%-44s %8s %11s %11s %7s %5s\n", "row", "size", "ours", "floor", "ratio", "goal");
    for (const Row& row : m_rows) {
        const double goal = Goals()[row.name];
        std::string ratio = "-";
        std::string verdict;
        if (row.ours.seconds > 0 && row.floor.seconds > 0) {
            const double value = row.ours.seconds / row.floor.seconds;
            char text[16];
            std::snprintf(text, sizeof text, "%.2fx", value);
            ratio = text;
            verdict = value <= goal ? "" : "  over";
        }
        for (const Measured* side : {&row.ours, &row.floor}) {
            if (!side->error.empty())
                verdict += "  error: " + side->error;
            if (!side->label.empty())
                verdict += "  (" + side->label + ")";
        }
        std::printf("%-44s %8lld %11s %11s %7s %4.1fx%s\n", row.name.c_str(),
                    static_cast<long long>(row.size), TimeText(row.ours.seconds).c_str(),
                    TimeText(row.floor.seconds).c_str(), ratio.c_str(), goal, verdict.c_str());
    }
    std::fflush(stdout);
}

} // namespace QuillonBench
