#pragma once

#include <QObject>

#include <array>

class QTableView;

namespace Cortelle {

class TStringGridModel;

// Keeps a grid's fixed rows and columns in sight while its cells scroll: three views of the same
// model lie over the grid's viewport, the fixed rows along the top (scrolling sideways with the
// grid), the fixed columns down the left (scrolling up and down with it) and their corner.
// They only show: fixed cells take no cursor, and wheel turns over them go to the grid.
class TGridFrozenBands : public QObject
{
    Q_OBJECT

public:
    explicit TGridFrozenBands(QTableView& grid);

    void SetModel(TStringGridModel* model);
    // Places the bands again; after any change of the grid's size or of the fixed counts.
    void Layout();
    void SetDefaultColWidth(int pixels);

    // How far the bands reach into the viewport.
    int BandHeight() const;
    int BandWidth() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTableView* MakeBand();
    std::array<QTableView*, 3> Bands() const { return {m_top, m_left, m_corner}; }

    QTableView& m_grid;
    TStringGridModel* m_model = nullptr;
    QTableView* m_top;
    QTableView* m_left;
    QTableView* m_corner;
};

} // namespace Cortelle
