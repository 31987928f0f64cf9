#pragma once

#include <QByteArray>

#include <cstdint>

namespace Cortelle {

// A group title shown in grid row 0 over the grade columns FirstCol to LastCol (inclusive,
// grid column indices: the first grade column is 3).
struct TTitle
{
    QByteArray Name;
    std::int32_t FirstCol = 0;
    std::int32_t LastCol = 0;

    TTitle() = default;
    // From name:first:last; anything after a third ':' is ignored. Throws Quillon::ConvertError
    // when a column field is missing or not an integer.
    explicit TTitle(QByteArray text);
};

} // namespace Cortelle
