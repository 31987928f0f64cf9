#pragma once

#include <QPoint>
#include <QWidget>

class QMouseEvent;

namespace Brivane {

class TBoardCanvas;

// The board on screen: shows the canvas's bitmap at its own size and tells of every mouse press,
// move and release in board pixels. Moves come without a button too, and while a button is down
// the board keeps the mouse, so a release outside it tells the outside point.
class TBoardImage : public QWidget
{
    Q_OBJECT

public:
    explicit TBoardImage(QWidget* parent = nullptr);

    // Not owned; the canvas outlives the widget.
    void ShowCanvas(const TBoardCanvas* canvas);

Q_SIGNALS:
    void MouseDown(Qt::MouseButton button, QPoint at);
    void MouseMove(QPoint at);
    void MouseUp(Qt::MouseButton button, QPoint at);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TBoardCanvas* m_canvas = nullptr;
};

} // namespace Brivane
