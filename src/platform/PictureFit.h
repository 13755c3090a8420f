#pragma once

namespace pelmora {

struct PictureSize {
    int width = 0;
    int height = 0;

    bool operator==(const PictureSize&) const = default;
};

// The size a picture is shown at inside a box: scaled down, keeping its aspect ratio, until it
// fits; a picture that fits already keeps its size (never scaled up). Each side is rounded to
// the nearest pixel and is at least one, so every backend gives the same size.
PictureSize FitInside(PictureSize picture, PictureSize box);

}  // namespace pelmora
