#include "platform/qt/QtPictures.h"

#include "testing/Fifo.h"
#include "testing/TempDir.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora {
namespace {

QImage Sample()
{
    QImage image(200, 300, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x, y % 256, (x * y) % 256));
    }
    return image;
}

std::string Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes.toStdString();
}

// Qt writes no GIF: 8-bit codes, each pixel its own, with a clear code before the table grows.
std::string Gif(int width, int height)
{
    std::string out = "GIF89a";
    auto le16 = [&](int value) { out += {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)}; };
    le16(width);
    le16(height);
    out += {'\xF7', 0, 0};
    for (int i = 0; i < 256; ++i)
        out += {static_cast<char>(i), static_cast<char>(i * 7), static_cast<char>(255 - i)};
    out += '\x2C';
    le16(0), le16(0), le16(width), le16(height);
    out += {0, 8};
    std::string data;
    unsigned bits = 0;
    int count = 0;
    auto put = [&](unsigned code) {
        bits |= code << count;
        for (count += 9; count >= 8; count -= 8, bits >>= 8)
            data += static_cast<char>(bits & 0xFF);
    };
    put(256);
    for (int i = 0; i < width * height; ++i) {
        put(static_cast<unsigned>(i % 256));
        if (i % 254 == 253)
            put(256);
    }
    put(257);
    if (count > 0)
        data += static_cast<char>(bits & 0xFF);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::string block = data.substr(at, 255);
        out += static_cast<char>(block.size());
        out += block;
    }
    return out + std::string("\0\x3B", 2);
}

class QtPicturesTest : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const std::string& bytes)
    {
        const std::string path = m_Dir.File(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::shared_ptr<const Picture> Load(const std::string& path, std::string& error)
    {
        return m_Pictures.Load(path, error);
    }

    testing::TempDir m_Dir;
    QtPictures m_Pictures;
};

TEST_F(QtPicturesTest, EachFormatLoadsWholeAndNeverCut)
{
    const std::pair<const char*, std::string> files[] = {
        {"logo.bmp", Encoded(Sample(), "BMP")},
        {"logo.png", Encoded(Sample(), "PNG")},
        {"logo.jpg", Encoded(Sample(), "JPEG")},
        {"logo.gif", Gif(200, 300)},
    };
    for (const auto& [name, bytes] : files) {
        std::string error;
        auto picture = Load(Put(name, bytes), error);
        ASSERT_NE(picture, nullptr) << name << ": " << error;
        EXPECT_EQ(picture->Width(), 200);
        EXPECT_EQ(picture->Height(), 300);
        // Decoders fill what is missing with black or grey and report a success.
        for (const double kept : {0.11, 0.5, 0.9, 0.999}) {
            const auto size = static_cast<std::size_t>(static_cast<double>(bytes.size()) * kept);
            EXPECT_EQ(Load(Put(name, bytes.substr(0, size)), error), nullptr) << name << " cut to " << size;
            EXPECT_NE(error.find("ends early"), std::string::npos) << error;
        }
    }
}

TEST_F(QtPicturesTest, ABitmapCutShortOrHugeIsRefusedAndSaysWhy)
{
    const std::string bmp = Encoded(Sample(), "BMP");
    ASSERT_EQ(bmp.size(), 180054u);
    std::string header = "BM";  // 62 bytes: file and info header, two colours, then nothing
    for (std::uint32_t value : {62u, 0u, 62u, 40u, 5600u, 5600u}) {
        for (int i = 0; i < 4; ++i)
            header += static_cast<char>(value >> (8 * i));
    }
    header += std::string("\x01\x00\x01\x00", 4) + std::string(24, '\0') + std::string("\0\0\0\0\xff\xff\xff\0", 8);
    ASSERT_EQ(header.size(), 62u);
    const std::pair<std::string, std::string> cases[] = {
        {bmp.substr(0, 20000), "its data ends early (the file has 20000 of the 180054 bytes its header declares)"},
        {header, "it is 5600 x 5600 pixels, more than the 16777216 a logo may have"},
        {"P1\n2 2\n0 1\n1 0\n", "it is no BMP, PNG, JPEG or GIF picture"},
    };
    for (const auto& [bytes, why] : cases) {
        std::string error;
        EXPECT_EQ(Load(Put("logo.bmp", bytes), error), nullptr);
        EXPECT_EQ(error, why);
    }
}

TEST_F(QtPicturesTest, OnlyARegularFileIsRead)
{
    testing::UnwrittenFifo fifo(m_Dir.File("pipe.bmp"));
    std::filesystem::create_directory(m_Dir.Path() / "folder.bmp");
    const std::pair<std::string, std::string> cases[] = {
        {fifo.Path(), "not a file but a pipe"},
        {m_Dir.File("folder.bmp"), "not a file but a folder"},
        {m_Dir.File("missing.bmp"), "No such file or directory"},
    };
    for (const auto& [path, why] : cases) {
        std::string error;
        EXPECT_EQ(Load(path, error), nullptr);
        EXPECT_EQ(error, why);
    }
    EXPECT_FALSE(fifo.ReleasedAReader());
}

}  // namespace
}  // namespace pelmora
