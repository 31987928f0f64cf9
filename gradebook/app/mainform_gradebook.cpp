// The grade book: titles and roster from the sign-in, the grid built from them.
#include "mainform.h"

#include "stringgrid.h"
#include "stringgridmodel.h"
#include "ui_mainform.h"
#include "wire.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Cortelle {

using namespace Quillon;

namespace {

constexpr int HeaderRows = 2;  // group titles, column titles
constexpr int NameColumns = 3; // first name, last name, e-mail

} // namespace

void TForm_Main::TitlesArrival(const QList<QByteArray>& columnTitles,
                               const QList<QByteArray>& groupTitleTexts)
{
    FColumnTitles += columnTitles;
    // A title that does not convert throws: it and the ones after it stay out.
    for (const QByteArray& text : groupTitleTexts)
        FGroupTitles.append(TTitle(text));
}

void TForm_Main::RosterArrival()
{
    ReadMailSettings();
    // Nothing of the previous roster may show through, not even texts beyond the new size:
    // a class with fewer grades would otherwise show and upload the old trailing ones.
    m_grid->ClearCells();
    ShowGroupTitles();
    BuildGradeGrid();
    FillRecipientList();
}

void TForm_Main::ShowGroupTitles()
{
    // Columns beyond the grid about to be built never show; stopping there keeps a title such
    // as "X:3:2000000000" from writing two billion cells. Negative columns write nothing.
    const int lastColumn = NameColumns + static_cast<int>(FColumnTitles.size()) - 1;
    for (const TTitle& title : std::as_const(FGroupTitles)) {
        const int first = std::max(title.FirstCol, 0);
        const int last = std::min(title.LastCol, lastColumn);
        for (int col = first; col <= last; ++col)
            m_grid->SetCells(col, 0, title.Name);
    }
}

void TForm_Main::BuildGradeGrid()
{
    const int students = FRoster->Count();
    const int titles = static_cast<int>(FColumnTitles.size());
    m_grid->SetRowCount(students + HeaderRows);
    m_grid->SetColCount(titles + NameColumns);
    // A grid keeps one row and one column free of the fixed ones: a class without students,
    // or a book without titles, fixes one fewer. Editing still starts at row 2, column 3.
    m_grid->SetFixedRows(std::min(HeaderRows, m_grid->RowCount() - 1));
    m_grid->SetFixedCols(std::min(NameColumns, m_grid->ColCount() - 1));
    ui->sgrdMain->SetColWidths(0, 80);
    ui->sgrdMain->SetColWidths(1, 80);
    ui->sgrdMain->SetColWidths(2, 200);

    m_grid->SetCells(0, 1, QByteArrayLiteral("First Name"));
    m_grid->SetCells(1, 1, QByteArrayLiteral("Last Name"));
    m_grid->SetCells(2, 1, QByteArrayLiteral("Email"));
    for (int j = 0; j < titles; ++j)
        m_grid->SetCells(NameColumns + j, 1, FColumnTitles[j]);

    const int colCount = m_grid->ColCount();
    for (int i = 0; i < students; ++i) {
        TStudent* student = FRoster->Items(i);
        const int row = i + HeaderRows;
        student->FGradeRow = m_grid->GradeRow(row);
        m_grid->SetCells(0, row, student->FFirstName);
        m_grid->SetCells(1, row, student->FLastName);
        m_grid->SetCells(2, row, student->FEmail);
        // Pieces beyond the last title would land outside the grid, where nothing shows,
        // saves or exports them: they are not stored at all.
        QByteArray rest = student->FGrades;
        for (int col = NameColumns; !rest.isEmpty() && col < colCount; ++col)
            m_grid->SetCells(col, row, NextField(rest, ListSeparator));
    }
    ui->sgrdMain->show();
    m_gradeBookBuilt = true;
}

// The mail centre reads its settings and fills its recipient list here once it is built.
void TForm_Main::ReadMailSettings() {}

void TForm_Main::FillRecipientList() {}

} // namespace Cortelle
