#pragma once

#include "platform/PicturePort.h"

namespace pelmora {

// Pictures through the Windows Imaging Component: BMP, PNG, JPEG, GIF (its first frame), TIFF
// and ICO (its first image), and whatever other decoders the system has, each read into
// 32-bit pixels (a RasterPicture) at its own size, never scaled. A missing file, a folder or
// device, an unknown format and data that ends early are refused with the reason. Saving gives
// a 24-bit Windows BMP from this program's own writer, see-through pixels laid over white; the
// fitted 32-bit one is scaled down with our box filter (AreaScale.h), as smooth as Qt's.
class WicPictures final : public PicturePort {
public:
    std::shared_ptr<const Picture> Load(const std::string& path, std::string& error) override;
    std::optional<std::string> EncodeBmp(const Picture& picture) override;
    std::optional<std::string> EncodeFittedBmp32(const Picture& picture, int boxWidth, int boxHeight) override;
};

}  // namespace pelmora
