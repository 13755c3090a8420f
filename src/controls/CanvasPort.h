#pragma once

#include "controls/ButtonFields.h"
#include "controls/Colour.h"

#include <cstdint>
#include <functional>
#include <string_view>

namespace pelmora {

// A rectangle in surface pixels; right and bottom are one past the last column and row.
struct CanvasRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const CanvasRect&) const = default;
};

// Turns a system colour's index into its RGB value; supplied by the front end.
using SystemColourResolver = std::function<Colour(int index)>;

// DrawText flags, with the values of the platform's DT_ constants.
namespace TextFlag {
constexpr unsigned kCenter = 0x1;       // centre each line horizontally
constexpr unsigned kWordBreak = 0x10;   // wrap at word boundaries to the rectangle's width
constexpr unsigned kCalcRect = 0x400;   // measure only: the rectangle receives the text's extent
}  // namespace TextFlag

// The 2-D operations the hover button draws with. Colours may name system colours (high bit);
// the canvas resolves them through what its front end supplies. Results are never reported:
// an operation that cannot be carried out leaves its pixels as they were.
class CanvasPort {
public:
    virtual ~CanvasPort() = default;

    // Surface reset: back to the persistent off-screen image, cleared to `background`, with
    // coordinates in pixels.
    virtual void ResetSurface(Colour background) = 0;
    // The surface's scale size, which after a reset is its size in pixels.
    virtual int ScaleWidth() const = 0;
    virtual int ScaleHeight() const = 0;

    // A solid pen of `width` pixels (0 and 1 both mean one pixel) is created and selected;
    // Line strokes with it until ReleasePen selects the previous pen again and deletes it.
    virtual void SelectPen(int width, Colour colour) = 0;
    // From (x1, y1) to (x2, y2); the end point itself is not painted.
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual void ReleasePen() = 0;

    virtual void SetPixel(int x, int y, Colour colour) = 0;
    virtual void FillRect(const CanvasRect& rect, Colour colour) = 0;
    // A one-pixel frame on the rectangle's outermost rows and columns.
    virtual void FrameRect(const CanvasRect& rect, Colour colour) = 0;

    virtual void SetTextColour(Colour colour) = 0;
    // Lays out `text` in `rect` by `flags` (TextFlag) in `font`; '&' underlines the next
    // character and "&&" stands for one '&'. With kCalcRect nothing is drawn and `rect`
    // receives the text's extent; otherwise the text is drawn clipped to `rect`. Returns the
    // text's height in pixels.
    virtual int DrawText(std::string_view text, CanvasRect& rect, unsigned flags,
                         const ButtonFont& font) = 0;

    // Regions, named by handles (0 is none).
    virtual RegionHandle CreateRectRegion(const CanvasRect& rect) = 0;
    // target = target minus removed.
    virtual void SubtractRegion(RegionHandle target, RegionHandle removed) = 0;
    virtual void DeleteRegion(RegionHandle region) = 0;
    // Hands `region` to the window as its shape, repainting it. The window owns it from then on
    // and releases it when it is given the next one.
    virtual void SetWindowRegion(RegionHandle region) = 0;
};

// Keeps a pen selected for the strokes of one scope. Works on the port or, without virtual
// calls, on a concrete canvas.
template <typename Canvas>
class PenScope {
public:
    PenScope(Canvas& canvas, int width, Colour colour) : m_Canvas(canvas)
    {
        m_Canvas.SelectPen(width, colour);
    }
    ~PenScope() { m_Canvas.ReleasePen(); }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

    void Line(int x1, int y1, int x2, int y2) { m_Canvas.Line(x1, y1, x2, y2); }

private:
    Canvas& m_Canvas;
};

}  // namespace pelmora
