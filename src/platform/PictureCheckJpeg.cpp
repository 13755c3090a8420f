#include "platform/PictureCheck.h"

namespace pelmora::picturecheck {

namespace {

enum Marker : std::uint32_t {
    kStartOfImage = 0xD8,
    kEndOfImage = 0xD9,
    kStartOfScan = 0xDA,
    kRestart0 = 0xD0,
    kRestart7 = 0xD7,
    kTemporary = 0x01,
    kHuffmanTables = 0xC4,
    kArithmeticCoding = 0xCC,
    kFrame0 = 0xC0,
    kFrame15 = 0xCF,
    kReservedFrame = 0xC8,
};

std::uint32_t Byte(std::string_view bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

bool IsFrame(std::uint32_t marker)
{
    return marker >= kFrame0 && marker <= kFrame15 && marker != kHuffmanTables && marker != kReservedFrame &&
           marker != kArithmeticCoding;
}

// The position of the marker that ends the entropy-coded data from `at`: an 0xFF that is not
// a stuffed zero, a restart marker or fill; the size of `bytes` when there is none.
std::size_t EndOfScan(std::string_view bytes, std::size_t at)
{
    for (;;) {
        at = bytes.find('\xff', at);
        if (at == std::string_view::npos || at + 1 >= bytes.size())
            return bytes.size();
        const std::uint32_t next = Byte(bytes, at + 1);
        if (next != 0 && next != 0xFF && !(next >= kRestart0 && next <= kRestart7))
            return at;
        at += 1;
    }
}

}  // namespace

PictureCheck CheckJpeg(std::string_view bytes)
{
    PictureCheck check;
    check.format = PictureFormat::Jpeg;
    std::size_t at = 2;  // after the start-of-image marker
    while (at < bytes.size()) {
        if (Byte(bytes, at) != 0xFF) {
            check.problem = Broken("a JPEG segment that is no marker");
            return check;
        }
        while (at < bytes.size() && Byte(bytes, at) == 0xFF)
            ++at;  // fill bytes
        if (at == bytes.size())
            break;
        const std::uint32_t marker = Byte(bytes, at++);
        if (marker == kEndOfImage)
            return check;
        if (marker == kStartOfImage || marker == 0) {
            check.problem = Broken("a JPEG marker out of place");
            return check;
        }
        if (marker == kTemporary || (marker >= kRestart0 && marker <= kRestart7))
            continue;  // markers without a segment
        if (bytes.size() - at < 2)
            break;
        const std::size_t length = Be16(bytes, at);
        if (length < 2) {
            check.problem = Broken("a JPEG segment shorter than its length field");
            return check;
        }
        if (bytes.size() - at < length)
            break;
        if (IsFrame(marker) && length >= 7) {
            check.height = Be16(bytes, at + 3);
            check.width = Be16(bytes, at + 5);
        }
        at += length;
        if (marker == kStartOfScan)
            at = EndOfScan(bytes, at);
    }
    check.problem = EndsEarly(bytes.size());
    return check;
}

}  // namespace pelmora::picturecheck
