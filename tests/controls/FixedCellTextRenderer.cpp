#include "controls/FixedCellTextRenderer.h"

#include <algorithm>

namespace pelmora::testing {
namespace {

using Glyph = FixedCellTextRenderer::Glyph;
using TextLine = FixedCellTextRenderer::TextLine;

// '&' marks the next character as underlined and is dropped; "&&" is one '&'.
TextLine ApplyPrefix(std::string_view text)
{
    TextLine glyphs;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            glyphs.push_back({text[i], false});
        } else if (i + 1 < text.size()) {
            ++i;
            glyphs.push_back({text[i], text[i] != '&'});
        }
    }
    return glyphs;
}

void WrapParagraph(const TextLine& paragraph, int maxCells, std::vector<TextLine>& lines)
{
    TextLine line;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        std::size_t end = start;
        while (end < paragraph.size() && paragraph[end].character != ' ') ++end;
        const TextLine word(paragraph.begin() + static_cast<long>(start), paragraph.begin() + static_cast<long>(end));
        const std::size_t needed = line.empty() ? word.size() : line.size() + 1 + word.size();
        if (!line.empty() && static_cast<int>(needed) > maxCells) {
            lines.push_back(line);
            line.clear();
        }
        if (!line.empty()) line.push_back({' ', false});
        line.insert(line.end(), word.begin(), word.end());
        start = end + 1;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<TextLine> FixedCellTextRenderer::Layout(std::string_view text, int width, unsigned flags)
{
    std::vector<TextLine> lines;
    if (text.empty()) return lines;
    const TextLine glyphs = ApplyPrefix(text);
    const bool wrap = (flags & TextFlag::kWordBreak) != 0;
    TextLine paragraph;
    auto finish = [&] {
        if (wrap) WrapParagraph(paragraph, width / kCellWidth, lines);
        else lines.push_back(paragraph);
        paragraph.clear();
    };
    for (const Glyph& g : glyphs) {
        if (g.character == '\n') finish();
        else if (g.character != '\r') paragraph.push_back(g);
    }
    finish();
    return lines;
}

TextExtent FixedCellTextRenderer::Measure(std::string_view text, int width, unsigned flags, const ButtonFont&)
{
    const std::vector<TextLine> lines = Layout(text, width, flags);
    std::size_t widest = 0;
    for (const TextLine& line : lines) widest = std::max(widest, line.size());
    return {static_cast<int>(widest) * kCellWidth, static_cast<int>(lines.size()) * kCellHeight};
}

void FixedCellTextRenderer::Draw(const PixelView& target, std::string_view text, const CanvasRect& rect,
                                 const CanvasRect& clip, unsigned flags, std::uint32_t pixel, const ButtonFont&)
{
    const std::vector<TextLine> lines = Layout(text, rect.right - rect.left, flags);
    auto paint = [&](int left, int top, int right, int bottom) {
        FillPixels(target,
                   {std::max(left, clip.left), std::max(top, clip.top), std::min(right, clip.right),
                    std::min(bottom, clip.bottom)},
                   pixel);
    };
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const TextLine& line = lines[row];
        const int lineWidth = static_cast<int>(line.size()) * kCellWidth;
        const bool centred = (flags & TextFlag::kCenter) != 0;
        const int x0 = rect.left + (centred ? (rect.right - rect.left - lineWidth) / 2 : 0);
        const int y0 = rect.top + static_cast<int>(row) * kCellHeight;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const int x = x0 + static_cast<int>(i) * kCellWidth;
            if (line[i].character != ' ') paint(x + 1, y0 + 2, x + kCellWidth - 1, y0 + kCellHeight - 2);
            if (line[i].underlined) paint(x, y0 + kCellHeight - 1, x + kCellWidth, y0 + kCellHeight);
        }
    }
}

}  // namespace pelmora::testing
