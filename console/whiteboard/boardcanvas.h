#pragma once

#include "console/protocol/colorvalues.h"
#include "console/whiteboard/drawaction.h"

#include <QFont>
#include <QImage>
#include <QPoint>

#include <cstdint>
#include <memory>

class QPainter;

namespace Brivane {

// How the pen and brush meet the pixels: pmCopy paints their colour, pmNotXor makes each touched
// pixel the inverse of (pixel XOR colour), so that the same figure drawn twice leaves no trace.
enum TPenMode : std::uint8_t { pmCopy = 4, pmNotXor = 15 };

// The board's bitmap and its canvas state: white RGB32 pixels painted without anti-aliasing, so
// both pen modes are exact. Widget-free.
class TBoardCanvas
{
public:
    struct TPen
    {
        TPenStyle Style = psSolid;
        std::int32_t Width = 1;
        std::int32_t Color = clBlack;
        TPenMode Mode = pmCopy;
    };
    struct TBrush
    {
        TBrushStyle Style = bsSolid;
        std::int32_t Color = clWhite;
    };
    // Everything but the pixels, to keep across a repaint.
    struct TState
    {
        TPen Pen;
        TBrush Brush;
        QFont Font;
    };

    TBoardCanvas(int width, int height);
    TBoardCanvas(TBoardCanvas&&) noexcept;
    TBoardCanvas& operator=(TBoardCanvas&&) noexcept;
    ~TBoardCanvas();

    // A new white bitmap of this size; pen, brush and font back to their defaults.
    void Blank(int width, int height);
    const QImage& Image() const { return m_image; }
    // Puts back pixels kept earlier, of any size; the canvas state stays.
    void SetImage(const QImage& image);

    TState State() const { return {Pen, Brush, Font}; }
    void SetState(const TState& state);

    TPen Pen;
    TBrush Brush;
    QFont Font;

    // The platform's drawing primitives. A figure whose two points coincide draws nothing.
    void Line(QPoint from, QPoint to);
    void Rectangle(QPoint first, QPoint second);
    void Ellipse(QPoint first, QPoint second);
    // The corner ellipse is drawn by its size, whatever its sign.
    void RoundRect(QPoint first, QPoint second, QSize corner);
    // Text in the font's colour (black) with its top-left corner at the point; a solid brush
    // gives it a background box in the brush colour. The pen mode does not apply to text.
    void TextOut(QPoint topLeft, const QByteArray& text);

    // Keeps one painter open on the bitmap while the guard lives, for replaying many actions.
    class TBatch
    {
    public:
        explicit TBatch(TBoardCanvas& canvas);
        ~TBatch();
        TBatch(const TBatch&) = delete;
        TBatch& operator=(const TBatch&) = delete;

    private:
        TBoardCanvas& m_canvas;
        bool m_opened = false;
    };

private:
    template <typename Draw> void DrawWithPenAndBrush(Draw&& draw);
    void Prepare(QPainter& painter) const;

    QImage m_image;
    std::unique_ptr<QPainter> m_batchPainter;
};

// The pen and brush of the canvas as Qt draws them.
Qt::PenStyle QtPenStyle(TPenStyle style);
Qt::BrushStyle QtBrushStyle(TBrushStyle style);
// The low three bytes of a colour value as red, green and blue.
QColor ColorOfValue(std::int32_t value);

} // namespace Brivane
