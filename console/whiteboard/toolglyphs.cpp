#include "console/whiteboard/toolglyphs.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Resources compiled into a static library are registered only when asked, from outside any
// namespace.
static void RegisterGlyphResources()
{
    Q_INIT_RESOURCE(whiteboardglyphs);
}

namespace Brivane {

QIcon ToolGlyph(const QString& name)
{
    static const bool registered = (RegisterGlyphResources(), true);
    Q_UNUSED(registered);
    const QString resource = QStringLiteral(":/whiteboard/glyphs/") + name + QStringLiteral(".svg");
    if (!QFile::exists(resource))
        return {};
    QSvgRenderer renderer(resource);
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace Brivane
