#include "platform/PictureCheck.h"

#include <algorithm>

namespace pelmora {

namespace picturecheck {

namespace {

std::uint32_t Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

}  // namespace

std::uint32_t Le16(std::string_view bytes, std::size_t at) { return Byte(bytes, at) | Byte(bytes, at + 1) << 8; }
std::uint32_t Le32(std::string_view bytes, std::size_t at) { return Le16(bytes, at) | Le16(bytes, at + 2) << 16; }
std::uint32_t Be16(std::string_view bytes, std::size_t at) { return Byte(bytes, at) << 8 | Byte(bytes, at + 1); }
std::uint32_t Be32(std::string_view bytes, std::size_t at) { return Be16(bytes, at) << 16 | Be16(bytes, at + 2); }

std::string EndsEarly(std::size_t size)
{
    return "its data ends early (the file stops after " + std::to_string(size) + " bytes, before the picture's end)";
}

std::string EndsEarly(std::size_t size, std::uint64_t needed)
{
    return "its data ends early (the file has " + std::to_string(size) + " of the " + std::to_string(needed) +
           " bytes its header declares)";
}

std::string Broken(std::string_view what) { return "it is no readable picture (" + std::string(what) + ")"; }

// A GIF's data sub-blocks, each a length byte and that many bytes, up to an empty one; the
// position after it, or 0 when the file stops first.
std::size_t SkipSubBlocks(std::string_view bytes, std::size_t at)
{
    while (at < bytes.size()) {
        const std::size_t length = Byte(bytes, at);
        at += 1 + length;
        if (length == 0)
            return at;
    }
    return 0;
}

PictureCheck CheckPng(std::string_view bytes)
{
    PictureCheck check;
    check.format = PictureFormat::Png;
    constexpr std::size_t kSignature = 8;
    if (bytes.size() < kSignature + 8 + 13 || bytes.substr(kSignature + 4, 4) != "IHDR" ||
        Be32(bytes, kSignature) != 13) {
        check.problem = bytes.size() < kSignature + 8 + 13 ? EndsEarly(bytes.size()) : Broken("no PNG header");
        return check;
    }
    check.width = Be32(bytes, 16);
    check.height = Be32(bytes, 20);
    std::size_t at = kSignature;
    for (;;) {
        if (bytes.size() - at < 12) {
            check.problem = EndsEarly(bytes.size());
            return check;
        }
        const std::uint64_t length = Be32(bytes, at);
        if (length > 0x7FFFFFFFu) {
            check.problem = Broken("a PNG chunk longer than the format allows");
            return check;
        }
        const bool end = bytes.substr(at + 4, 4) == "IEND";
        if (bytes.size() - at - 12 < length) {
            check.problem = EndsEarly(bytes.size());
            return check;
        }
        at += 12 + length;
        if (end)
            return check;
    }
}

PictureCheck CheckGif(std::string_view bytes)
{
    PictureCheck check;
    check.format = PictureFormat::Gif;
    constexpr std::size_t kScreen = 13;  // signature and logical screen descriptor
    if (bytes.size() < kScreen) {
        check.problem = EndsEarly(bytes.size());
        return check;
    }
    check.width = Le16(bytes, 6);
    check.height = Le16(bytes, 8);
    const auto colourTable = [](std::uint32_t flags) { return flags & 0x80u ? 3u << ((flags & 7u) + 1) : 0u; };
    std::size_t at = kScreen + colourTable(Byte(bytes, 10));
    while (at < bytes.size()) {
        const std::uint32_t block = Byte(bytes, at);
        if (block == 0x21) {  // extension: a label, then sub-blocks
            at = at + 2 <= bytes.size() ? SkipSubBlocks(bytes, at + 2) : 0;
        } else if (block == 0x2C) {  // image: descriptor, colour table, code size, sub-blocks
            if (bytes.size() - at < 11)
                break;
            check.width = std::max<std::int64_t>(check.width, Le16(bytes, at + 1) + Le16(bytes, at + 5));
            check.height = std::max<std::int64_t>(check.height, Le16(bytes, at + 3) + Le16(bytes, at + 7));
            at += 10 + colourTable(Byte(bytes, at + 9));
            at = at < bytes.size() ? SkipSubBlocks(bytes, at + 1) : 0;
            if (at != 0)
                return check;  // the first image is whole
        } else {
            check.problem = Broken(block == 0x3B ? "a GIF without an image" : "a GIF block of unknown kind");
            return check;
        }
        if (at == 0)
            break;
    }
    check.problem = EndsEarly(bytes.size());
    return check;
}

}  // namespace picturecheck

PictureCheck CheckPicture(std::string_view bytes)
{
    using namespace picturecheck;
    PictureCheck check;
    if (bytes.starts_with("BM"))
        check = CheckBmp(bytes);
    else if (bytes.starts_with("\x89PNG\r\n\x1a\n"))
        check = CheckPng(bytes);
    else if (bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a"))
        check = CheckGif(bytes);
    else if (bytes.starts_with("\xff\xd8\xff"))
        check = CheckJpeg(bytes);
    else
        check.problem = "it is no BMP, PNG, JPEG or GIF picture";
    if (check.problem.empty() && (check.width <= 0 || check.height <= 0))
        check.problem = Broken("a picture of no pixels");
    // Divided, not multiplied: two 32-bit sides of a PNG overflow a product.
    if (check.problem.empty() && check.width > kMaxPicturePixels / check.height)
        check.problem = "it is " + std::to_string(check.width) + " x " + std::to_string(check.height) +
                        " pixels, more than the " + std::to_string(kMaxPicturePixels) + " a logo may have";
    return check;
}

}  // namespace pelmora
