#pragma once

#include "console/protocol/colorvalues.h"

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

#include <cstdint>
#include <optional>

// The chat's colours: the plain and display colours of the colour box, and how a value is drawn.
namespace Brivane {

struct TColorEntry
{
    std::int32_t value;
    QString name;
};

// What the colour box offers, in its order: the sixteen standard colours, the four extended ones,
// then the display colours.
const QList<TColorEntry>& ColorBoxColors();

struct TPaletteRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette colour a display colour is drawn in; none for a plain colour or for an index that
// names no display colour.
std::optional<TPaletteRole> SystemColorRole(std::int32_t value);

// The colour to draw a colour value in. Plain values use their low 24 bits; a display colour takes
// its role's colour from the palette, and an index that names none draws black, as the toolkit does.
QColor ColorFromValue(std::int32_t value, const QPalette& palette);

} // namespace Brivane
