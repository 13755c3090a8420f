#include "platform/PictureCheck.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace pelmora {
namespace {

void Le(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
}

void Be(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
}

struct BmpSpec {
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint32_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t coloursUsed = 0;
    std::string pixels;  // empty: the rows the header declares
};

BmpSpec Spec(std::int32_t width, std::int32_t height, std::uint32_t bits = 24, std::uint32_t compression = 0,
             std::uint32_t coloursUsed = 0, std::string pixels = {})
{
    return BmpSpec{width, height, bits, compression, coloursUsed, std::move(pixels)};
}

std::string Bmp(const BmpSpec& spec)
{
    const std::uint32_t colours = spec.bits <= 8 ? (spec.coloursUsed ? spec.coloursUsed : 1u << spec.bits) : 0;
    std::string pixels = spec.pixels;
    if (pixels.empty()) {
        const std::uint32_t stride = (spec.width * spec.bits + 31) / 32 * 4;
        pixels.assign(stride * static_cast<std::uint32_t>(spec.height < 0 ? -spec.height : spec.height), '\x5a');
    }
    const std::uint32_t offset = 14 + 40 + colours * 4;
    std::string out = "BM";
    Le(out, offset + static_cast<std::uint32_t>(pixels.size()), 4);
    Le(out, 0, 4);
    Le(out, offset, 4);
    Le(out, 40, 4);
    Le(out, static_cast<std::uint32_t>(spec.width), 4);
    Le(out, static_cast<std::uint32_t>(spec.height), 4);
    Le(out, 1, 2);
    Le(out, spec.bits, 2);
    Le(out, spec.compression, 4);
    Le(out, static_cast<std::uint32_t>(pixels.size()), 4);
    Le(out, 2835, 4);
    Le(out, 2835, 4);
    Le(out, spec.coloursUsed, 4);
    Le(out, 0, 4);
    out.append(colours * 4, '\x11');
    return out + pixels;
}

std::string PngChunk(const std::string& type, const std::string& data)
{
    std::string out;
    Be(out, static_cast<std::uint32_t>(data.size()), 4);
    return out + type + data + std::string(4, '\0');  // the check reads no checksum
}

std::string Png(std::uint32_t width, std::uint32_t height)
{
    std::string header;
    Be(header, width, 4);
    Be(header, height, 4);
    header += std::string("\x08\x02\x00\x00\x00", 5);
    return "\x89PNG\r\n\x1a\n" + PngChunk("IHDR", header) + PngChunk("tEXt", "Title\0Logo") +
           PngChunk("IDAT", std::string(300, '\x78')) + PngChunk("IEND", "");
}

std::string Gif(std::uint32_t width, std::uint32_t height)
{
    std::string out = "GIF89a";
    Le(out, width, 2);
    Le(out, height, 2);
    out += std::string("\x80\x00\x00", 3) + std::string("\x00\x00\x00\xff\xff\xff", 6);  // two colours
    out += std::string("\x21\xf9\x04\x00\x00\x00\x00\x00", 8);                             // graphic control
    out += "\x2c";
    Le(out, 0, 2);
    Le(out, 0, 2);
    Le(out, width, 2);
    Le(out, height, 2);
    out += std::string("\x00\x02\x05\x84\x8f\xa9\xcb\x0d\x02\x01\x02\x00", 12);  // code size, two sub-blocks
    return out + "\x3b";
}

std::string JpegSegment(unsigned marker, const std::string& data)
{
    std::string out = "\xff";
    out += static_cast<char>(marker);
    Be(out, static_cast<std::uint32_t>(data.size() + 2), 2);
    return out + data;
}

std::string Jpeg(std::uint32_t width, std::uint32_t height)
{
    std::string frame = "\x08";
    Be(frame, height, 2);
    Be(frame, width, 2);
    frame += std::string("\x01\x01\x11\x00", 4);
    return "\xff\xd8" + JpegSegment(0xE0, std::string("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14)) +
           JpegSegment(0xDB, std::string(65, '\x01')) + JpegSegment(0xC0, frame) +
           JpegSegment(0xC4, std::string(20, '\x02')) + JpegSegment(0xDA, std::string("\x01\x01\x00\x00\x3f\x00", 6)) +
           std::string("\x12\xff\x00\x34\xff\xd0\x56\xff\xff\xff\xd1\x78", 12) + "\xff\xd9";
}

std::string RleBmp(std::int32_t width, std::int32_t height)
{
    std::string runs;
    for (int row = 0; row < height - 1; ++row)
        runs += std::string("\x02\x07\x00\x03\x01\x02\x03\x00", 8) + std::string("\x00\x00", 2);
    runs += std::string("\x00\x02\x01\x00", 4);  // a jump, then the end of the bitmap
    runs += std::string("\x00\x01", 2);
    return Bmp(Spec(width, height, 8, 1, 0, runs));
}

struct Whole {
    const char* name;
    std::string bytes;
    PictureFormat format;
    std::int64_t width;
    std::int64_t height;
};

TEST(PictureCheck, AWholePictureOfEachFormatPassesWithItsSize)
{
    const Whole cases[] = {
        {"BMP 24 bits", Bmp(Spec(3, 2)), PictureFormat::Bmp, 3, 2},
        {"BMP 1 bit, rows top down", Bmp(Spec(17, -5, 1)), PictureFormat::Bmp, 17, 5},
        {"BMP 4 bits, 3 colours used", Bmp(Spec(9, 4, 4, 0, 3)), PictureFormat::Bmp, 9, 4},
        {"BMP 8 bits run-length", RleBmp(5, 4), PictureFormat::Bmp, 5, 4},
        {"PNG", Png(180, 115), PictureFormat::Png, 180, 115},
        {"GIF", Gif(16, 8), PictureFormat::Gif, 16, 8},
        {"JPEG", Jpeg(640, 480), PictureFormat::Jpeg, 640, 480},
        {"JPEG with bytes after its end", Jpeg(8, 8) + "trailing", PictureFormat::Jpeg, 8, 8},
        {"GIF of two frames, the second one cut", Gif(4, 4).substr(0, Gif(4, 4).size() - 1) + "\x2c\x00",
         PictureFormat::Gif, 4, 4},
    };
    for (const Whole& c : cases) {
        SCOPED_TRACE(c.name);
        const PictureCheck check = CheckPicture(c.bytes);
        EXPECT_EQ(check.problem, "");
        EXPECT_EQ(check.format, c.format);
        EXPECT_EQ(check.width, c.width);
        EXPECT_EQ(check.height, c.height);
    }
}

// Cut anywhere before its end: a GIF ends with its first image, before the trailer byte.
TEST(PictureCheck, APictureCutAnywhereIsRefused)
{
    const std::string gif = Gif(16, 8);
    const std::pair<const char*, std::string> cases[] = {
        {"BMP", Bmp(Spec(3, 2))}, {"BMP 1 bit", Bmp(Spec(17, -5, 1))}, {"BMP run-length", RleBmp(5, 4)},
        {"PNG", Png(180, 115)},   {"GIF", gif.substr(0, gif.size() - 1)}, {"JPEG", Jpeg(640, 480)},
    };
    for (const auto& [name, bytes] : cases) {
        for (std::size_t size = 3; size < bytes.size(); ++size) {
            const PictureCheck check = CheckPicture(std::string_view(bytes).substr(0, size));
            EXPECT_NE(check.problem, "") << name << " cut to " << size << " of " << bytes.size() << " bytes";
        }
    }
}

TEST(PictureCheck, WhatIsRefusedSaysWhy)
{
    std::string truncated = Bmp(Spec(200, 300)).substr(0, 20000);  // 180,054 bytes whole
    std::string bomb = Bmp(Spec(5600, 5600, 1, 0, 2, "x"));  // 62 bytes of header, one of pixels
    std::string farOffset = Bmp(Spec(3, 2));
    farOffset[10] = '\x7f';
    const std::pair<std::string, std::string> cases[] = {
        {truncated, "its data ends early (the file has 20000 of the 180054 bytes its header declares)"},
        {Bmp(Spec(2000, 2000, 1, 0, 2, "x")), "its data ends early (the file has 63 of the 504062 bytes its header declares)"},
        {bomb, "it is 5600 x 5600 pixels, more than the 16777216 a logo may have"},
        {Png(100000, 100000), "it is 100000 x 100000 pixels, more than the 16777216 a logo may have"},
        {Png(4292411137u, 4278320897u),
         "it is 4292411137 x 4278320897 pixels, more than the 16777216 a logo may have"},
        {farOffset, "its data ends early (the file has 78 of the 151 bytes its header declares)"},
        {Bmp(Spec(3, 2, 8, 0, 100000)), "it is no readable picture (a BMP colour table of more than 256 colours)"},
        {Bmp(Spec(3, 2, 24, 4)), "it is no readable picture (a kind of BMP that is not read)"},
        {Bmp(Spec(0, 2)), "it is no readable picture (a picture of no pixels)"},
        {Png(180, 115).substr(0, 60), "its data ends early (the file stops after 60 bytes, before the picture's end)"},
        {std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00\x3b", 14), "it is no readable picture (a GIF without an image)"},
        {"\xff\xd8\xff\xd8", "it is no readable picture (a JPEG marker out of place)"},
        {"<svg/>", "it is no BMP, PNG, JPEG or GIF picture"},
        {"", "it is no BMP, PNG, JPEG or GIF picture"},
    };
    for (const auto& [bytes, problem] : cases)
        EXPECT_EQ(CheckPicture(bytes).problem, problem) << bytes.size();
}

}  // namespace
}  // namespace pelmora
