#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::sysprops {

// What the General page takes from oeminfo.ini.
struct OemInfo {
    std::string manufacturer;
    std::string model;
    std::vector<std::string> supportLines;  // line1, line2, ... up to the first one missing

    bool operator==(const OemInfo&) const = default;
};

// Reads the file the way the platform does, forgivingly: sections and keys in any letter case,
// blanks around them, CR LF or LF line ends, ';' comments, either layout. The first of a
// repeated key counts; manufacturer and model lose surrounding blanks, support lines keep theirs.
// Text is in the system's ANSI code page (`codePage`) unless the file starts with a byte-order
// mark: UTF-8, or UTF-16 in either byte order, as the platform's profile functions read Unicode
// files. No "[GENERAL]" section: no OEM block at all.
std::optional<OemInfo> ParseOemInfo(std::string_view bytes, unsigned codePage = 1252);

// The profile functions of the Windows versions that show oeminfo.ini ignore what lies beyond
// the first 64 KiB of a file (the documented limit of an initialization file); the reader
// takes no more either, however large the file.
inline constexpr std::size_t kOemInfoReadBytes = 64 * 1024;

// Nothing when the file is missing, is no regular file (a pipe is not waited on) or cannot be
// read. Only ever reads, and at most kOemInfoReadBytes.
std::optional<OemInfo> ReadOemInfo(const std::filesystem::path& file, unsigned codePage = 1252);

}  // namespace pelmora::sysprops
