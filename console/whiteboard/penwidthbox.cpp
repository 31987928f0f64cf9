#include "console/whiteboard/penwidthbox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace Brivane {

TPenWidthBox::TPenWidthBox(QWidget* parent) : QSpinBox(parent)
{
    lineEdit()->setObjectName(QStringLiteral("PenSize"));
}

void TPenWidthBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        event->ignore();
        return;
    default:
        QSpinBox::keyPressEvent(event);
    }
}

} // namespace Brivane
