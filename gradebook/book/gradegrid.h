#pragma once

#include "common/core/studentlist.h"
#include "gradebook/book/title.h"

#include <QByteArray>
#include <QList>

#include <array>

namespace Cortelle {

// The grade book's shape: row 0 holds the group titles and row 1 the column titles; columns 0 to 2
// the first name, last name and e-mail address. Grades start at row 2, column 3.
inline constexpr int HeaderRows = 2;
inline constexpr int NameColumns = 3;
inline constexpr std::array<int, NameColumns> NameColWidths{80, 80, 200};
inline constexpr int GradeColWidth = 120;

// Row 0 for a book of columnTitleCount column titles: one text per grid column, from column 0 to
// the last grade column, empty where no group title covers it. Titles are laid in list order, so
// where they overlap the later one wins; one whose LastCol is below its FirstCol covers nothing.
// Columns below 0 or beyond the last grade column never show and are left out, which also keeps a
// title such as "X:3:2000000000" from costing two billion cells.
QList<QByteArray> GroupTitleRow(const QList<TTitle>& groupTitles, int columnTitleCount);

// The grid built from the column titles and the roster.
struct TGradeGridLayout
{
    int RowCount = 1;
    int ColCount = 1;
    int FixedRows = 0;
    int FixedCols = 0;
    // Grid rows 1 to RowCount - 1, each ColCount texts wide: the column headings, then one row per
    // student in roster order.
    QList<QList<QByteArray>> Rows;

    bool operator==(const TGradeGridLayout&) const = default;
};

// n students under m column titles give n + 2 rows and m + 3 columns, 2 of them fixed rows and 3
// fixed columns. A grid keeps one row and one column free of the fixed ones, so a class without
// students, or a book without titles, fixes one fewer. A student's grades are cut at ";" into
// columns 3 on; an empty piece keeps its place, a trailing ";" adds nothing, and pieces beyond the
// last title are dropped: nothing would show, save or export them.
TGradeGridLayout GradeGridLayout(const QList<QByteArray>& columnTitles, const Quillon::TStudentList& roster);

} // namespace Cortelle
