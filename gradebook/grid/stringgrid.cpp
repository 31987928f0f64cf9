#include "gradebook/grid/stringgrid.h"

#include "gradebook/grid/gridcelldelegate.h"
#include "gradebook/grid/gridfrozenbands.h"
#include "gradebook/grid/stringgridmodel.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

namespace Cortelle {

namespace {

// A header reduced to a thin strip without labels: the grid's own fixed cells carry the
// captions, the strip only offers the section edges to drag.
class TGridRuler : public QHeaderView
{
public:
    explicit TGridRuler(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setSectionResizeMode(QHeaderView::Interactive);
        setMinimumSectionSize(4);
    }

    QSize sizeHint() const override
    {
        QSize size = QHeaderView::sizeHint();
        if (orientation() == Qt::Horizontal) {
            size.setHeight(Thickness);
        } else {
            size.setWidth(Thickness);
        }
        return size;
    }

private:
    static constexpr int Thickness = 5;
};

constexpr int DefaultColWidth = 120;

} // namespace

TStringGrid::TStringGrid(QWidget* parent) : QTableView(parent)
{
    setHorizontalHeader(new TGridRuler(Qt::Horizontal, this));
    setVerticalHeader(new TGridRuler(Qt::Vertical, this));
    horizontalHeader()->setDefaultSectionSize(DefaultColWidth);
    setCornerButtonEnabled(false);
    setItemDelegate(new TGridCellDelegate(this));
    setFrameShape(QFrame::NoFrame);
    setShowGrid(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setWordWrap(false);
    // Bringing a cell out from under the frozen bands counts in whole rows and columns.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_bands = new TGridFrozenBands(*this);
}

void TStringGrid::SetGridModel(TStringGridModel* model)
{
    if (m_model) {
        disconnect(m_model, nullptr, this, nullptr);
    }
    m_model = model;
    setModel(model);
    m_bands->SetModel(model);
    if (model) {
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::columnsInserted,
                            &QAbstractItemModel::rowsRemoved, &QAbstractItemModel::columnsRemoved}) {
            connect(model, signal, this, &TStringGrid::ScheduleShowEditor);
        }
        connect(model, &QAbstractItemModel::dataChanged, this, &TStringGrid::ScheduleShowEditor);
        connect(model, &QAbstractItemModel::modelReset, this, &TStringGrid::ScheduleShowEditor);
        // Fixed counts change with a dataChanged over every cell, or inside a reset.
        connect(model, &QAbstractItemModel::dataChanged, m_bands, &TGridFrozenBands::Layout);
        connect(model, &QAbstractItemModel::modelReset, m_bands, &TGridFrozenBands::Layout);
    }
}

void TStringGrid::SetDefaultColWidth(int pixels)
{
    horizontalHeader()->setDefaultSectionSize(pixels);
    m_bands->SetDefaultColWidth(pixels);
}

void TStringGrid::SetColWidths(int col, int pixels)
{
    horizontalHeader()->resizeSection(col, pixels);
}

int TStringGrid::ColWidths(int col) const
{
    return horizontalHeader()->sectionSize(col);
}

void TStringGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QTableView::scrollTo(index, hint);
    if (!m_model || !m_bands || !index.isValid()) {
        return;
    }
    // A cell that came to rest under a band is brought out right beside it.
    if (index.row() >= m_model->FixedRows() && rowViewportPosition(index.row()) < m_bands->BandHeight()) {
        verticalScrollBar()->setValue(index.row() - m_model->FixedRows());
    }
    if (index.column() >= m_model->FixedCols() &&
        columnViewportPosition(index.column()) < m_bands->BandWidth()) {
        horizontalScrollBar()->setValue(index.column() - m_model->FixedCols());
    }
}

void TStringGrid::updateGeometries()
{
    QTableView::updateGeometries();
    if (m_bands) {
        m_bands->Layout();
    }
}

void TStringGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    ScheduleShowEditor();
}

void TStringGrid::showEvent(QShowEvent* event)
{
    QTableView::showEvent(event);
    ScheduleShowEditor();
}

// Deferred: focus comes back to the grid while the view is still closing the old editor.
void TStringGrid::ScheduleShowEditor()
{
    if (!m_showEditorPending) {
        m_showEditorPending = true;
        QTimer::singleShot(0, this, &TStringGrid::ShowEditor);
    }
}

void TStringGrid::ShowEditor()
{
    m_showEditorPending = false;
    if (!m_model || !isVisible() || !hasFocus() || state() == QAbstractItemView::EditingState) {
        return;
    }
    if (!currentIndex().isValid()) {
        // The cursor starts on the first cell that is not fixed, as in any string grid; the
        // move itself opens the editor there when the cell is editable.
        setCurrentIndex(m_model->index(m_model->FixedRows(), m_model->FixedCols()));
    }
    if (state() != QAbstractItemView::EditingState) {
        edit(currentIndex(), QAbstractItemView::AllEditTriggers, nullptr);
    }
}

} // namespace Cortelle
