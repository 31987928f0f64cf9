#include "console/chat/colorvalue.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Brivane {
namespace {

struct TSystemColor
{
    int index;
    const char16_t* name;
    TPaletteRole role;
};

constexpr QPalette::ColorGroup Active = QPalette::Active;

// The display colours by their conventional index, each drawn in the nearest palette role.
// Index 25 names no colour.
const std::array<TSystemColor, 30> SystemColors = {{
    {0, u"Scroll Bar", {Active, QPalette::Button}},
    {1, u"Background", {Active, QPalette::Dark}},
    {2, u"Active Caption", {Active, QPalette::Highlight}},
    {3, u"Inactive Caption", {QPalette::Inactive, QPalette::Mid}},
    {4, u"Menu", {Active, QPalette::Window}},
    {5, u"Window", {Active, QPalette::Base}},
    {6, u"Window Frame", {Active, QPalette::Shadow}},
    {7, u"Menu Text", {Active, QPalette::WindowText}},
    {8, u"Window Text", {Active, QPalette::WindowText}},
    {9, u"Caption Text", {Active, QPalette::HighlightedText}},
    {10, u"Active Border", {Active, QPalette::Window}},
    {11, u"Inactive Border", {QPalette::Inactive, QPalette::Window}},
    {12, u"Application Workspace", {Active, QPalette::Mid}},
    {13, u"Highlight", {Active, QPalette::Highlight}},
    {14, u"Highlight Text", {Active, QPalette::HighlightedText}},
    {15, u"Button Face", {Active, QPalette::Button}},
    {16, u"Button Shadow", {Active, QPalette::Dark}},
    {17, u"Gray Text", {QPalette::Disabled, QPalette::Text}},
    {18, u"Button Text", {Active, QPalette::ButtonText}},
    {19, u"Inactive Caption Text", {QPalette::Inactive, QPalette::WindowText}},
    {20, u"Button Highlight", {Active, QPalette::Light}},
    {21, u"3D Dark Shadow", {Active, QPalette::Shadow}},
    {22, u"3D Light", {Active, QPalette::Midlight}},
    {23, u"Info Text", {Active, QPalette::ToolTipText}},
    {24, u"Info Background", {Active, QPalette::ToolTipBase}},
    {26, u"Hot Light", {Active, QPalette::Link}},
    {27, u"Gradient Active Caption", {Active, QPalette::Highlight}},
    {28, u"Gradient Inactive Caption", {QPalette::Inactive, QPalette::Mid}},
    {29, u"Menu Highlight", {Active, QPalette::Highlight}},
    {30, u"Menu Bar", {Active, QPalette::Window}},
}};

QList<TColorEntry> BuildColorBoxColors()
{
    QList<TColorEntry> colors = {
        {0x000000, u"Black"_s}, {0x000080, u"Maroon"_s},      {0x008000, u"Green"_s},
        {0x008080, u"Olive"_s}, {0x800000, u"Navy"_s},        {0x800080, u"Purple"_s},
        {0x808000, u"Teal"_s},  {0x808080, u"Gray"_s},        {0xC0C0C0, u"Silver"_s},
        {0x0000FF, u"Red"_s},   {0x00FF00, u"Lime"_s},        {0x00FFFF, u"Yellow"_s},
        {0xFF0000, u"Blue"_s},  {0xFF00FF, u"Fuchsia"_s},     {0xFFFF00, u"Aqua"_s},
        {0xFFFFFF, u"White"_s}, {0xC0DCC0, u"Money Green"_s}, {0xF0CAA6, u"Sky Blue"_s},
        {0xF0FBFF, u"Cream"_s}, {0xA4A0A0, u"Medium Gray"_s},
    };
    for (const TSystemColor& system : SystemColors)
        colors.append({SystemColor(system.index), QString::fromUtf16(system.name)});
    return colors;
}

} // namespace

const QList<TColorEntry>& ColorBoxColors()
{
    static const QList<TColorEntry> colors = BuildColorBoxColors();
    return colors;
}

std::optional<TPaletteRole> SystemColorRole(std::int32_t value)
{
    if (value >= 0)
        return std::nullopt;
    const std::uint32_t index = std::uint32_t(value) & 0x7FFFFFFFu;
    for (const TSystemColor& system : SystemColors)
        if (std::uint32_t(system.index) == index)
            return system.role;
    return std::nullopt;
}

QColor ColorFromValue(std::int32_t value, const QPalette& palette)
{
    if (value < 0) {
        const std::optional<TPaletteRole> role = SystemColorRole(value);
        return role ? palette.color(role->group, role->role) : QColor(Qt::black);
    }
    return QColor::fromRgb(PlainColorRgb(value));
}

} // namespace Brivane
