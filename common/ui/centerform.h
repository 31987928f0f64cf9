#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace Quillon {

// Top-left corner that centres a window of the given outer size on a screen of the given size,
// each half truncated toward zero (a window larger than the screen gets a negative position).
QPoint CenteredPosition(QSize screen, QSize outerWindow);

// Places the window, frame included, in the middle of the primary screen.
void CenterForm(QWidget* form);

} // namespace Quillon
