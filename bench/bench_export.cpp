// Export of the grade book: the block read off the grid in one pass, then the workbook written.
// Floor: libxlsxwriter writing the same cells alone, their texts converted beforehand.
#include "bench/benchtable.h"
#include "gradebook/export/exportblock.h"
#include "gradebook/export/workbookwriter.h"
#include "gradebook/grid/stringgridmodel.h"

#include <QTemporaryDir>

#include <xlsxwriter.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int Titles = 47; // with the three name columns: 50 columns

void FillGradeBook(Cortelle::TStringGridModel& model, int students)
{
    model.SetRowCount(students + 2);
    model.SetColCount(Titles + 3);
    model.SetFixedRows(2);
    model.SetFixedCols(3);
    for (int c = 0; c < Titles; ++c)
        model.SetCells(c + 3, 1, "Quiz " + QByteArray::number(c + 1));
    for (int r = 2; r < students + 2; ++r) {
        model.SetCells(0, r, "Student" + QByteArray::number(r));
        model.SetCells(1, r, "Lastname\xE9");
        model.SetCells(2, r, "student" + QByteArray::number(r) + "@example.org");
        for (int c = 3; c < Titles + 3; ++c)
            model.SetCells(c, r, QByteArray::number((r * 7 + c) % 100) + " \x80");
    }
}

void Export(benchmark::State& state)
{
    Cortelle::TStringGridModel model;
    FillGradeBook(model, static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Grades.xlsx"_s);
    for (auto _ : state)
        Cortelle::WriteWorkbook(Cortelle::BuildExportBlock(model), path);
}

void PlainWorkbook(benchmark::State& state)
{
    Cortelle::TStringGridModel model;
    FillGradeBook(model, static_cast<int>(state.range(0)));
    const Cortelle::ExportBlock block = Cortelle::BuildExportBlock(model);
    std::vector<std::vector<QByteArray>> utf8(static_cast<std::size_t>(block.Rows()));
    for (int r = 0; r < block.Rows(); ++r) {
        for (int c = 0; c < block.Cols(); ++c) {
            const QByteArray& text = block.At(r, c);
            utf8[std::size_t(r)].push_back(text.isEmpty() ? QByteArray()
                                                          : QString::fromLatin1(text).toUtf8());
        }
    }
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(u"Plain.xlsx"_s));
    const QByteArray tmpDir = QFile::encodeName(dir.path());
    for (auto _ : state) {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = const_cast<char*>(tmpDir.constData());
        lxw_workbook* workbook = workbook_new_opt(path.constData(), &options);
        lxw_worksheet* sheet = workbook_add_worksheet(workbook, nullptr);
        for (std::size_t r = 0; r < utf8.size(); ++r) {
            for (std::size_t c = 0; c < utf8[r].size(); ++c) {
                if (!utf8[r][c].isEmpty())
                    worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), utf8[r][c].constData(),
                                           nullptr);
            }
        }
        if (workbook_close(workbook) != LXW_NO_ERROR)
            state.SkipWithError("the floor's workbook was not written");
    }
}

const bool registered = [] {
    QuillonBench::RegisterRow("export (x 50 columns)", 1.2, {100, 1000, 10000}, Export, PlainWorkbook);
    return true;
}();

} // namespace
