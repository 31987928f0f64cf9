#include "console/whiteboard/boardimage.h"

#include "console/whiteboard/boardcanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace Brivane {

TBoardImage::TBoardImage(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus); // the whiteboard's shortcuts follow a click on the board
    setCursor(Qt::CrossCursor);
}

void TBoardImage::ShowCanvas(const TBoardCanvas* canvas)
{
    m_canvas = canvas;
    update();
}

void TBoardImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (m_canvas)
        painter.drawImage(0, 0, m_canvas->Image());
}

void TBoardImage::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT MouseDown(event->button(), event->position().toPoint());
}

void TBoardImage::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT MouseMove(event->position().toPoint());
}

void TBoardImage::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT MouseUp(event->button(), event->position().toPoint());
}

} // namespace Brivane
