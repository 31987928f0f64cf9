// Export of a large class: the block read off the grid in one pass, then the workbook written.
#include "gradebook/export/exportblock.h"
#include "gradebook/export/workbookwriter.h"
#include "gradebook/grid/stringgridmodel.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Students = 1000;
constexpr int Titles = 47; // with the three name columns: 50 columns

void FillGradeBook(Cortelle::TStringGridModel& model)
{
    model.SetRowCount(Students + 2);
    model.SetColCount(Titles + 3);
    model.SetFixedRows(2);
    model.SetFixedCols(3);
    for (int c = 0; c < Titles; ++c) {
        model.SetCells(c + 3, 1, "Quiz " + QByteArray::number(c + 1));
    }
    for (int r = 2; r < Students + 2; ++r) {
        model.SetCells(0, r, "Student" + QByteArray::number(r));
        model.SetCells(1, r, "Lastname\xE9");
        model.SetCells(2, r, "student" + QByteArray::number(r) + "@example.org");
        for (int c = 3; c < Titles + 3; ++c) {
            model.SetCells(c, r, QByteArray::number((r * 7 + c) % 100) + " \x80");
        }
    }
}

void BM_BuildExportBlock(benchmark::State& state)
{
    Cortelle::TStringGridModel model;
    FillGradeBook(model);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Cortelle::BuildExportBlock(model));
    }
}
BENCHMARK(BM_BuildExportBlock)->Unit(benchmark::kMillisecond);

void BM_ExportWorkbook(benchmark::State& state)
{
    Cortelle::TStringGridModel model;
    FillGradeBook(model);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Grades.xlsx"_s);
    for (auto _ : state) {
        Cortelle::WriteWorkbook(Cortelle::BuildExportBlock(model), path);
    }
}
BENCHMARK(BM_ExportWorkbook)->Unit(benchmark::kMillisecond);

} // namespace
