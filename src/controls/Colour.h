#pragma once

#include <cstdint>

namespace pelmora {

// 32-bit colour: red in the low byte, green in the second, blue in the third. A value with its
// highest bit set names a system colour by the index in its low byte; the front end resolves it.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b)
{
    return static_cast<Colour>(r & 0xFF) | (static_cast<Colour>(g & 0xFF) << 8) |
           (static_cast<Colour>(b & 0xFF) << 16);
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr Colour kSystemColourBit = 0x80000000u;
constexpr bool IsSystemColour(Colour c) { return (c & kSystemColourBit) != 0; }
constexpr Colour SystemColour(int index) { return kSystemColourBit | static_cast<Colour>(index & 0xFF); }

constexpr Colour kColourWindow = SystemColour(5);       // COLOR_WINDOW, the button's background
constexpr Colour kColourWindowFrame = SystemColour(6);  // COLOR_WINDOWFRAME, its design fore colour

}  // namespace pelmora
