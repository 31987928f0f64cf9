#pragma once

#include <cstdint>

// Colour values as they travel: the toolkit's 32-bit colour in signed decimal. A plain colour is
// 0x00BBGGRR; a value with the top bit set names one of the desktop's display colours by its
// index in the low byte (0x8000000F is the button face).
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

// A plain colour value as an opaque 0xAARRGGBB pixel (QRgb); the top byte of the value is ignored.
constexpr std::uint32_t PlainColorRgb(std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    return 0xFF000000u | ((bits & 0xFFu) << 16) | (bits & 0xFF00u) | ((bits >> 16) & 0xFFu);
}

} // namespace Brivane
