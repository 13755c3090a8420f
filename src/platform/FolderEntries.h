#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// Paths are UTF-8 text in memory; these convert at std::filesystem's boundary on every platform.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string Utf8FromPath(const std::filesystem::path& path);

// `folder` and `name` joined with the platform's separator ("\" on Windows, "/" elsewhere).
std::string JoinPath(const std::string& folder, const std::string& name);

// The path of the entry of `folder` named `name` without regard to ASCII letter case (an exact
// match first), as Windows finds it; none when there is no such entry. A mounted Windows
// installation keeps whatever case its folders were created with.
std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, const std::string& name);

// The entry found by FindEntryIgnoringCase, else `name` joined to `folder` as it stands.
std::string EntryIgnoringCase(const std::string& folder, const std::string& name);

}  // namespace pelmora
