#pragma once

#include "oem/SupportInfo.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The text of oeminfo.ini (UTF-8), built from the input alone: each line ended by CR LF, values
// exactly as given.
std::string FullLayoutText(const SupportInfo& info);
std::string ShortLayoutText(std::string_view manufacturer, std::string_view model);

// The file's bytes for a system of the given ANSI code page (OemInfoFileBytes): that code page,
// no byte-order mark, when every character fits.
std::string FullLayoutBytes(const SupportInfo& info, unsigned codePage);
std::string ShortLayoutBytes(std::string_view manufacturer, std::string_view model, unsigned codePage);

// A value with CR or LF would start a line or a section of its own in the file.
bool HasLineBreak(std::string_view value);

// The name of the first field holding a line break, for the message that refuses it.
std::optional<std::string> FieldWithLineBreak(const SupportInfo& info);
// The first field whose value passes `test`, with the name the messages give it.
struct NamedField {
    std::string name;
    std::string value;
};
std::optional<NamedField> FirstFieldWhere(const SupportInfo& info, bool (*test)(std::string_view value));
std::optional<std::string> FieldWithLineBreak(std::string_view manufacturer, std::string_view model);

}  // namespace pelmora
