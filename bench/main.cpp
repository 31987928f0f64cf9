// The benchmark run prints one table, every row beside its floor (bench/benchtable.h).
#include "bench/benchapplication.h"
#include "bench/benchtable.h"

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    QuillonBench::TableReporter table;
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    EndBenchApplication();
    return 0;
}
