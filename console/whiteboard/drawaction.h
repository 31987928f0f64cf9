#pragma once

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

namespace Brivane {

// One finished shape or text of the whiteboard, as it travels to the class.
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
};

// An ordered list that owns its actions.
using TDrawActionList = std::vector<std::unique_ptr<TDrawAction>>;

} // namespace Brivane
