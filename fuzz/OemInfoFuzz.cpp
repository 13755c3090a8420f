// The System Properties stand-in's oeminfo.ini reader: any bytes parse without harm, and what
// the program's writers write (the input split into the file's fields at 0x1F bytes) reads
// back as the fields, whole, from the file as written (ANSI or UTF-16LE) and from the same text
// in UTF-16.
#include "FuzzCheck.h"

#include "OemInfoFile.h"
#include "branding/BrandingFields.h"
#include "oem/OemInfoLayout.h"
#include "oem/TextRefusal.h"

#include <QString>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace pelmora;

std::string Trimmed(std::string_view value)
{
    std::string text(value);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back()))
        text.pop_back();
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    return text;
}

std::string Utf16Marked(const std::string& utf8)
{
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    std::string bytes = "\xFF\xFE";
    for (const QChar unit : text) {
        bytes += static_cast<char>(unit.unicode() & 0xFF);
        bytes += static_cast<char>(unit.unicode() >> 8);
    }
    return bytes;
}

// The fields oeminfo.ini holds, in the table's order, cut from the input.
SupportInfo Fields(std::string_view text)
{
    SupportInfo info;
    std::size_t start = 0;
    for (const BrandingField& field : kBrandingFields) {
        if (field.infoLine == nullptr || start > text.size())
            continue;
        const std::size_t end = std::min(text.find('\x1f', start), text.size());
        info.*field.member = std::string(text.substr(start, end - start));
        start = end + 1;
    }
    return info;
}

void CheckFullLayout(const SupportInfo& info)
{
    const auto read = sysprops::ParseOemInfo(FullLayoutBytes(info, 1252));
    PELMORA_FUZZ_CHECK(read.has_value());
    PELMORA_FUZZ_CHECK(read->manufacturer == Trimmed(info.Manufacturer));
    PELMORA_FUZZ_CHECK(read->model == Trimmed(info.Model));

    // Each support line is its label, as written with no value, followed by the value.
    const auto labels = sysprops::ParseOemInfo(FullLayoutBytes(SupportInfo{}, 1252));
    PELMORA_FUZZ_CHECK(read->supportLines.size() == 15 && labels->supportLines.size() == 15);
    std::vector<std::string> expected = labels->supportLines;
    for (const BrandingField& field : kBrandingFields) {
        const std::string_view line = field.infoLine ? field.infoLine : "";
        if (line.rfind("line", 0) == 0)  // "lineN": the Nth support line
            expected[std::stoul(std::string(line.substr(4))) - 1] += info.*field.member;
    }
    PELMORA_FUZZ_CHECK(read->supportLines == expected);

    PELMORA_FUZZ_CHECK(sysprops::ParseOemInfo(Utf16Marked(FullLayoutText(info))) == read);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::Text(data, size);
    sysprops::ParseOemInfo(text);

    const SupportInfo info = Fields(text);
    if (FieldWithLineBreak(info) || RefuseBrokenText(info))
        return 0;  // the commands refuse it
    CheckFullLayout(info);
    const auto shortRead = sysprops::ParseOemInfo(ShortLayoutBytes(info.Manufacturer, info.Model, 1252));
    PELMORA_FUZZ_CHECK(shortRead.has_value());
    PELMORA_FUZZ_CHECK(shortRead->manufacturer == Trimmed(info.Manufacturer));
    PELMORA_FUZZ_CHECK(shortRead->model == Trimmed(info.Model));
    PELMORA_FUZZ_CHECK(shortRead->supportLines.empty());
    return 0;
}
