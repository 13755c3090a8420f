#pragma once

#include "controls/ButtonFields.h"

#include <string>
#include <string_view>

namespace pelmora {

// The access key a caption marks with "&", lower case, or "" for none. "&&" is a literal
// ampersand; the search gives up after a second escaped pair. Characters are UTF-8 sequences.
std::string AccessKeyOf(std::string_view caption);

// Sets the surface's access keys from the caption (at most one key).
void UpdateAccessKey(const std::string& caption, ButtonSurface& surface);

}  // namespace pelmora
