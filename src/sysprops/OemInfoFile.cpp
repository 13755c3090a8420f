#include "OemInfoFile.h"

#include "oem/OemInfoEncoding.h"
#include "platform/RegularFile.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace pelmora::sysprops {

namespace {

using Section = std::map<std::string, std::string>;  // lower-case key to value

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Sections by lower-case name. A line's value is kept as written after the '=', blanks
// included: the support lines use them to lay themselves out. Manufacturer and model are
// trimmed where they are taken.
std::map<std::string, Section> ParseSections(std::string_view text)
{
    std::map<std::string, Section> sections;
    Section* current = nullptr;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        std::string_view trimmed = TrimBlanks(line);
        if (trimmed.empty() || trimmed.front() == ';')
            continue;
        if (trimmed.front() == '[') {
            std::size_t close = trimmed.find(']');
            current = close == std::string_view::npos
                          ? nullptr
                          : &sections[Lower(TrimBlanks(trimmed.substr(1, close - 1)))];
            continue;
        }
        std::size_t equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos)
            continue;
        current->emplace(Lower(TrimBlanks(line.substr(0, equals))), std::string(line.substr(equals + 1)));
    }
    return sections;
}

std::string Value(const Section& section, const std::string& key)
{
    auto found = section.find(key);
    return found != section.end() ? found->second : std::string();
}

}  // namespace

std::optional<OemInfo> ParseOemInfo(std::string_view bytes, unsigned codePage)
{
    std::string text = OemInfoFileText(bytes, codePage);
    auto sections = ParseSections(text);
    auto general = sections.find("general");
    if (general == sections.end())
        return std::nullopt;

    OemInfo info;
    info.manufacturer = std::string(TrimBlanks(Value(general->second, "manufacturer")));
    info.model = std::string(TrimBlanks(Value(general->second, "model")));
    auto support = sections.find("support information");
    if (support != sections.end()) {
        for (int n = 1;; ++n) {
            auto line = support->second.find("line" + std::to_string(n));
            if (line == support->second.end())
                break;
            info.supportLines.push_back(line->second);
        }
    }
    return info;
}

std::optional<OemInfo> ReadOemInfo(const std::filesystem::path& file, unsigned codePage)
{
    const RegularFileRead read = ReadRegularFile(file.string(), kOemInfoReadBytes);
    if (!read.status)
        return std::nullopt;
    return ParseOemInfo(read.bytes, codePage);
}

}  // namespace pelmora::sysprops
