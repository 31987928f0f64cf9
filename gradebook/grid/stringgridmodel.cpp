#include "gradebook/grid/stringgridmodel.h"

#include "common/core/ansi.h"
#include "common/core/error.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Cortelle {

class TStringGridModel::RowView final : public Quillon::TGradeRow
{
public:
    RowView(const TStringGridModel& model, int row) : m_model(model), m_row(row) {}
    int CellCount() const override { return m_model.ColCount(); }
    QByteArray Cell(int column) const override
    {
        return column < m_model.ColCount() ? m_model.Cells(column, m_row) : QByteArray();
    }

private:
    const TStringGridModel& m_model;
    int m_row;
};

TStringGridModel::TStringGridModel(QObject* parent) : QAbstractTableModel(parent) {}

TStringGridModel::~TStringGridModel() = default;

void TStringGridModel::SetRowCount(int count)
{
    count = std::max(count, 1);
    if (count == m_rowCount) {
        return;
    }
    if (m_fixedRows >= count) {
        SetFixedRows(count - 1);
    }
    if (m_resetting) {
        m_rowCount = count;
    } else if (count > m_rowCount) {
        beginInsertRows({}, m_rowCount, count - 1);
        m_rowCount = count;
        endInsertRows();
    } else {
        beginRemoveRows({}, count, m_rowCount - 1);
        m_rowCount = count;
        endRemoveRows();
    }
}

void TStringGridModel::SetColCount(int count)
{
    count = std::max(count, 1);
    if (count == m_colCount) {
        return;
    }
    if (m_fixedCols >= count) {
        SetFixedCols(count - 1);
    }
    if (m_resetting) {
        m_colCount = count;
    } else if (count > m_colCount) {
        beginInsertColumns({}, m_colCount, count - 1);
        m_colCount = count;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, count, m_colCount - 1);
        m_colCount = count;
        endRemoveColumns();
    }
}

void TStringGridModel::SetFixedRows(int count)
{
    if (count < 0) {
        throw Quillon::Error(u"Fixed row count must not be negative"_s);
    }
    if (count >= m_rowCount) {
        throw Quillon::Error(u"Fixed row count must be less than row count"_s);
    }
    if (count != m_fixedRows) {
        m_fixedRows = count;
        NotifyAllChanged();
    }
}

void TStringGridModel::SetFixedCols(int count)
{
    if (count < 0) {
        throw Quillon::Error(u"Fixed column count must not be negative"_s);
    }
    if (count >= m_colCount) {
        throw Quillon::Error(u"Fixed column count must be less than column count"_s);
    }
    if (count != m_fixedCols) {
        m_fixedCols = count;
        NotifyAllChanged();
    }
}

void TStringGridModel::SetFirstEditableRow(int row)
{
    if (row != m_firstEditableRow) {
        m_firstEditableRow = row;
        NotifyAllChanged();
    }
}

void TStringGridModel::SetFirstEditableCol(int col)
{
    if (col != m_firstEditableCol) {
        m_firstEditableCol = col;
        NotifyAllChanged();
    }
}

bool TStringGridModel::IsEditable(int col, int row) const
{
    return !IsFixed(col, row) && row >= m_firstEditableRow && col >= m_firstEditableCol;
}

QByteArray TStringGridModel::Cells(int col, int row) const
{
    if (col < 0 || row < 0) {
        return {};
    }
    return m_cells.value(Key(col, row));
}

void TStringGridModel::SetCells(int col, int row, const QByteArray& text)
{
    if (col < 0 || row < 0) {
        return;
    }
    const quint64 key = Key(col, row);
    auto it = m_cells.find(key);
    if (it == m_cells.end()) {
        if (text.isEmpty()) {
            return;
        }
        m_cells.insert(key, text);
    } else if (*it == text) {
        return;
    } else if (text.isEmpty()) {
        m_cells.erase(it);
    } else {
        *it = text;
    }
    NotifyCellChanged(col, row);
}

void TStringGridModel::ClearCells()
{
    if (!m_cells.isEmpty()) {
        m_cells.clear();
        NotifyAllChanged();
    }
}

const Quillon::TGradeRow* TStringGridModel::GradeRow(int row) const
{
    if (row < 0) {
        return nullptr;
    }
    auto& view = m_rowViews[row];
    if (!view) {
        view = std::make_unique<RowView>(*this, row);
    }
    return view.get();
}

int TStringGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int TStringGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_colCount;
}

QVariant TStringGridModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        return Quillon::Ansi::ToDisplay(Cells(index.column(), index.row()));
    }
    return {};
}

bool TStringGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        !IsEditable(index.column(), index.row())) {
        return false;
    }
    SetCells(index.column(), index.row(), Quillon::Ansi::ToWire(value.toString()));
    Q_EMIT CellEdited(index.column(), index.row());
    return true;
}

Qt::ItemFlags TStringGridModel::flags(const QModelIndex& index) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return Qt::NoItemFlags;
    }
    // Fixed cells take neither the cursor nor the selection, as in a grid's header band.
    if (IsFixed(index.column(), index.row())) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (IsEditable(index.column(), index.row())) {
        result |= Qt::ItemIsEditable;
    }
    return result;
}

QVariant TStringGridModel::headerData(int, Qt::Orientation, int) const
{
    return {};
}

void TStringGridModel::ResetWith(const std::function<void()>& change)
{
    if (m_resetting) {
        change();
        return;
    }
    beginResetModel();
    m_resetting = true;
    struct EndReset
    {
        TStringGridModel& model;
        ~EndReset()
        {
            model.m_resetting = false;
            model.endResetModel();
        }
    } endReset{*this};
    change();
}

void TStringGridModel::NotifyAllChanged()
{
    if (!m_resetting)
        Q_EMIT dataChanged(index(0, 0), index(m_rowCount - 1, m_colCount - 1));
}

void TStringGridModel::NotifyCellChanged(int col, int row)
{
    if (!m_resetting && row < m_rowCount && col < m_colCount) {
        const QModelIndex cell = index(row, col);
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    }
}

} // namespace Cortelle
