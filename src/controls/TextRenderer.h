#pragma once

#include "controls/ButtonFields.h"
#include "controls/CanvasPort.h"
#include "controls/PixelView.h"

#include <cstdint>
#include <string_view>

namespace pelmora {

struct TextExtent {
    int width = 0;   // of the widest line
    int height = 0;  // of all lines
};

// Lays out and rasterizes text for the raster canvas, which cannot do fonts itself. A front end
// implements it with its toolkit's text drawing over the same pixels. Both calls follow the
// DrawText flags (TextFlag) and the prefix rule: '&' underlines the next character and is not
// drawn, "&&" draws one '&'.
class TextRenderer {
public:
    virtual ~TextRenderer() = default;

    // The extent of `text` laid out in a rectangle `width` pixels wide.
    virtual TextExtent Measure(std::string_view text, int width, unsigned flags,
                               const ButtonFont& font) = 0;

    // Draws `text` laid out in `rect`, touching only pixels inside `clip` (which lies within
    // `target`), in `pixel` (0xFFRRGGBB).
    virtual void Draw(const PixelView& target, std::string_view text, const CanvasRect& rect,
                      const CanvasRect& clip, unsigned flags, std::uint32_t pixel,
                      const ButtonFont& font) = 0;
};

}  // namespace pelmora
