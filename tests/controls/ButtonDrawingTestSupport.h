#pragma once

#include "controls/ButtonPainter.h"
#include "controls/FixedCellTextRenderer.h"
#include "controls/RasterCanvas.h"

#include <map>
#include <string>

namespace pelmora::testing {

// System colours as the classic desktop scheme has them: window white, window frame black.
inline Colour ClassicSystemColour(int index)
{
    switch (index) {
    case 5: return Rgb(255, 255, 255);
    case 6: return Rgb(0, 0, 0);
    default: return Rgb(128, 128, 128);
    }
}

// The fields as the resize handler leaves them for a W x H client area.
inline ButtonFields FieldsOfSize(int width, int height)
{
    ButtonFields fields;
    fields.m_ClientRect = {0, 0, width, height};
    fields.m_Width = width;
    fields.m_Height = height;
    fields.m_Right = width - 1;
    fields.m_Bottom = height;
    return fields;
}

// One button drawn onto a raster canvas of its own size.
struct PaintedButton {
    FixedCellTextRenderer text;
    RasterCanvas canvas{text, ClassicSystemColour};
    ButtonFields fields;
    ButtonSurface surface;

    PaintedButton(int width, int height) : fields(FieldsOfSize(width, height)) { canvas.Resize(width, height); }

    PaintedButton& Draw(std::int16_t request = 0)
    {
        DrawButton(fields, surface, canvas, request);
        return *this;
    }
};

// The canvas as rows of letters, one per pixel, by `legend`; '?' for a colour not in it.
inline std::string AsciiArt(const RasterCanvas& canvas, const std::map<Colour, char>& legend)
{
    std::string art;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const auto it = legend.find(canvas.ColourAt(x, y));
            art += it == legend.end() ? '?' : it->second;
        }
        art += '\n';
    }
    return art;
}

// The same for a region: '#' kept, '.' not, over a W x H area.
inline std::string AsciiArt(const PixelRegion& region, int width, int height)
{
    std::string art;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) art += region.Contains(x, y) ? '#' : '.';
        art += '\n';
    }
    return art;
}

}  // namespace pelmora::testing
