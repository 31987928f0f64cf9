#include "console/whiteboard/drawaction.h"

#include "common/core/wire.h"
#include "console/protocol/commserverprotocol.h"
#include "console/whiteboard/boardcanvas.h"

#include <charconv>

namespace Brivane {

using namespace Quillon;

TPenStyle ToPenStyle(std::int32_t value)
{
    return value >= psSolid && value <= psInsideFrame ? static_cast<TPenStyle>(value) : psSolid;
}

TBrushStyle ToBrushStyle(std::int32_t value)
{
    return value >= bsSolid && value <= bsDiagCross ? static_cast<TBrushStyle>(value) : bsClear;
}

TDrawingTool ToDrawingTool(std::int32_t value)
{
    return value >= dtLine && value <= dtText ? static_cast<TDrawingTool>(value) : dtLine;
}

namespace {

// Decimal, "-" when negative, no leading zeros; written straight into the line.
void AppendNumber(QByteArray& out, std::int32_t value)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end - digits);
}

void AppendField(QByteArray& out, std::int32_t value)
{
    out.append(FieldSeparator);
    AppendNumber(out, value);
}

} // namespace

void TDrawAction::AppendText(QByteArray& out) const
{
    AppendNumber(out, Kind);
    AppendField(out, X1);
    AppendField(out, Y1);
    if (Kind == dtText) {
        out.append(FieldSeparator).append(Text);
        return;
    }
    for (std::int32_t value : {X2, Y2, PenStyle, PenColor, PenWidth, BrushStyle, BrushColor})
        AppendField(out, value);
}

QByteArray TDrawAction::AsText() const
{
    QByteArray text;
    AppendText(text);
    return text;
}

void TDrawAction::Paint(TBoardCanvas& canvas) const
{
    const TDrawingTool tool = ToDrawingTool(Kind);
    if (tool == dtText) {
        canvas.TextOut({X1, Y1}, Text);
        return;
    }
    canvas.Pen.Style = ToPenStyle(PenStyle);
    canvas.Pen.Width = PenWidth;
    canvas.Pen.Color = PenColor;
    canvas.Brush.Style = ToBrushStyle(BrushStyle);
    canvas.Brush.Color = BrushColor;
    canvas.Pen.Mode = pmCopy;
    DrawFigure(canvas, tool, {X1, Y1}, {X2, Y2});
}

QSize RoundRectCorner(QPoint first, QPoint second)
{
    // In 64 bits: the difference of two 32-bit coordinates may not fit in 32, its half does.
    const auto half = [](int a, int b) { return static_cast<int>((std::int64_t(a) - b) / 2); };
    return {half(first.x(), second.x()), half(first.y(), second.y())};
}

void DrawFigure(TBoardCanvas& canvas, TDrawingTool tool, QPoint first, QPoint second)
{
    switch (tool) {
    case dtLine:
        canvas.Line(first, second);
        break;
    case dtRectangle:
        canvas.Rectangle(first, second);
        break;
    case dtEllipse:
        canvas.Ellipse(first, second);
        break;
    case dtRoundRect:
        canvas.RoundRect(first, second, RoundRectCorner(first, second));
        break;
    case dtText:
        break;
    }
}

QByteArray DrawingPayloadLine(const TDrawActionList& actions)
{
    QByteArray line;
    // A shape takes 30 to 60 bytes: one allocation for most drawings.
    line.reserve(PacketHeader.size() + 8 + qsizetype(actions.size()) * 64);
    line.append(PacketHeader).append(FieldSeparator);
    AppendNumber(line, CommServer::ocDrawing);
    for (const auto& action : actions) {
        line.append(FieldSeparator);
        action->AppendText(line);
    }
    return line;
}

} // namespace Brivane
