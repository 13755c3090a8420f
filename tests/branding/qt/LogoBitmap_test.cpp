// The 32-bit logo through Qt's image library: fitted, 32 bits per pixel, and readable again.
#include "platform/qt/QtPictures.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace pelmora {
namespace {

std::uint32_t Field(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// Left half red, right half blue, so a scaled picture still shows where each went.
QImage TwoColours(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, Qt::blue);
    return image;
}

TEST(LogoBitmap, FittedInto120AndWrittenWith32BitsPerPixel)
{
    const struct {
        int width, height, fittedWidth, fittedHeight;
    } cases[] = {{400, 300, 120, 90}, {100, 50, 100, 50}, {120, 120, 120, 120}, {300, 600, 60, 120}};
    QtPictures pictures;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const auto bmp = pictures.EncodeFittedBmp32(QtPicture(TwoColours(c.width, c.height)), 120, 120);
        ASSERT_TRUE(bmp);
        const std::size_t pixelBytes = static_cast<std::size_t>(c.fittedWidth) * c.fittedHeight * 4;
        ASSERT_EQ(bmp->size(), 54 + pixelBytes);
        EXPECT_EQ(bmp->substr(0, 2), "BM");
        EXPECT_EQ(Field(*bmp, 2, 4), 54 + pixelBytes);
        EXPECT_EQ(Field(*bmp, 14, 4), 40u);
        EXPECT_EQ(Field(*bmp, 18, 4), static_cast<std::uint32_t>(c.fittedWidth));
        EXPECT_EQ(Field(*bmp, 22, 4), static_cast<std::uint32_t>(c.fittedHeight));
        EXPECT_EQ(Field(*bmp, 28, 2), 32u);
        EXPECT_EQ(Field(*bmp, 30, 4), 0u);  // BI_RGB

        QImage back;
        ASSERT_TRUE(back.loadFromData(reinterpret_cast<const uchar*>(bmp->data()), static_cast<int>(bmp->size()), "BMP"));
        EXPECT_EQ(back.size(), QSize(c.fittedWidth, c.fittedHeight));
        EXPECT_EQ(back.depth(), 32);
        EXPECT_EQ(QColor(back.pixel(0, c.fittedHeight / 2)), QColor(Qt::red));
        EXPECT_EQ(QColor(back.pixel(c.fittedWidth - 1, 0)), QColor(Qt::blue));
    }
}

TEST(LogoBitmap, SeeThroughPixelsAreLaidOverWhite)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(0, 128, 0, 255));
    const auto bmp = QtPictures().EncodeFittedBmp32(QtPicture(image), 120, 120);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->substr(54), std::string("\xff\xff\xff\xff" "\x00\x80\x00\xff", 8));
}

}  // namespace
}  // namespace pelmora
