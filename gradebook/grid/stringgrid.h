#pragma once

#include <QTableView>

namespace Cortelle {

class TStringGridModel;

// A string grid over a TStringGridModel: fixed rows and columns as window-coloured cells that
// take no cursor, grid lines, range selection, rows and columns sized by dragging the thin
// rulers along the top and left edges, and the cell editor always shown on the current cell.
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

protected:
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ScheduleShowEditor();
    void ShowEditor();

    TStringGridModel* m_model = nullptr;
    bool m_showEditorPending = false;
};

} // namespace Cortelle
