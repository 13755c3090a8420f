#pragma once

#include "oem/SupportInfo.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The bytes of oeminfo.ini, built from the input alone: lines in the ANSI code page, each ended
// by CR LF, no byte-order mark, values exactly as given.
std::string FullLayoutBytes(const SupportInfo& info);
std::string ShortLayoutBytes(std::string_view manufacturer, std::string_view model);

// A value with CR or LF would start a line or a section of its own in the file.
bool HasLineBreak(std::string_view value);

// The name of the first field holding a line break, for the message that refuses it.
std::optional<std::string> FieldWithLineBreak(const SupportInfo& info);
std::optional<std::string> FieldWithLineBreak(std::string_view manufacturer, std::string_view model);

}  // namespace pelmora
