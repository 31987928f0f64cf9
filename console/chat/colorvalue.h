#pragma once

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

#include <cstdint>
#include <optional>

// Chat colours as they travel: the toolkit's 32-bit colour value in signed decimal. A plain colour
// is 0x00BBGGRR; a value with the top bit set names one of the desktop's display colours by its
// index in the low byte (0x8000000F is the button face), drawn in the desktop palette's colour.
namespace Brivane {

inline constexpr std::int32_t SystemColorFlag = std::int32_t(0x80000000u);

constexpr std::int32_t SystemColor(int index)
{
    return SystemColorFlag | index;
}

inline constexpr std::int32_t clBlack = 0x000000;
inline constexpr std::int32_t clMaroon = 0x000080;
inline constexpr std::int32_t clRed = 0x0000FF;
inline constexpr std::int32_t clWhite = 0xFFFFFF;
inline constexpr std::int32_t clWindow = SystemColor(5);
inline constexpr std::int32_t clWindowText = SystemColor(8);
inline constexpr std::int32_t clHighlight = SystemColor(13);
inline constexpr std::int32_t clBtnFace = SystemColor(15);
inline constexpr std::int32_t clGrayText = SystemColor(17);
inline constexpr std::int32_t clInfoText = SystemColor(23);
inline constexpr std::int32_t clInfoBk = SystemColor(24);

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
