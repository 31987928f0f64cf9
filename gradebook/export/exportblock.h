#pragma once

#include <QByteArray>
#include <QList>

#include <concepts>

namespace Cortelle {

// What goes to the spreadsheet: grid rows 1 to R-1 (the column titles and the students; the
// group-title row 0 stays behind) and columns 0 to C-1, each text exactly as the grid holds it.
// Block row r is grid row r + 1; block column c is grid column c.
class ExportBlock
{
public:
    ExportBlock() = default;
    ExportBlock(int rows, int cols);

    int Rows() const { return m_rows; }
    int Cols() const { return m_cols; }
    bool IsEmpty() const { return m_rows == 0 || m_cols == 0; }
    const QByteArray& At(int row, int col) const { return m_texts.at(qsizetype(row) * m_cols + col); }
    void Set(int row, int col, const QByteArray& text) { m_texts[qsizetype(row) * m_cols + col] = text; }

private:
    int m_rows = 0;
    int m_cols = 0;
    QList<QByteArray> m_texts;
};

// Anything read like a string grid: RowCount(), ColCount() and Cells(col, row).
template <typename Grid>
concept StringGridLike = requires(const Grid& grid, int index)
{
    {
        grid.RowCount()
        } -> std::convertible_to<int>;
    {
        grid.ColCount()
        } -> std::convertible_to<int>;
    {
        grid.Cells(index, index)
        } -> std::convertible_to<QByteArray>;
};

// Reads the block off the grid in one pass, at the grid's current size; texts stored outside
// the current column count stay out.
template <StringGridLike Grid> ExportBlock BuildExportBlock(const Grid& grid)
{
    const int rows = grid.RowCount() - 1;
    const int cols = grid.ColCount();
    ExportBlock block(rows, cols);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            block.Set(r, c, grid.Cells(c, r + 1));
        }
    }
    return block;
}

} // namespace Cortelle
