#include "console/whiteboard/boardcanvas.h"

#include "common/core/ansi.h"

#include <QFontMetrics>
#include <QPainter>

#include <limits>

namespace Brivane {

namespace {

QFont DefaultFont()
{
    QFont font;
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The rectangle whose outline passes through both points.
QRect Spanned(QPoint first, QPoint second)
{
    // In 64 bits: two far-apart coordinates are further apart than 32 bits hold.
    const auto extent = [](int a, int b) {
        return int(qMin<std::int64_t>(qAbs(std::int64_t(a) - b), std::numeric_limits<int>::max()));
    };
    return {qMin(first.x(), second.x()), qMin(first.y(), second.y()), extent(first.x(), second.x()),
            extent(first.y(), second.y())};
}

void NoSmoothing(QPainter& painter)
{
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

} // namespace

Qt::PenStyle QtPenStyle(TPenStyle style)
{
    switch (style) {
    case psSolid:
    case psInsideFrame:
        return Qt::SolidLine;
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsSolid:
        return Qt::SolidPattern;
    case bsClear:
        return Qt::NoBrush;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    }
    return Qt::NoBrush;
}

QColor ColorOfValue(std::int32_t value)
{
    return QColor::fromRgb(PlainColorRgb(value));
}

TBoardCanvas::TBoardCanvas(int width, int height)
{
    Blank(width, height);
}

TBoardCanvas::TBoardCanvas(TBoardCanvas&&) noexcept = default;
TBoardCanvas& TBoardCanvas::operator=(TBoardCanvas&&) noexcept = default;
TBoardCanvas::~TBoardCanvas() = default;

void TBoardCanvas::Blank(int width, int height)
{
    Q_ASSERT(!m_batchPainter);
    m_image = QImage(qMax(width, 0), qMax(height, 0), QImage::Format_RGB32);
    m_image.fill(Qt::white);
    Pen = TPen();
    Brush = TBrush();
    Font = DefaultFont();
}

void TBoardCanvas::SetImage(const QImage& image)
{
    Q_ASSERT(!m_batchPainter);
    m_image = image.convertToFormat(QImage::Format_RGB32);
}

void TBoardCanvas::SetState(const TState& state)
{
    Pen = state.Pen;
    Brush = state.Brush;
    Font = state.Font;
}

void TBoardCanvas::Prepare(QPainter& painter) const
{
    NoSmoothing(painter);
    // Wide pens end and join round, as the platform's geometric pens do; a negative width is
    // drawn as the thinnest.
    const int width = qMax(Pen.Width, 0);
    painter.setPen(QPen(ColorOfValue(Pen.Color), width, QtPenStyle(Pen.Style),
                        width > 1 ? Qt::RoundCap : Qt::SquareCap, width > 1 ? Qt::RoundJoin : Qt::MiterJoin));
    painter.setBrush(QBrush(ColorOfValue(Brush.Color), QtBrushStyle(Brush.Style)));
    painter.setBackgroundMode(Qt::TransparentMode);
}

template <typename Draw> void TBoardCanvas::DrawWithPenAndBrush(Draw&& draw)
{
    if (m_image.isNull())
        return;
    if (Pen.Mode == pmNotXor) {
        // The figure is drawn on white and that layer combined as a whole: white leaves a pixel as
        // it is, and each pixel of the figure is combined once, however its outline and fill
        // overlap, so a second drawing restores every pixel.
        QImage layer(m_image.size(), QImage::Format_RGB32);
        layer.fill(Qt::white);
        {
            QPainter painter(&layer);
            Prepare(painter);
            draw(painter);
        }
        const auto combine = [&layer](QPainter& painter) {
            painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
            painter.drawImage(0, 0, layer);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        };
        if (m_batchPainter) {
            combine(*m_batchPainter);
        } else {
            QPainter painter(&m_image);
            combine(painter);
        }
        return;
    }
    if (m_batchPainter) {
        Prepare(*m_batchPainter);
        draw(*m_batchPainter);
    } else {
        QPainter painter(&m_image);
        Prepare(painter);
        draw(painter);
    }
}

void TBoardCanvas::Line(QPoint from, QPoint to)
{
    if (from == to)
        return;
    DrawWithPenAndBrush([&](QPainter& painter) { painter.drawLine(from, to); });
}

void TBoardCanvas::Rectangle(QPoint first, QPoint second)
{
    if (first == second)
        return;
    DrawWithPenAndBrush([&](QPainter& painter) { painter.drawRect(Spanned(first, second)); });
}

void TBoardCanvas::Ellipse(QPoint first, QPoint second)
{
    if (first == second)
        return;
    DrawWithPenAndBrush([&](QPainter& painter) { painter.drawEllipse(Spanned(first, second)); });
}

void TBoardCanvas::RoundRect(QPoint first, QPoint second, QSize corner)
{
    if (first == second)
        return;
    // Qt takes the radii, half the corner ellipse's width and height.
    const qreal xRadius = qAbs(qreal(corner.width())) / 2;
    const qreal yRadius = qAbs(qreal(corner.height())) / 2;
    DrawWithPenAndBrush([&](QPainter& painter) {
        painter.drawRoundedRect(Spanned(first, second), xRadius, yRadius, Qt::AbsoluteSize);
    });
}

void TBoardCanvas::TextOut(QPoint topLeft, const QByteArray& text)
{
    if (m_image.isNull())
        return;
    const QString shown = Quillon::Ansi::ToDisplay(text);
    const auto draw = [&](QPainter& painter) {
        NoSmoothing(painter);
        painter.setFont(Font);
        const QFontMetrics metrics(Font, &m_image);
        if (Brush.Style == bsSolid)
            painter.fillRect(QRect(topLeft, QSize(metrics.horizontalAdvance(shown), metrics.height())),
                             ColorOfValue(Brush.Color));
        painter.setPen(QPen(Qt::black));
        painter.drawText(topLeft.x(), topLeft.y() + metrics.ascent(), shown);
    };
    if (m_batchPainter) {
        draw(*m_batchPainter);
    } else {
        QPainter painter(&m_image);
        draw(painter);
    }
}

TBoardCanvas::TBatch::TBatch(TBoardCanvas& canvas) : m_canvas(canvas)
{
    if (!m_canvas.m_batchPainter && !m_canvas.m_image.isNull()) {
        m_canvas.m_batchPainter = std::make_unique<QPainter>(&m_canvas.m_image);
        m_opened = true;
    }
}

TBoardCanvas::TBatch::~TBatch()
{
    if (m_opened)
        m_canvas.m_batchPainter.reset();
}

} // namespace Brivane
