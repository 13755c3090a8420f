#include "platform/qt/QtPictures.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

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

QImage ImageOf(const Picture* picture)
{
    auto* qtPicture = dynamic_cast<const QtPicture*>(picture);
    return qtPicture != nullptr ? qtPicture->Image() : QImage();
}

}  // namespace pelmora
