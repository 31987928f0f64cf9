#pragma once

#include <QStyledItemDelegate>

namespace Cortelle {

class TStringGridModel;

// Paints fixed cells in the window colour and edits the others in a line editor that writes
// its text into the cell at every change, so whatever reads the grid during an edit sees the
// text typed so far. Escape puts back the text the cell had when the editor opened.
class TGridCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit TGridCellDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
    bool eventFilter(QObject* object, QEvent* event) override;
};

} // namespace Cortelle
