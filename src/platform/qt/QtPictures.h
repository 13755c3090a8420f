#pragma once

#include "platform/PicturePort.h"

#include <QImage>

namespace pelmora {

// A picture held as a QImage.
class QtPicture final : public Picture {
public:
    explicit QtPicture(QImage image) : m_Image(std::move(image)) {}
    int Width() const override { return m_Image.width(); }
    int Height() const override { return m_Image.height(); }
    const QImage& Image() const { return m_Image; }

private:
    QImage m_Image;
};

// Pictures through Qt's image readers: BMP, PNG, JPEG and GIF (its first frame), and whatever
// else the installed plug-ins read. Saving always gives a Windows BMP at the picture's size; the
// 32-bit one comes from our own writer, as Qt's BMP writer gives 24 bits per pixel.
class QtPictures final : public PicturePort {
public:
    std::shared_ptr<const Picture> Load(const std::string& path, std::string& error) override;
    std::optional<std::string> EncodeBmp(const Picture& picture) override;
    std::optional<std::string> EncodeFittedBmp32(const Picture& picture, int boxWidth, int boxHeight) override;
};

// The image of a picture made by any backend's Load; a null image for another kind.
QImage ImageOf(const Picture* picture);

}  // namespace pelmora
