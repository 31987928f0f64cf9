#pragma once

#include <QByteArray>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <memory>
#include <vector>

namespace Brivane {

class TBoardCanvas;

// The tools of the whiteboard, numbered as they travel to the class.
enum TDrawingTool : std::uint8_t { dtLine, dtRectangle, dtEllipse, dtRoundRect, dtText };

// Pen and brush styles, numbered as the records carry them.
enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TBrushStyle : std::uint8_t {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

// A number in range passes unchanged; any other falls back to psSolid, bsClear and dtLine.
TPenStyle ToPenStyle(std::int32_t value);
TBrushStyle ToBrushStyle(std::int32_t value);
TDrawingTool ToDrawingTool(std::int32_t value);

// One finished shape or text of the whiteboard, as it travels to the class. A text action sets
// only Kind, X1, Y1 and Text; a shape leaves Text empty.
struct TDrawAction
{
    std::int32_t X1 = 0;
    std::int32_t Y1 = 0;
    std::int32_t X2 = 0;
    std::int32_t Y2 = 0;
    std::int32_t Kind = 0;
    std::int32_t PenStyle = 0;
    std::int32_t PenColor = 0;
    std::int32_t PenWidth = 0;
    std::int32_t BrushStyle = 0;
    std::int32_t BrushColor = 0;
    QByteArray Text;

    // The text form: Kind, X1, Y1, Text for Kind 4 exactly, all ten numbers for any other Kind,
    // joined by "$$$".
    QByteArray AsText() const;
    void AppendText(QByteArray& out) const;

    // Draws the action in pmCopy with its own pen and brush, which stay on the canvas; a text
    // uses whatever pen, brush and font the canvas holds.
    void Paint(TBoardCanvas& canvas) const;
};

// An ordered list that owns its actions.
using TDrawActionList = std::vector<std::unique_ptr<TDrawAction>>;

// The corner ellipse of a rounded rectangle between two points: half the signed differences
// first minus second, truncated toward zero (negative when the drag went right or down).
QSize RoundRectCorner(QPoint first, QPoint second);

// Draws the tool's figure between the two points with the canvas's pen, brush and pen mode.
// The text tool draws nothing.
void DrawFigure(TBoardCanvas& canvas, TDrawingTool tool, QPoint first, QPoint second);

// The line Send writes: code 3, then the text form of every action, oldest first; the code
// alone when there are none.
QByteArray DrawingPayloadLine(const TDrawActionList& actions);

} // namespace Brivane
