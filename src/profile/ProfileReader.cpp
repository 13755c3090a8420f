#include "profile/ProfileReader.h"

#include "branding/Utf16.h"
#include "oem/FailureReport.h"
#include "oem/OemInfoLayout.h"
#include "platform/FolderEntries.h"
#include "profile/ProfileFields.h"

#include <nlohmann/json.hpp>

#include <set>
#include <system_error>

namespace pelmora {

namespace {

using Json = nlohmann::json;

std::string KeyList()
{
    std::string keys = kVersionKey;
    for (const ProfileField& field : kProfileFields)
        keys += std::string(", ") + field.profileKey;
    return keys + ", " + kLogoKey;
}

// What the commands would refuse in a value, or what the store would not keep as given.
std::optional<std::string> TextProblem(const ProfileField* field, const std::string& text)
{
    if (HasLineBreak(text))
        return "holds a line break, which the OEM information file cannot hold";
    if (text.find('\0') != std::string::npos)
        return "holds a NUL character, where the stored value would end";
    if (field != nullptr && field->oemValue) {
        const std::size_t length = Utf16FromUtf8(text).size();
        const std::size_t limit = field->limit;
        if (length > limit)
            return "is " + std::to_string(length) + " characters long; Windows takes at most " +
                   std::to_string(limit) + " for " + OemValueName(*field->oemValue);
    }
    return std::nullopt;
}

std::string ParseMessage(const Json::parse_error& error)
{
    // Without the library's "[json.exception.parse_error.101] " in front.
    std::string text = error.what();
    if (const auto end = text.find("] "); text.rfind("[json.exception", 0) == 0 && end != std::string::npos)
        text.erase(0, end + 2);
    return text;
}

std::string ResolveLogo(const std::string& logo, const std::string& folder)
{
    std::filesystem::path path = PathFromUtf8(logo);
    if (!path.is_absolute())
        path = PathFromUtf8(folder) / path;
    return Utf8FromPath(path.lexically_normal());
}

class Parser {
public:
    Parser(ProfileRead& read, const std::string& folder) : m_Read(read), m_Folder(folder) {}

    void Take(const Json& object)
    {
        for (const auto& [key, value] : object.items())
            TakeKey(key, value);
        for (const char* required : {"manufacturer", "model"}) {
            if (!object.contains(required))
                Problem(required, "missing; Apply OEM Information needs it");
        }
    }

    void Problem(const std::string& key, const std::string& text) { m_Read.problems.push_back(key + ": " + text); }

    BrandingProfile profile;

private:
    void TakeKey(const std::string& key, const Json& value)
    {
        if (key == kVersionKey)
            TakeVersion(value);
        else if (key == kLogoKey)
            TakeLogo(value);
        else if (const ProfileField* field = FindProfileField(key))
            TakeText(*field, value);
        else
            Problem(key, "not a profile key (the keys are " + KeyList() + ")");
    }

    void TakeVersion(const Json& value)
    {
        if (!value.is_number_integer() || value.get<long long>() != kProfileVersion)
            Problem(kVersionKey, value.dump() + " is not a profile version this program reads (" +
                                     std::to_string(kProfileVersion) + ")");
    }

    void TakeLogo(const Json& value)
    {
        if (value.is_null())
            return;
        if (!value.is_string()) {
            Problem(kLogoKey, std::string("must be a file name or null, not ") + value.type_name());
            return;
        }
        const std::string& name = value.get_ref<const std::string&>();
        if (name.empty()) {
            Problem(kLogoKey, "is empty; null means no logo");
            return;
        }
        if (const auto problem = TextProblem(nullptr, name)) {
            Problem(kLogoKey, *problem);
            return;
        }
        profile.logo = ResolveLogo(name, m_Folder);
    }

    void TakeText(const ProfileField& field, const Json& value)
    {
        if (!value.is_string()) {
            Problem(field.profileKey, std::string("must be text, not ") + value.type_name());
            return;
        }
        const std::string& text = value.get_ref<const std::string&>();
        if (const auto problem = TextProblem(&field, text))
            Problem(field.profileKey, *problem);
        else if (text.empty() && IsMainWindowField(field))
            Problem(field.profileKey, "is empty; Apply OEM Information refuses an empty one");
        profile.info.*field.member = text;
    }

    ProfileRead& m_Read;
    const std::string& m_Folder;
};

}  // namespace

ProfileRead ParseProfile(std::string_view text, const std::string& folder)
{
    ProfileRead read;
    if (text.size() >= 2 && ((text[0] == '\xff' && text[1] == '\xfe') || (text[0] == '\xfe' && text[1] == '\xff'))) {
        read.problems.push_back("the profile is UTF-16 text; save it as UTF-8");
        return read;
    }
    // The library keeps the last of two equal keys; a profile saying two things is refused.
    std::set<std::string> keys;
    std::set<std::string> repeated;
    const Json::parser_callback_t noteKeys = [&](int depth, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::key && depth == 1 && !keys.insert(parsed.get<std::string>()).second)
            repeated.insert(parsed.get<std::string>());
        return true;
    };
    Json object;
    try {
        object = Json::parse(text, noteKeys);
    } catch (const Json::parse_error& error) {
        read.problems.push_back("the profile is not JSON: " + ParseMessage(error));
        return read;
    }
    if (!object.is_object()) {
        read.problems.push_back(std::string("the profile must be one JSON object, not ") + object.type_name());
        return read;
    }
    Parser parser(read, folder);
    for (const std::string& key : repeated)
        parser.Problem(key, "given more than once");
    parser.Take(object);
    if (read.problems.empty())
        read.profile = std::move(parser.profile);
    return read;
}

ProfileRead ReadProfile(FilePort& files, PicturePort& pictures, const std::string& path)
{
    std::string text;
    if (const Status status = files.ReadFile(path, kProfileFileLimit, text); !status) {
        ProfileRead read;
        read.problems.push_back("the profile could not be read: " + Why(status));
        return read;
    }
    const std::string full = FullPathOf(path);
    ProfileRead read = ParseProfile(text, Utf8FromPath(PathFromUtf8(full).parent_path()));
    if (!read.profile || !read.profile->logo)
        return read;
    std::string why;
    read.logoPicture = pictures.Load(*read.profile->logo, why);
    if (!read.logoPicture) {
        read.problems.push_back(std::string(kLogoKey) + ": " + *read.profile->logo + " could not be loaded: " + Why(why));
        read.profile.reset();
    }
    return read;
}

std::string FullPathOf(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(PathFromUtf8(path), error);
    return Utf8FromPath(error ? PathFromUtf8(path) : full.lexically_normal());
}

}  // namespace pelmora
