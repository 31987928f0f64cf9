#include "gradebook/grid/gridcelldelegate.h"

#include "gradebook/grid/stringgridmodel.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace Cortelle {

namespace {

// The cell's text when its editor opened, kept on the editor for Escape.
constexpr char OriginalTextProperty[] = "cortelleOriginalText";

} // namespace

TGridCellDelegate::TGridCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* TGridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setProperty(OriginalTextProperty, index.data(Qt::EditRole));
    QPointer<TGridCellDelegate> self(const_cast<TGridCellDelegate*>(this));
    connect(editor, &QLineEdit::textEdited, editor, [self, editor] {
        if (self) {
            Q_EMIT self->commitData(editor);
        }
    });
    return editor;
}

void TGridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* lineEdit = qobject_cast<QLineEdit*>(editor);
    if (!lineEdit) {
        return;
    }
    // The model reports every keystroke's write back; resetting an unchanged text would move
    // the cursor to the end while the teacher types.
    const QString text = index.data(Qt::EditRole).toString();
    if (lineEdit->text() != text) {
        lineEdit->setText(text);
    }
}

void TGridCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    if (auto* lineEdit = qobject_cast<QLineEdit*>(editor)) {
        model->setData(index, lineEdit->text(), Qt::EditRole);
    }
}

void TGridCellDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const auto* model = qobject_cast<const TStringGridModel*>(index.model());
    if (model && model->IsFixed(index.column(), index.row())) {
        // Fixed cells are disabled only to keep the cursor out; they read like any other text.
        option->state |= QStyle::State_Enabled;
        option->palette.setCurrentColorGroup(QPalette::Active);
        option->backgroundBrush = option->palette.window();
        option->palette.setBrush(QPalette::Text, option->palette.windowText());
    }
}

bool TGridCellDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (auto* lineEdit = qobject_cast<QLineEdit*>(object)) {
            const QString original = lineEdit->property(OriginalTextProperty).toString();
            if (lineEdit->text() != original) {
                lineEdit->setText(original);
                Q_EMIT commitData(lineEdit);
            }
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace Cortelle
