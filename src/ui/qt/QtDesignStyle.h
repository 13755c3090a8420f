#pragma once

#include "controls/ButtonFields.h"
#include "controls/Colour.h"
#include "designs/DesignPictures.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QString>

#include <string_view>

namespace pelmora::qt {

// A system colour's value by its index, from the application's palette.
Colour ResolveSystemColour(int index);

// The same for a hover button drawn with `palette`: its background (window) and frame from it.
Colour ResolveButtonSystemColour(const QPalette& palette, int index);

// A design colour as Qt draws it: system colours resolved.
QColor ToQColor(Colour colour);

// Designs give font sizes in points at the standard scale (96 pixels to the inch, as their
// twips assume), so the size becomes pixels the same way the layout does; the toolkit adds
// the screen's scale to both.
QFont ToQFont(const ButtonFont& font);

QImage ToQImage(const designs::PixelPicture& picture);

// The picture named by a design, ready to draw; a null image for an unknown name.
QImage DesignImage(std::string_view name);

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pelmora::qt
