#include "oem/OemInfoLayout.h"

#include "oem/OemInfoEncoding.h"

#include <initializer_list>
#include <utility>

namespace pelmora {

namespace {

std::string Blanks(std::size_t count) { return std::string(count, ' '); }

// A support line's label: ">>", seven blanks, the caption, then the blanks that line the values up.
std::string Label(std::string_view caption, std::size_t trailingBlanks)
{
    return ">>" + Blanks(7) + std::string(caption) + Blanks(trailingBlanks);
}

// The general section both layouts start with, followed by the given lines.
std::string Lines(std::string_view manufacturer, std::string_view model, std::initializer_list<std::string> rest)
{
    std::string text = "[GENERAL]\r\nMANUFACTURER=" + std::string(manufacturer) + "\r\nMODEL=" +
                       std::string(model) + "\r\n";
    for (const std::string& line : rest)
        text += line + "\r\n";
    return text;
}

}  // namespace

std::string FullLayoutText(const SupportInfo& info)
{
    const std::string banner = Blanks(26) + std::string(18, '-') + " WEL COME" + Blanks(3) + std::string(18, '-');
    return Lines(info.Manufacturer, info.Model, {
        "",
        "",
        "[SUPPORT INFORMATION]",
        "line1=" + banner,
        "line2=",
        "line3=" + Label("web site:", 17) + info.WebAddress,
        "line4=" + Label("E-mail:", 21) + info.EMail,
        "line5=" + Label("PostalAddress:", 7) + info.PostalAddress,
        "line6=" + Label("Address2:", 15) + info.Address2,
        "line7=" + Label("Telephone:", 13) + info.Telephone,
        "line8=" + Label("Fax:", 24) + info.Fax,
        "line9=",
        "line10=",
        "line11=>>" + Blanks(6) + info.Owner,
        "line12=>>" + Blanks(6) + info.Company,
        "line13= >>" + Blanks(6) + info.Date,
        "line14=",
        "line15= >>" + Blanks(25) + "-----THANK YOU-----",
    });
}

std::string ShortLayoutText(std::string_view manufacturer, std::string_view model)
{
    return Lines(manufacturer, model, {""});
}

std::string FullLayoutBytes(const SupportInfo& info, unsigned codePage)
{
    return OemInfoFileBytes(FullLayoutText(info), codePage);
}

std::string ShortLayoutBytes(std::string_view manufacturer, std::string_view model, unsigned codePage)
{
    return OemInfoFileBytes(ShortLayoutText(manufacturer, model), codePage);
}

bool HasLineBreak(std::string_view value) { return value.find_first_of("\r\n") != std::string_view::npos; }

std::optional<std::string> FieldWithLineBreak(const SupportInfo& info)
{
    if (auto field = FirstFieldWhere(info, HasLineBreak))
        return field->name;
    return std::nullopt;
}

std::optional<NamedField> FirstFieldWhere(const SupportInfo& info, bool (*test)(std::string_view value))
{
    const std::pair<const char*, const std::string*> fields[] = {
        {"Manufacturer", &info.Manufacturer}, {"Model", &info.Model},
        {"Web Address", &info.WebAddress},    {"E-Mail", &info.EMail},
        {"Postal Address", &info.PostalAddress}, {"Address2", &info.Address2},
        {"Telephone", &info.Telephone},       {"Fax", &info.Fax},
        {"Owner", &info.Owner},               {"Company", &info.Company},
        {"Date", &info.Date},
    };
    for (const auto& [name, value] : fields) {
        if (test(*value))
            return NamedField{name, *value};
    }
    return std::nullopt;
}

std::optional<std::string> FieldWithLineBreak(std::string_view manufacturer, std::string_view model)
{
    SupportInfo info;
    info.Manufacturer = manufacturer;
    info.Model = model;
    return FieldWithLineBreak(info);
}

}  // namespace pelmora
