#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pelmora::cli {

// The one of `names` that `typed` is most likely a mistyping of (at most two letters added,
// dropped, changed or swapped; fewer for short words), or empty when none is that near.
std::string NearestName(std::string_view typed, std::span<const std::string_view> names);

}  // namespace pelmora::cli
