#pragma once

#include "controls/TextRenderer.h"

#include <string>
#include <vector>

namespace pelmora::testing {

// A deterministic stand-in for a font: every character is a 6 x 13 cell. A visible character
// paints the block of columns 1..4 and rows 2..10 of its cell; a prefixed (underlined) one also
// paints the cell's bottom row. Lines break at '\n' and, with word wrapping, between words
// (single spaces) where the next word would pass the width; a longer word stays whole.
class FixedCellTextRenderer final : public TextRenderer {
public:
    static constexpr int kCellWidth = 6;
    static constexpr int kCellHeight = 13;

    TextExtent Measure(std::string_view text, int width, unsigned flags, const ButtonFont& font) override;
    void Draw(const PixelView& target, std::string_view text, const CanvasRect& rect,
              const CanvasRect& clip, unsigned flags, std::uint32_t pixel, const ButtonFont& font) override;

    struct Glyph {
        char character;
        bool underlined;
    };
    using TextLine = std::vector<Glyph>;
    // The lines `text` is laid out in, the prefix rule applied.
    static std::vector<TextLine> Layout(std::string_view text, int width, unsigned flags);
};

}  // namespace pelmora::testing
