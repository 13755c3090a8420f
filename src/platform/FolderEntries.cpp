#include "platform/FolderEntries.h"

#include <algorithm>
#include <system_error>

namespace pelmora {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8FromPath(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    if (folder.back() == kSeparator || folder.back() == '/')
        return folder + name;
    return folder + kSeparator + name;
}

std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, const std::string& name)
{
    std::error_code error;
    if (std::filesystem::exists(PathFromUtf8(JoinPath(folder, name)), error))
        return JoinPath(folder, name);
    for (std::filesystem::directory_iterator it(PathFromUtf8(folder), error), end; !error && it != end;
         it.increment(error)) {
        const std::string entry = Utf8FromPath(it->path().filename());
        if (SameIgnoringAsciiCase(entry, name))
            return JoinPath(folder, entry);
    }
    return std::nullopt;
}

std::string EntryIgnoringCase(const std::string& folder, const std::string& name)
{
    return FindEntryIgnoringCase(folder, name).value_or(JoinPath(folder, name));
}

}  // namespace pelmora
