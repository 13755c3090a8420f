#pragma once

#include <memory>
#include <optional>
#include <string>

namespace pelmora {

// A loaded picture; what it holds is the backend's business.
class Picture {
public:
    virtual ~Picture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};

class PicturePort {
public:
    virtual ~PicturePort() = default;

    // Null when the file is missing or is not a picture; `error` then says why.
    virtual std::shared_ptr<const Picture> Load(const std::string& path, std::string& error) = 0;

    // The picture as the bytes of a Windows BMP file at its own size (never scaled).
    virtual std::optional<std::string> EncodeBmp(const Picture& picture) = 0;

    // The picture as the bytes of a 32-bit Windows BMP (BITMAPINFOHEADER, BI_RGB, 32 bits per
    // pixel, rows bottom-up, the fourth byte of each pixel 255), at FitInside(its size, the box):
    // scaled down smoothly when larger than the box, never scaled up. See-through pixels are laid
    // over white first, as EncodeBmp does. Null when it cannot be encoded. Every backend takes
    // the size from FitInside (platform/PictureFit.h) and writes with WriteBmp's Rgb32 depth.
    virtual std::optional<std::string> EncodeFittedBmp32(const Picture& picture, int boxWidth, int boxHeight) = 0;
};

}  // namespace pelmora
