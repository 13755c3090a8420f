#pragma once

#include "controls/TextRenderer.h"

#include <QFont>

#include <functional>
#include <optional>

namespace pelmora::qt {

// The raster canvas's captions drawn by Qt straight into its pixel buffer: word-wrapped and
// centred as the DrawText flags ask, the character after a single '&' underlined, the
// background left as it is.
class QtTextRenderer final : public TextRenderer {
public:
    QtTextRenderer() = default;
    // Takes the scale from `scale` at every layout, as a widget's pixel ratio may change.
    explicit QtTextRenderer(std::function<double()> scale) : m_ScaleOf(std::move(scale)) {}

    // Device pixels per design pixel; fonts grow with it so captions keep their place.
    void SetScale(double scale);

    TextExtent Measure(std::string_view text, int width, unsigned flags, const ButtonFont& font) override;
    void Draw(const PixelView& target, std::string_view text, const CanvasRect& rect, const CanvasRect& clip,
              unsigned flags, std::uint32_t pixel, const ButtonFont& font) override;

private:
    const QFont& FontOf(const ButtonFont& font);

    std::function<double()> m_ScaleOf;
    double m_Scale = 1.0;
    // The last font asked for: a button draws with one font until it is given another.
    std::optional<ButtonFont> m_FontFor;
    double m_FontScale = 0;
    QFont m_Font;
};

// The Qt text flags of DrawText flags (TextFlag): lines start at the top, '&' marks the access
// character.
int QtTextFlags(unsigned flags);

}  // namespace pelmora::qt
