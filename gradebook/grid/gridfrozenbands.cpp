#include "gradebook/grid/gridfrozenbands.h"

#include "gradebook/grid/gridcelldelegate.h"
#include "gradebook/grid/stringgridmodel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace Cortelle {

TGridFrozenBands::TGridFrozenBands(QTableView& grid)
    : QObject(&grid), m_grid(grid), m_top(MakeBand()), m_left(MakeBand()), m_corner(MakeBand())
{
    connect(grid.horizontalHeader(), &QHeaderView::sectionResized, this, [this](int col, int, int width) {
        for (QTableView* band : Bands()) {
            band->setColumnWidth(col, width);
        }
        Layout();
    });
    connect(grid.verticalHeader(), &QHeaderView::sectionResized, this, [this](int row, int, int height) {
        for (QTableView* band : Bands()) {
            band->setRowHeight(row, height);
        }
        Layout();
    });
    connect(grid.horizontalScrollBar(), &QScrollBar::valueChanged, m_top->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(grid.verticalScrollBar(), &QScrollBar::valueChanged, m_left->verticalScrollBar(),
            &QScrollBar::setValue);
    // A band learns its scroll range only once it has been laid out itself.
    connect(m_top->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
            [this] { m_top->horizontalScrollBar()->setValue(m_grid.horizontalScrollBar()->value()); });
    connect(m_left->verticalScrollBar(), &QScrollBar::rangeChanged, this,
            [this] { m_left->verticalScrollBar()->setValue(m_grid.verticalScrollBar()->value()); });
}

QTableView* TGridFrozenBands::MakeBand()
{
    auto* band = new QTableView(&m_grid);
    band->setItemDelegate(new TGridCellDelegate(band));
    band->horizontalHeader()->hide();
    band->verticalHeader()->hide();
    band->horizontalHeader()->setDefaultSectionSize(m_grid.horizontalHeader()->defaultSectionSize());
    band->verticalHeader()->setDefaultSectionSize(m_grid.verticalHeader()->defaultSectionSize());
    band->setFrameShape(QFrame::NoFrame);
    band->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    band->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    band->setHorizontalScrollMode(m_grid.horizontalScrollMode());
    band->setVerticalScrollMode(m_grid.verticalScrollMode());
    band->setFocusPolicy(Qt::NoFocus);
    band->setSelectionMode(QAbstractItemView::NoSelection);
    band->setEditTriggers(QAbstractItemView::NoEditTriggers);
    band->setShowGrid(m_grid.showGrid());
    band->setWordWrap(false);
    band->viewport()->installEventFilter(this);
    band->hide();
    return band;
}

void TGridFrozenBands::SetModel(TStringGridModel* model)
{
    m_model = model;
    for (QTableView* band : Bands()) {
        band->setModel(model);
        for (int c = 0; model && c < model->ColCount(); ++c) {
            band->setColumnWidth(c, m_grid.columnWidth(c));
        }
        for (int r = 0; model && r < model->RowCount(); ++r) {
            band->setRowHeight(r, m_grid.rowHeight(r));
        }
    }
    Layout();
}

void TGridFrozenBands::SetDefaultColWidth(int pixels)
{
    for (QTableView* band : Bands()) {
        band->horizontalHeader()->setDefaultSectionSize(pixels);
    }
}

int TGridFrozenBands::BandHeight() const
{
    int height = 0;
    for (int r = 0; m_model && r < m_model->FixedRows(); ++r) {
        height += m_grid.rowHeight(r);
    }
    return std::min(height, m_grid.viewport()->height());
}

int TGridFrozenBands::BandWidth() const
{
    int width = 0;
    for (int c = 0; m_model && c < m_model->FixedCols(); ++c) {
        width += m_grid.columnWidth(c);
    }
    return std::min(width, m_grid.viewport()->width());
}

void TGridFrozenBands::Layout()
{
    const QRect area = m_grid.viewport()->geometry();
    const int height = BandHeight();
    const int width = BandWidth();
    m_top->setGeometry(area.x(), area.y(), area.width(), height);
    m_left->setGeometry(area.x(), area.y(), width, area.height());
    m_corner->setGeometry(area.x(), area.y(), width, height);
    m_top->setVisible(height > 0);
    m_left->setVisible(width > 0);
    m_corner->setVisible(height > 0 && width > 0);
    m_corner->raise();
    m_top->horizontalScrollBar()->setValue(m_grid.horizontalScrollBar()->value());
    m_left->verticalScrollBar()->setValue(m_grid.verticalScrollBar()->value());
}

bool TGridFrozenBands::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        // The bands start at the viewport's corner, so the position means the same there.
        QCoreApplication::sendEvent(m_grid.viewport(), event);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace Cortelle
