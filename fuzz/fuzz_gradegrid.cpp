// Grade texts from the name server into the grade book: titles and office roster read off the
// wire, the grid laid out and filled into the grid model as the page does, and every student's
// record read back from the model for the upload.
#include "fuzz/fuzzsupport.h"

#include "common/core/nameserverprotocol.h"
#include "common/core/studentlist.h"
#include "common/core/wire.h"
#include "gradebook/book/gradegrid.h"
#include "gradebook/book/gradeupload.h"
#include "gradebook/grid/stringgridmodel.h"

#include <QCoreApplication>

using namespace Quillon;
using namespace Cortelle;
using Fuzz::Require;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    Fuzz::StartApplication<QCoreApplication>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // First line: the rest of a titles line; second line: the rest of an office roster line.
    QList<QByteArray> lines = Fuzz::InputLines(Fuzz::Bytes(data, size));
    lines.resize(2);
    QList<QByteArray> columnTitles;
    QList<QByteArray> groupTitleTexts;
    NameServer::ReadTitles(lines[0], columnTitles, groupTitleTexts);
    TStudentList roster;
    NameServer::ReadOfficeRoster(lines[1], roster);

    const TGradeGridLayout layout = GradeGridLayout(columnTitles, roster);
    Require(layout.RowCount == roster.Count() + HeaderRows, "a row per student under the headings");
    Require(layout.ColCount == static_cast<int>(columnTitles.size()) + NameColumns, "a column per title");
    Require(layout.Rows.size() == layout.RowCount - 1, "every row below the group titles is laid");
    for (const QList<QByteArray>& row : layout.Rows)
        Require(row.size() == layout.ColCount, "every row is as wide as the grid");

    TStringGridModel model;
    model.SetRowCount(layout.RowCount);
    model.SetColCount(layout.ColCount);
    model.SetFixedRows(layout.FixedRows);
    model.SetFixedCols(layout.FixedCols);
    for (int r = 0; r < layout.Rows.size(); ++r) {
        for (int col = 0; col < layout.Rows[r].size(); ++col)
            model.SetCells(col, r + 1, layout.Rows[r][col]);
    }
    for (int i = 0; i < roster.Count(); ++i) {
        TStudent* student = roster.Items(i);
        student->FGradeRow = model.GradeRow(i + HeaderRows);
        QList<QByteArray> cells;
        for (int col = NameColumns; col < layout.ColCount; ++col)
            cells.append(TrimControls(model.Cells(col, i + HeaderRows)));
        Require(student->GradeRecord() == student->FStudentID + FieldSeparator + cells.join(ListSeparator),
                "the record holds the grid's trimmed grades");
    }
    roster.GradesText();
    if (const auto unsendable = FindUnsendableGrade(roster))
        UnsendableGradeMessage(*unsendable, columnTitles);
    return 0;
}
