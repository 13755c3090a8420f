#pragma once

#include "oem/SupportInfo.h"

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Text is kept whole everywhere it is stored; where a place cannot hold a character, the command
// refuses before writing anything instead of storing a '?'.

// The stop message: names the field, the character (its UTF-8, or one byte that is no text) and
// the place.
std::string CannotHoldMessage(std::string_view field, std::string_view character, std::string_view place);

// A value that is not valid UTF-8 (a name or argument in another encoding) has no UTF-16 form, so
// neither the registry nor oeminfo.ini holds it whole: the message for the first such field.
std::optional<std::string> RefuseBrokenText(const SupportInfo& info);
std::optional<std::string> RefuseBrokenText(std::string_view field, std::string_view value);

}  // namespace pelmora
