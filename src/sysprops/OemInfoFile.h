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
// Text is in the ANSI code page unless the file starts with a UTF-8 mark.
// No "[GENERAL]" section: no OEM block at all.
std::optional<OemInfo> ParseOemInfo(std::string_view bytes);

// Nothing when the file is missing or unreadable. Only ever reads.
std::optional<OemInfo> ReadOemInfo(const std::filesystem::path& file);

}  // namespace pelmora::sysprops
