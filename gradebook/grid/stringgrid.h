#pragma once

#include <QTableView>

namespace Cortelle {

class TGridFrozenBands;
class TStringGridModel;

// A string grid over a TStringGridModel: fixed rows and columns as window-coloured cells that
// take no cursor and stay in sight while the other cells scroll, grid lines, range selection,
// rows and columns sized by dragging the thin rulers along the top and left edges, and the cell
// editor always shown on the current cell.
class TStringGrid : public QTableView
{
    Q_OBJECT

public:
    explicit TStringGrid(QWidget* parent = nullptr);

    // Shows this model; the caller keeps ownership (parent it to the grid or its window).
    void SetGridModel(TStringGridModel* model);
    TStringGridModel* GridModel() const { return m_model; }

    void SetDefaultColWidth(int pixels);
    // Width of an existing column; columns added later start at the default width (120).
    void SetColWidths(int col, int pixels);
    int ColWidths(int col) const;

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

protected:
    void updateGeometries() override;
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ScheduleShowEditor();
    void ShowEditor();

    TStringGridModel* m_model = nullptr;
    TGridFrozenBands* m_bands = nullptr; // made last in the constructor
    bool m_showEditorPending = false;
};

} // namespace Cortelle
