#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

enum class PictureFormat { Unknown, Bmp, Png, Jpeg, Gif };

// What a picture file's own structure says before any decoder runs: its format, the size its
// headers declare, and why it must not be decoded. Decoders fill a picture whose data ends early
// with black or grey and call it a success; here the data must reach the end the format marks:
//   BMP   the rows the header declares (uncompressed), or the end-of-bitmap code (run-length);
//   PNG   the IEND chunk, each chunk whole;
//   GIF   the end of the first image's data, the frame a logo is taken from;
//   JPEG  the end-of-image marker.
struct PictureCheck {
    PictureFormat format = PictureFormat::Unknown;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::string problem;  // empty when the picture may be decoded; otherwise a phrase saying why not
};

// Decoded pictures are bounded: a logo is some hundred pixels wide, and a small file can declare
// a picture of gigabytes. 4096 x 4096 is 64 MiB at 32 bits a pixel.
inline constexpr std::int64_t kMaxPicturePixels = 4096 * 4096;
// No picture within that bound needs a bigger file: its pixels plus room for headers and tables.
inline constexpr std::size_t kMaxPictureFileBytes = std::size_t{65} << 20;

PictureCheck CheckPicture(std::string_view bytes);

// The checks of each format, for CheckPicture; `bytes` start with the format's signature.
namespace picturecheck {

PictureCheck CheckBmp(std::string_view bytes);
PictureCheck CheckPng(std::string_view bytes);
PictureCheck CheckGif(std::string_view bytes);
PictureCheck CheckJpeg(std::string_view bytes);

// Little- and big-endian numbers at `at`; the caller has made sure the bytes are there.
std::uint32_t Le16(std::string_view bytes, std::size_t at);
std::uint32_t Le32(std::string_view bytes, std::size_t at);
std::uint32_t Be16(std::string_view bytes, std::size_t at);
std::uint32_t Be32(std::string_view bytes, std::size_t at);

// The problem texts, so every format says it alike.
std::string EndsEarly(std::size_t size);
std::string EndsEarly(std::size_t size, std::uint64_t needed);
std::string Broken(std::string_view what);

}  // namespace picturecheck

}  // namespace pelmora
