#pragma once

#include "console/protocol/colorvalues.h"
#include "console/whiteboard/drawaction.h"

#include <QPoint>

#include <cstdint>

// A shape from first to second in black on a white brush, as the whiteboard tests draw them.
inline Brivane::TDrawAction Shape(std::int32_t kind, QPoint first, QPoint second,
                                  std::int32_t penStyle = Brivane::psSolid, std::int32_t penWidth = 1,
                                  std::int32_t brushStyle = Brivane::bsSolid)
{
    Brivane::TDrawAction action;
    action.Kind = kind;
    action.X1 = first.x();
    action.Y1 = first.y();
    action.X2 = second.x();
    action.Y2 = second.y();
    action.PenStyle = penStyle;
    action.PenColor = Brivane::clBlack;
    action.PenWidth = penWidth;
    action.BrushStyle = brushStyle;
    action.BrushColor = Brivane::clWhite;
    return action;
}
