#include "console/classroom/statusicons.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>

using namespace Qt::StringLiterals;

// Resources compiled into a static library are registered only when asked; this must be called
// from outside any namespace.
static void RegisterIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace Brivane {
namespace {

constexpr int kIconSize = 32;

const std::array<QString, 8> kIconFiles = {
    u"status0_offline.svg"_s, u"status1_happy.svg"_s, u"status2_sad.svg"_s, u"status3_winking.svg"_s,
    u"status4_crying.svg"_s,  u"status5_yes.svg"_s,   u"status6_no.svg"_s,  u"status7_asleep.svg"_s,
};

void EnsureRegistered()
{
    static const bool registered = (RegisterIconResources(), true);
    Q_UNUSED(registered);
}

QImage Render(int status, int size, const QColor& background)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    const QString resource = StatusIconResource(status);
    if (resource.isEmpty())
        return image;
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

} // namespace

QString StatusIconResource(int status)
{
    if (status < 0 || status >= static_cast<int>(kIconFiles.size()))
        return {};
    EnsureRegistered();
    return u":/classroom/icons/"_s + kIconFiles[static_cast<std::size_t>(status)];
}

// Each icon is rendered from its SVG once per run; every drawing after that shares the image.
// Slot 8 holds the white square for a status outside 0..7.
const QImage& StatusIconImage(int status)
{
    static std::array<QImage, kIconFiles.size() + 1> rendered;
    const std::size_t slot = status >= 0 && status < static_cast<int>(kIconFiles.size())
                                 ? static_cast<std::size_t>(status)
                                 : kIconFiles.size();
    QImage& image = rendered[slot];
    if (image.isNull())
        image = Render(static_cast<int>(slot), kIconSize, Qt::white).convertToFormat(QImage::Format_RGB32);
    return image;
}

QImage ExpressionGlyphImage(int tag, int size)
{
    if (tag < 1 || tag > 6 || size <= 0)
        return {};
    return Render(tag, size, Qt::transparent);
}

} // namespace Brivane
