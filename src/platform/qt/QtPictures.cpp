#include "platform/qt/QtPictures.h"

#include "platform/BmpWriter.h"
#include "platform/PictureFit.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

#include <vector>

namespace pelmora {

namespace {

// A BMP carries no transparency: see-through pixels are laid over white, the colour a logo
// is usually shown on, instead of whatever colour the pixel happened to keep.
QImage Flattened(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image;
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

}  // namespace

std::shared_ptr<const Picture> QtPictures::Load(const std::string& path, std::string& error)
{
    QImageReader reader(QString::fromStdString(path));
    reader.setAutoTransform(false);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull()) {
        error = reader.errorString().toStdString();
        return nullptr;
    }
    error.clear();
    return std::make_shared<QtPicture>(std::move(image));
}

std::optional<std::string> QtPictures::EncodeBmp(const Picture& picture)
{
    QImage image = ImageOf(&picture);
    if (image.isNull())
        return std::nullopt;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(Flattened(image)))
        return std::nullopt;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::optional<std::string> QtPictures::EncodeFittedBmp32(const Picture& picture, int boxWidth, int boxHeight)
{
    const QImage image = ImageOf(&picture);
    if (image.isNull())
        return std::nullopt;
    const PictureSize fitted = FitInside({image.width(), image.height()}, {boxWidth, boxHeight});
    // Flattened first, so the smoothing never blends in the colour hidden under a see-through pixel.
    QImage flat = Flattened(image).convertToFormat(QImage::Format_RGB32);
    if (fitted != PictureSize{image.width(), image.height()})
        flat = flat.scaled(fitted.width, fitted.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGB32);
    if (flat.isNull())
        return std::nullopt;

    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(flat.width()) * static_cast<std::size_t>(flat.height()));
    for (int y = 0; y < flat.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        for (int x = 0; x < flat.width(); ++x)
            pixels.push_back(line[x] | 0xff000000u);  // RGB32 leaves the top byte undefined
    }
    return WriteBmp(flat.width(), flat.height(), pixels, BmpDepth::Rgb32);
}

QImage ImageOf(const Picture* picture)
{
    auto* qtPicture = dynamic_cast<const QtPicture*>(picture);
    return qtPicture != nullptr ? qtPicture->Image() : QImage();
}

}  // namespace pelmora
