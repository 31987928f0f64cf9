#include "common/ui/centerform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Quillon {

QPoint CenteredPosition(QSize screen, QSize outerWindow)
{
    // C++ integer division truncates toward zero, as the layout requires.
    return {(screen.width() - outerWindow.width()) / 2, (screen.height() - outerWindow.height()) / 2};
}

void CenterForm(QWidget* form)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!form || !screen)
        return;
    const QRect frame = form->frameGeometry();
    const QRect client = form->geometry();
    // Before the first show the frame is not known yet; the client size is the best guess.
    const QSize outer = frame.isValid() && frame.size() != QSize(0, 0) ? frame.size() : client.size();
    const QPoint topLeft = CenteredPosition(screen->geometry().size(), outer);
    form->move(topLeft); // move() places the frame's top-left corner
}

} // namespace Quillon
