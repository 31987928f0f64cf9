#pragma once

#include "common/core/studentlist.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QHash>

#include <functional>

#include <memory>
#include <unordered_map>

namespace Cortelle {

// The cell store of a string grid. Texts are wire bytes and live apart from the grid's size:
// a text written outside the current row or column count is kept and shows once the grid grows
// to include its cell; shrinking the grid hides texts without dropping them.
// Indices follow the grid's own order, column first: Cells(col, row).
class TStringGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TStringGridModel(QObject* parent = nullptr);
    ~TStringGridModel() override;

    int RowCount() const { return m_rowCount; }
    int ColCount() const { return m_colCount; }
    // Counts below 1 become 1; a count that leaves no non-fixed row (column) lowers the fixed count.
    void SetRowCount(int count);
    void SetColCount(int count);

    int FixedRows() const { return m_fixedRows; }
    int FixedCols() const { return m_fixedCols; }
    // Throws Quillon::Error when the count is negative or leaves no non-fixed row (column).
    void SetFixedRows(int count);
    void SetFixedCols(int count);

    // Cells before these are read-only even when not fixed; fixed cells are never editable.
    void SetFirstEditableRow(int row);
    void SetFirstEditableCol(int col);
    bool IsFixed(int col, int row) const { return row < m_fixedRows || col < m_fixedCols; }
    bool IsEditable(int col, int row) const;

    // Empty for a cell never written or at a negative index.
    QByteArray Cells(int col, int row) const;
    // A negative index writes nothing.
    void SetCells(int col, int row, const QByteArray& text);
    // Drops every stored text, shown or not; sizes and fixed counts stay.
    void ClearCells();

    // Runs change (any of the setters above) as one model reset: views hear one modelReset
    // instead of a notification per cell, so filling a whole grid costs what its cells cost.
    void ResetWith(const std::function<void()>& change);

    // A live view of one row: Cell(k) is the text of column k as it stands now, CellCount() the
    // current column count. Owned by the model and valid for the model's whole lifetime (one view
    // per row, handed out again on every call); nullptr for a negative row.
    const Quillon::TGradeRow* GradeRow(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Blank: the grid shows its own cells, not numbered headers.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // A cell's text was changed through the model, as the grid's editor does; SetCells stays quiet.
    void CellEdited(int col, int row);

private:
    class RowView;

    static quint64 Key(int col, int row) { return (quint64(quint32(row)) << 32) | quint32(col); }
    void NotifyAllChanged();
    void NotifyCellChanged(int col, int row);

    bool m_resetting = false;
    int m_rowCount = 1;
    int m_colCount = 1;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    int m_firstEditableRow = 0;
    int m_firstEditableCol = 0;
    QHash<quint64, QByteArray> m_cells;
    mutable std::unordered_map<int, std::unique_ptr<RowView>> m_rowViews;
};

} // namespace Cortelle
