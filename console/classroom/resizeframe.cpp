#include "console/classroom/resizeframe.h"

namespace Brivane {

void TResizeFrame::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Q_EMIT Resized();
}

} // namespace Brivane
