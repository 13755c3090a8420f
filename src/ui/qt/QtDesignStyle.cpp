#include "QtDesignStyle.h"

#include "designs/ControlLook.h"

#include <QApplication>
#include <QPalette>

#include <cmath>

namespace pelmora::qt {

namespace {

Colour FromQColor(const QColor& colour) { return Rgb(colour.red(), colour.green(), colour.blue()); }

QColor PaletteColour(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 1: return palette.color(QPalette::Shadow);                // desktop
    case 2: case 13: return palette.color(QPalette::Highlight);    // active caption, highlight
    case 3: return palette.color(QPalette::Mid);                   // inactive caption
    case 4: return palette.color(QPalette::Window);                // menu
    case 5: return palette.color(QPalette::Base);                  // window
    case 6: return QColor(Qt::black);                              // window frame
    case 7: case 8: return palette.color(QPalette::Text);          // menu text, window text
    case 9: case 14: return palette.color(QPalette::HighlightedText);
    case 10: case 11: return palette.color(QPalette::Mid);         // borders
    case 12: return palette.color(QPalette::Dark);                 // application workspace
    case 15: return palette.color(QPalette::Button);               // button face
    case 16: return palette.color(QPalette::Dark);                 // button shadow
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: return palette.color(QPalette::ButtonText);
    case 19: return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 20: return palette.color(QPalette::Light);                // button highlight
    case 21: return palette.color(QPalette::Shadow);               // 3-D dark shadow
    case 22: return palette.color(QPalette::Midlight);             // 3-D light
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::Window);
    }
}

}  // namespace

Colour ResolveSystemColour(int index) { return FromQColor(PaletteColour(index)); }

Colour ResolveButtonSystemColour(const QPalette& palette, int index)
{
    switch (index) {
    case 5: return FromQColor(palette.color(QPalette::Base));        // window background
    case 6: return FromQColor(palette.color(QPalette::WindowText));  // window frame
    default: return ResolveSystemColour(index);
    }
}

QColor ToQColor(Colour colour)
{
    if (IsSystemColour(colour))
        return PaletteColour(static_cast<int>(colour & 0xFF));
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

QFont ToQFont(const ButtonFont& font)
{
    QFont qfont(ToQString(font.name));
    qfont.setStyleHint(QFont::SansSerif);
    if (const int stretch = designs::SubstituteStretch(font); stretch != 100)
        qfont.setStretch(stretch);
    qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0))));
    qfont.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    qfont.setStrikeOut(font.strikethrough);
    return qfont;
}

QImage ToQImage(const designs::PixelPicture& picture)
{
    if (picture.Empty())
        return {};
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height; ++y)
        std::copy_n(picture.pixels.data() + static_cast<std::size_t>(y) * picture.width, picture.width,
                    reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
    return image;
}

QImage DesignImage(std::string_view name) { return ToQImage(designs::DrawDesignPicture(name)); }

}  // namespace pelmora::qt
