#include "gradebook/book/gradegrid.h"

#include "common/core/wire.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace Cortelle {

QList<QByteArray> GroupTitleRow(const QList<TTitle>& groupTitles, int columnTitleCount)
{
    QList<QByteArray> row(NameColumns + std::max(columnTitleCount, 0));
    const int lastColumn = static_cast<int>(row.size()) - 1;
    // Laid from the last title back, each column taken by the first title to reach it, so 600
    // titles over 100 000 columns write each column once. nextFree[c] leads to the first column
    // at or after c that no title has taken yet (a path-halving union-find).
    std::vector<int> nextFree(row.size() + 1);
    std::iota(nextFree.begin(), nextFree.end(), 0);
    const auto freeFrom = [&nextFree](int col) {
        while (nextFree[col] != col) {
            nextFree[col] = nextFree[nextFree[col]];
            col = nextFree[col];
        }
        return col;
    };
    for (auto title = groupTitles.crbegin(); title != groupTitles.crend(); ++title) {
        const int first = std::max(title->FirstCol, 0);
        const int last = std::min(title->LastCol, lastColumn);
        for (int col = first > last ? last + 1 : freeFrom(first); col <= last; col = freeFrom(col + 1)) {
            row[col] = title->Name;
            nextFree[col] = col + 1;
        }
    }
    return row;
}

TGradeGridLayout GradeGridLayout(const QList<QByteArray>& columnTitles, const Quillon::TStudentList& roster)
{
    const int students = roster.Count();
    const int titles = static_cast<int>(columnTitles.size());
    TGradeGridLayout layout;
    layout.RowCount = students + HeaderRows;
    layout.ColCount = titles + NameColumns;
    layout.FixedRows = std::min(HeaderRows, layout.RowCount - 1);
    layout.FixedCols = std::min(NameColumns, layout.ColCount - 1);

    QList<QByteArray> headings{QByteArrayLiteral("First Name"), QByteArrayLiteral("Last Name"),
                               QByteArrayLiteral("Email")};
    headings += columnTitles;
    layout.Rows.reserve(students + 1);
    layout.Rows.append(headings);
    for (const auto& student : roster) {
        QList<QByteArray> row(layout.ColCount);
        row[0] = student->FFirstName;
        row[1] = student->FLastName;
        row[2] = student->FEmail;
        QByteArray rest = student->FGrades;
        for (int col = NameColumns; !rest.isEmpty() && col < layout.ColCount; ++col)
            row[col] = Quillon::NextField(rest, Quillon::ListSeparator);
        layout.Rows.append(row);
    }
    return layout;
}

} // namespace Cortelle
