#include "branding/FactoryRecord.h"

#include "platform/AnsiText.h"

#include <sstream>

namespace pelmora {

namespace {

// Records of version 1 held names and text in the system's ANSI code page; version 2 holds UTF-8.
constexpr std::string_view kHeading = "Pelmora factory branding 2";
constexpr std::string_view kAnsiHeading = "Pelmora factory branding 1";

bool IsText(std::uint32_t type) { return type == kRegSz || type == kRegExpandSz || type == 7; }

std::string Hex(std::string_view bytes)
{
    if (bytes.empty())
        return "-";
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        out += kDigits[static_cast<unsigned char>(c) >> 4];
        out += kDigits[static_cast<unsigned char>(c) & 0xF];
    }
    return out;
}

int Digit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<std::string> Unhex(const std::string& text)
{
    if (text == "-")
        return std::string();
    if (text.empty() || text.size() % 2 != 0)
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = Digit(text[i]);
        const int low = Digit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
    }
    return out;
}

// One line's words; false when the count differs.
bool Words(const std::string& line, std::vector<std::string>& words, std::size_t count)
{
    std::istringstream in(line);
    words.clear();
    for (std::string word; in >> word;)
        words.push_back(word);
    return words.size() == count;
}

bool ParseLine(const std::string& line, FactoryRecord& record, bool& sawKey, bool ansi)
{
    std::vector<std::string> words;
    if (line.rfind("file ", 0) == 0) {
        if (!Words(line, words, 3) || (words[2] != "saved" && words[2] != "absent") || record.files.count(words[1]))
            return false;
        record.files[words[1]] = words[2] == "saved";
        return true;
    }
    if (line.rfind("key ", 0) == 0) {
        if (sawKey || !Words(line, words, 2) || (words[1] != "present" && words[1] != "absent"))
            return false;
        sawKey = true;
        record.keyExisted = words[1] == "present";
        return true;
    }
    if (line.rfind("value ", 0) == 0) {
        if (!Words(line, words, 4) || words[1].find_first_not_of("0123456789") != std::string::npos ||
            words[1].size() > 10)
            return false;
        const auto name = Unhex(words[2]);
        const auto data = Unhex(words[3]);
        const unsigned long long type = std::stoull(words[1]);
        if (!name || !data || type > 0xFFFFFFFFull)
            return false;
        const auto valueType = static_cast<std::uint32_t>(type);
        if (ansi)
            record.values.push_back({DecodeCodePage(*name, SystemCodePage()), valueType,
                                     IsText(valueType) ? DecodeCodePage(*data, SystemCodePage()) : *data});
        else
            record.values.push_back({*name, valueType, *data});
        return true;
    }
    return false;
}

}  // namespace

std::string FactoryRecordText(const FactoryRecord& record)
{
    std::string text = std::string(kHeading) + "\n";
    for (const auto& [role, saved] : record.files)
        text += "file " + role + (saved ? " saved\n" : " absent\n");
    text += record.keyExisted ? "key present\n" : "key absent\n";
    for (const RegValueEntry& value : record.values)
        text += "value " + std::to_string(value.type) + " " + Hex(value.name) + " " + Hex(value.data) + "\n";
    return text;
}

std::optional<FactoryRecord> ParseFactoryRecord(std::string_view text, std::string& error)
{
    FactoryRecord record;
    bool sawKey = false;
    bool ansi = false;
    std::size_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        start = end == std::string_view::npos ? text.size() : end + 1;
        ++number;
        if (number == 1)
            ansi = line == kAnsiHeading;
        const bool fits = number == 1 ? line == kHeading || ansi : ParseLine(line, record, sawKey, ansi);
        if (!fits) {
            error = "line " + std::to_string(number) + " is not part of a factory record";
            return std::nullopt;
        }
    }
    if (number == 0 || !sawKey) {
        error = "the record is incomplete";
        return std::nullopt;
    }
    return record;
}

}  // namespace pelmora
