// Pictures through the Windows Imaging Component. The fixtures are made in the test: PNG, JPEG,
// GIF and TIFF with the system's own encoders, BMP with this program's writer, ICO by hand.
#include "platform/WicPictures_win32.h"

#include "platform/BmpWriter.h"
#include "platform/RasterPicture.h"
#include "platform/WindowsApi.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>
#include <wincodec.h>

#include <fstream>

namespace pelmora {
namespace {

using Pixels = std::vector<std::uint32_t>;

// 3 x 2, opaque, in colours a GIF palette and a JPEG keep well enough.
const Pixels kOpaque = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF, 0xFF000000, 0xFF808080};

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

template <typename T>
struct Released {
    T* p = nullptr;
    ~Released()
    {
        if (p)
            p->Release();
    }
};

struct ComThread {
    ComThread() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComThread() { CoUninitialize(); }
};

// The pixels encoded by the system's encoder for `container`; indexed formats get a palette of
// the picture's own colours.
std::string SystemEncode(const GUID& container, int width, int height, const Pixels& pixels)
{
    ComThread com;
    Released<IWICImagingFactory> factory;
    Released<IStream> stream;
    Released<IWICBitmapEncoder> encoder;
    Released<IWICBitmapFrameDecode> unused;
    Released<IWICBitmapFrameEncode> frame;
    Released<IPropertyBag2> options;
    Released<IWICBitmap> bitmap;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory.p))) ||
        FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream.p)) ||
        FAILED(factory.p->CreateEncoder(container, nullptr, &encoder.p)) ||
        FAILED(encoder.p->Initialize(stream.p, WICBitmapEncoderNoCache)) ||
        FAILED(encoder.p->CreateNewFrame(&frame.p, &options.p)) || FAILED(frame.p->Initialize(options.p)) ||
        FAILED(frame.p->SetSize(width, height)))
        return {};
    // A GIF gets its indices and palette directly, so only the decoder is under test here.
    const bool indexed = container == GUID_ContainerFormatGif;
    std::vector<BYTE> indices(pixels.size());
    for (std::size_t i = 0; i < pixels.size(); ++i)
        indices[i] = static_cast<BYTE>(i);
    Released<IWICPalette> palette;
    std::vector<WICColor> colours(pixels.begin(), pixels.end());
    if (indexed && (FAILED(factory.p->CreatePalette(&palette.p)) ||
                    FAILED(palette.p->InitializeCustom(colours.data(), static_cast<UINT>(colours.size()))) ||
                    FAILED(frame.p->SetPalette(palette.p))))
        return {};
    const HRESULT made =
        indexed ? factory.p->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat8bppIndexed, width,
                                                    static_cast<UINT>(indices.size()), indices.data(), &bitmap.p)
                : factory.p->CreateBitmapFromMemory(width, height, GUID_WICPixelFormat32bppBGRA, width * 4,
                                                    static_cast<UINT>(pixels.size() * 4),
                                                    reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels.data())),
                                                    &bitmap.p);
    if (FAILED(made) || (indexed && FAILED(bitmap.p->SetPalette(palette.p))))
        return {};
    WICRect all{0, 0, width, height};
    if (FAILED(frame.p->WriteSource(bitmap.p, &all)) || FAILED(frame.p->Commit()) || FAILED(encoder.p->Commit()))
        return {};
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream.p, &memory);
    STATSTG stat{};
    stream.p->Stat(&stat, STATFLAG_NONAME);
    const char* data = static_cast<const char*>(GlobalLock(memory));
    std::string bytes(data, static_cast<std::size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(memory);
    return bytes;
}

// A classic icon: one 32-bit image with its AND mask, all by hand.
std::string IconFile(int width, int height, const Pixels& pixels)
{
    std::string dib = *WriteBmp(width, height, pixels, BmpDepth::Argb32);
    // The icon's DIB is the BMP without its file header, a plain 40-byte header, height doubled
    // for the mask that follows the colours.
    std::string header = dib.substr(14, 40);
    header[0] = 40;
    const std::uint32_t doubled = static_cast<std::uint32_t>(height * 2);
    for (int i = 0; i < 4; ++i)
        header[8 + i] = static_cast<char>(doubled >> (8 * i));
    header[16] = 0;  // BI_RGB
    const std::string colours = dib.substr(138);
    const std::string mask(static_cast<std::size_t>(height) * 4, '\0');  // rows of 32 bits: all shown
    const std::string image = header + colours + mask;
    std::string file("\0\0\1\0\1\0", 6);
    file += static_cast<char>(width);
    file += static_cast<char>(height);
    file += std::string("\0\0\1\0\x20\0", 6);
    for (std::uint32_t v : {static_cast<std::uint32_t>(image.size()), 22u})
        for (int i = 0; i < 4; ++i)
            file += static_cast<char>(v >> (8 * i));
    return file + image;
}

struct Format {
    const char* name;
    std::string bytes;
    int width, height;
    Pixels expected;
    int tolerance;
};

// JPEG keeps a flat colour only nearly, and no sharp edge between colours.
const Pixels kFlat(16 * 16, 0xFF3366CC);

std::vector<Format> Formats()
{
    return {
        {"bmp24", *WriteBmp(3, 2, kOpaque, BmpDepth::Rgb24), 3, 2, kOpaque, 0},
        {"bmp32", *WriteBmp(3, 2, kOpaque, BmpDepth::Argb32), 3, 2, kOpaque, 0},
        {"png", SystemEncode(GUID_ContainerFormatPng, 3, 2, kOpaque), 3, 2, kOpaque, 0},
        {"tiff", SystemEncode(GUID_ContainerFormatTiff, 3, 2, kOpaque), 3, 2, kOpaque, 0},
        {"gif", SystemEncode(GUID_ContainerFormatGif, 3, 2, kOpaque), 3, 2, kOpaque, 0},
        {"ico", IconFile(3, 2, kOpaque), 3, 2, kOpaque, 0},
        {"jpeg", SystemEncode(GUID_ContainerFormatJpeg, 16, 16, kFlat), 16, 16, kFlat, 6},
    };
}

bool Near(std::uint32_t a, std::uint32_t b, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    return true;
}

TEST(WicPictures, LoadsEveryFormatAtItsOwnSize)
{
    testing::TempDir dir;
    WicPictures pictures;
    for (const Format& format : Formats()) {
        SCOPED_TRACE(format.name);
        ASSERT_FALSE(format.bytes.empty()) << "the fixture could not be made";
        const std::string path = dir.File(std::string("logo.") + format.name);
        WriteBytes(path, format.bytes);
        std::string error = "stale";
        auto picture = std::dynamic_pointer_cast<const RasterPicture>(pictures.Load(path, error));
        ASSERT_TRUE(picture) << error;
        EXPECT_EQ(error, "");
        ASSERT_EQ(picture->Width(), format.width);
        ASSERT_EQ(picture->Height(), format.height);
        for (std::size_t i = 0; i < format.expected.size(); ++i)
            EXPECT_TRUE(Near(picture->Pixels()[i], format.expected[i], format.tolerance))
                << "pixel " << i << ": " << std::hex << picture->Pixels()[i];
    }
}

TEST(WicPictures, ThirtyTwoBitBmpKeepsItsAlpha)
{
    testing::TempDir dir;
    const Pixels pixels = {0x80FF0000, 0x00000000, 0xFF00FF00, 0x40123456};
    WriteBytes(dir.File("alpha.bmp"), *WriteBmp(2, 2, pixels, BmpDepth::Argb32));
    std::string error;
    auto picture = std::dynamic_pointer_cast<const RasterPicture>(WicPictures().Load(dir.File("alpha.bmp"), error));
    ASSERT_TRUE(picture) << error;
    EXPECT_EQ(picture->Pixels(), pixels);
}

TEST(WicPictures, RefusesWithTheReason)
{
    testing::TempDir dir;
    CreateDirectoryA(dir.File("folder.bmp").c_str(), nullptr);
    WriteBytes(dir.File("empty.bmp"), "");
    WriteBytes(dir.File("text.bmp"), "this is not a picture at all, only some words");
    struct Case {
        const char* file;
        std::string reason;  // empty: any reason
    };
    const Case cases[] = {
        {"missing.bmp", SystemErrorText(ERROR_FILE_NOT_FOUND)},
        {"folder.bmp", "it is a folder, not a file"},
        {"empty.bmp", "the file is empty"},
        {"text.bmp", "it is not a picture in a format this system reads"},
    };
    WicPictures pictures;
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(pictures.Load(dir.File(c.file), error)) << c.file;
        EXPECT_EQ(error, c.reason) << c.file;
    }
    std::string error;
    EXPECT_FALSE(pictures.Load("NUL", error)) << "a device";
    EXPECT_EQ(error, "it is not a regular file");
}

TEST(WicPictures, DataThatEndsEarlyIsRefused)
{
    testing::TempDir dir;
    // Large enough that the cut falls inside the pixel data, not the headers.
    Pixels big(64 * 64);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
    WicPictures pictures;
    const std::pair<const char*, std::string> formats[] = {
        {"bmp", *WriteBmp(64, 64, big, BmpDepth::Rgb24)},
        {"png", SystemEncode(GUID_ContainerFormatPng, 64, 64, big)},
        {"jpeg", SystemEncode(GUID_ContainerFormatJpeg, 64, 64, big)},
        {"tiff", SystemEncode(GUID_ContainerFormatTiff, 64, 64, big)},
    };
    for (const auto& [name, bytes] : formats) {
        SCOPED_TRACE(name);
        ASSERT_GT(bytes.size(), 200u);
        const std::string path = dir.File(std::string("cut.") + name);
        WriteBytes(path, bytes.substr(0, bytes.size() / 2));
        std::string error;
        EXPECT_FALSE(pictures.Load(path, error));
        EXPECT_EQ(error, "its data ends early");
    }
}

TEST(WicPictures, EncodeBmpLaysSeeThroughPixelsOverWhiteAtTheSameSize)
{
    testing::TempDir dir;
    const Pixels pixels = {0x00FF0000, 0xFF0000FF, 0x80000000, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00};
    RasterPicture picture(3, 2, pixels);
    const auto bmp = WicPictures().EncodeBmp(picture);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(*bmp, *WriteBmp(3, 2, OverWhite(pixels), BmpDepth::Rgb24));
    EXPECT_EQ(bmp->substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>((*bmp)[28]), 24u);
}

// Left half red, right half blue, so a scaled picture still shows where each went.
RasterPicture TwoColours(int width, int height)
{
    Pixels pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[static_cast<std::size_t>(y) * width + x] = x < width / 2 ? 0xFFFF0000 : 0xFF0000FF;
    return RasterPicture(width, height, std::move(pixels));
}

std::uint32_t Field(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

// The same sizes as the Qt backend's, read back through the system's decoder.
TEST(WicPictures, EncodeFittedBmp32ShrinksIntoTheBoxWith32BitsPerPixel)
{
    const struct {
        int width, height, fittedWidth, fittedHeight;
    } cases[] = {{400, 300, 120, 90}, {100, 50, 100, 50}, {120, 120, 120, 120}, {300, 600, 60, 120}};
    testing::TempDir dir;
    WicPictures pictures;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        const auto bmp = pictures.EncodeFittedBmp32(TwoColours(c.width, c.height), 120, 120);
        ASSERT_TRUE(bmp);
        const std::size_t pixelBytes = static_cast<std::size_t>(c.fittedWidth) * c.fittedHeight * 4;
        ASSERT_EQ(bmp->size(), 54 + pixelBytes);
        EXPECT_EQ(Field(*bmp, 14, 4), 40u);
        EXPECT_EQ(Field(*bmp, 28, 2), 32u);
        EXPECT_EQ(Field(*bmp, 30, 4), 0u);  // BI_RGB

        WriteBytes(dir.File("fitted.bmp"), *bmp);
        std::string error;
        auto back = std::dynamic_pointer_cast<const RasterPicture>(pictures.Load(dir.File("fitted.bmp"), error));
        ASSERT_TRUE(back) << error;
        ASSERT_EQ(back->Width(), c.fittedWidth);
        ASSERT_EQ(back->Height(), c.fittedHeight);
        const auto at = [&](int x, int y) { return back->Pixels()[static_cast<std::size_t>(y) * c.fittedWidth + x]; };
        EXPECT_EQ(at(0, c.fittedHeight / 2), 0xFFFF0000u);
        EXPECT_EQ(at(c.fittedWidth - 1, 0), 0xFF0000FFu);
    }
}

TEST(WicPictures, EncodeFittedBmp32LaysSeeThroughPixelsOverWhite)
{
    const auto bmp = WicPictures().EncodeFittedBmp32(RasterPicture(2, 1, {0x00000000, 0xFF008000}), 120, 120);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->substr(54), std::string("\xff\xff\xff\xff" "\x00\x80\x00\xff", 8));
}

}  // namespace
}  // namespace pelmora
