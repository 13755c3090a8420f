#include "platform/PictureCheck.h"

#include <algorithm>
#include <cstdlib>

namespace pelmora::picturecheck {

namespace {

constexpr std::size_t kFileHeader = 14;

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

struct BmpHeader {
    std::uint32_t size = 0;  // of the info header
    std::int64_t width = 0;
    std::int64_t height = 0;  // negative: rows top down
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t coloursUsed = 0;
};

// The run-length codes from `at` reach their end: the end-of-bitmap code, or an end of line for
// every row. Nothing is decoded.
bool RunsEnd(std::string_view bytes, std::size_t at, std::int64_t rows, bool fourBits)
{
    std::int64_t row = 0;
    while (row < rows) {
        if (bytes.size() - at < 2)
            return false;
        const std::uint32_t count = static_cast<unsigned char>(bytes[at]);
        const std::uint32_t code = static_cast<unsigned char>(bytes[at + 1]);
        at += 2;
        if (count != 0 || code == 0) {
            row += count == 0;  // a run, or an end of line
        } else if (code == 1) {
            return true;
        } else if (code == 2) {  // a jump right and down
            if (bytes.size() - at < 2)
                return false;
            row += static_cast<unsigned char>(bytes[at + 1]);
            at += 2;
        } else {  // `code` pixels as they are, padded to whole words
            std::size_t length = fourBits ? (code + 1) / 2 : code;
            length += length & 1;
            if (bytes.size() - at < length)
                return false;
            at += length;
        }
    }
    return true;
}

}  // namespace

PictureCheck CheckBmp(std::string_view bytes)
{
    PictureCheck check;
    check.format = PictureFormat::Bmp;
    if (bytes.size() < kFileHeader + 16) {
        check.problem = EndsEarly(bytes.size());
        return check;
    }
    BmpHeader header;
    header.size = Le32(bytes, kFileHeader);
    const bool core = header.size == 12;
    if (!core && (header.size < 40 || header.size > 124)) {
        check.problem = Broken("a BMP header of unknown size");
        return check;
    }
    if (bytes.size() < kFileHeader + header.size) {
        check.problem = EndsEarly(bytes.size(), kFileHeader + header.size);
        return check;
    }
    if (core) {
        header.width = static_cast<std::int16_t>(Le16(bytes, 18));
        header.height = static_cast<std::int16_t>(Le16(bytes, 20));
        header.bitCount = Le16(bytes, 24);
    } else {
        header.width = static_cast<std::int32_t>(Le32(bytes, 18));
        header.height = static_cast<std::int32_t>(Le32(bytes, 22));
        header.bitCount = Le16(bytes, 28);
        header.compression = Le32(bytes, 30);
        header.coloursUsed = Le32(bytes, 46);
    }
    check.width = header.width;
    check.height = std::llabs(header.height);

    const std::uint32_t bits = header.bitCount;
    const std::uint32_t compression = header.compression;
    const bool rle = (compression == kRle8 && bits == 8) || (compression == kRle4 && bits == 4);
    const bool rows = compression == kRgb || compression == kBitFields || compression == kAlphaBitFields;
    if (!(bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32) || !(rle || rows)) {
        check.problem = Broken("a kind of BMP that is not read");
        return check;
    }
    if (bits <= 8 && header.coloursUsed > 256) {
        check.problem = Broken("a BMP colour table of more than 256 colours");
        return check;
    }
    if (check.width <= 0 || check.height <= 0 || check.width * check.height > kMaxPicturePixels)
        return check;  // CheckPicture says why

    // The pixels start after the masks and the colour table, or where the file header says.
    std::uint64_t start = kFileHeader + header.size;
    if (header.size == 40 && compression == kBitFields)
        start += 12;
    if (header.size == 40 && compression == kAlphaBitFields)
        start += 16;
    if (bits <= 8)
        start += std::uint64_t{header.coloursUsed != 0 ? header.coloursUsed : 1u << bits} * (core ? 3 : 4);
    start = std::max<std::uint64_t>(start, Le32(bytes, 10));

    if (rle) {
        if (start > bytes.size() || !RunsEnd(bytes, static_cast<std::size_t>(start), check.height, bits == 4))
            check.problem = EndsEarly(bytes.size());
        return check;
    }
    const std::uint64_t stride = (static_cast<std::uint64_t>(check.width) * bits + 31) / 32 * 4;
    const std::uint64_t needed = start + stride * static_cast<std::uint64_t>(check.height);
    if (needed > bytes.size())
        check.problem = EndsEarly(bytes.size(), needed);
    return check;
}

}  // namespace pelmora::picturecheck
