#pragma once

namespace pelmora::designs {

// Designs are measured in twips: 15 to a pixel at the standard scale. The toolkit multiplies
// by the screen's own scale.
constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips)
{
    return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A button's stored extent is its size in hundredths of a millimetre: 1440 twips to 2540.
constexpr int TwipsToHimetric(int twips)
{
    return static_cast<int>((static_cast<long long>(twips) * 2540 + 720) / 1440);
}

}  // namespace pelmora::designs
