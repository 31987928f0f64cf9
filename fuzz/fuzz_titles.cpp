// Group titles as the name server sends them (name:first:last), laid into the grid's row 0.
// The row is checked against a cell-by-cell reading of the rule: the last title covering a
// column wins, columns outside the grid are left out.
#include "fuzz/fuzzsupport.h"

#include "common/core/error.h"
#include "gradebook/book/gradegrid.h"
#include "gradebook/book/title.h"

using namespace Cortelle;
using Quillon::Fuzz::Require;
namespace Fuzz = Quillon::Fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    // The first byte sets the number of column titles (0..255), the rest holds one title per line.
    const int columnTitleCount = data[0];
    QList<TTitle> titles;
    for (const QByteArray& text : Fuzz::InputLines(Fuzz::Bytes(data + 1, size - 1))) {
        try {
            titles.append(TTitle(text));
        } catch (const Quillon::ConvertError&) {
        }
    }
    const QList<QByteArray> row = GroupTitleRow(titles, columnTitleCount);
    Require(row.size() == NameColumns + columnTitleCount, "one text per grid column");
    for (int col = 0; col < row.size(); ++col) {
        QByteArray expected;
        for (const TTitle& title : titles) {
            if (title.FirstCol <= col && col <= title.LastCol)
                expected = title.Name;
        }
        Require(row[col] == expected, "the last title covering a column names it");
    }
    return 0;
}
