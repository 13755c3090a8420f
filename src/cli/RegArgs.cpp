#include "RegArgs.h"

#include "CliArgs.h"
#include "RegFormat.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace pelmora::cli {

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

struct RootName {
    std::string_view shortName;
    std::string_view longName;
    RegRoot root;
};

constexpr RootName kRoots[] = {
    {"hklm", "HKEY_LOCAL_MACHINE", RegRoot::LocalMachine},
    {"hkcu", "HKEY_CURRENT_USER", RegRoot::CurrentUser},
};

RegVerb ParseVerb(const std::string& text)
{
    const std::string verb = Lower(text);
    if (verb == "query")
        return RegVerb::Query;
    if (verb == "add")
        return RegVerb::Add;
    if (verb == "delete")
        return RegVerb::Delete;
    throw UsageError("unknown reg command " + text + " (query, add or delete)");
}

// Which switches each verb takes.
bool Allows(RegVerb verb, std::string_view name)
{
    if (name == "v" || name == "ve")
        return true;
    if (name == "f")
        return verb != RegVerb::Query;
    if (name == "t" || name == "d")
        return verb == RegVerb::Add;
    return false;
}

class SwitchReader {
public:
    SwitchReader(std::span<const std::string> args, RegVerb verb) : m_Args(args), m_Verb(verb) {}

    void ReadInto(RegRequest& request)
    {
        std::optional<std::string> typeName;
        std::optional<std::string> data;
        bool emptyName = false;
        for (m_Next = 0; m_Next < m_Args.size();) {
            const std::string& arg = m_Args[m_Next++];
            const std::string name = SwitchName(arg);
            if (name == "v")
                Store(request.valueName, arg);
            else if (name == "ve")
                emptyName = Flag(emptyName, arg);
            else if (name == "t")
                Store(typeName, arg);
            else if (name == "d")
                Store(data, arg);
            else if (name == "f")
                request.force = Flag(request.force, arg);
        }
        if (emptyName) {
            if (request.valueName)
                throw UsageError("/v and /ve cannot be given together");
            request.valueName = std::string();
        }
        if ((typeName || data) && !request.valueName)
            throw UsageError("/t and /d need /v NAME or /ve");
        if (typeName)
            request.type = ParseRegType(*typeName);
        if (data)
            request.data = *data;
        if (request.type == kRegDword)
            ParseDword(request.data);  // refuse bad data before anything is written
    }

private:
    std::string SwitchName(const std::string& arg) const
    {
        if (arg.size() < 2 || (arg[0] != '/' && arg[0] != '-'))
            throw UsageError("unexpected argument " + arg);
        const std::string name = Lower(std::string_view(arg).substr(1));
        if (!Allows(m_Verb, name))
            throw UsageError("reg: unknown switch " + arg);
        return name;
    }

    void Store(std::optional<std::string>& slot, const std::string& arg)
    {
        if (slot)
            throw UsageError(arg + " is given twice");
        if (m_Next >= m_Args.size())
            throw UsageError(arg + " needs a value");
        slot = m_Args[m_Next++];
    }

    static bool Flag(bool alreadySet, const std::string& arg)
    {
        if (alreadySet)
            throw UsageError(arg + " is given twice");
        return true;
    }

    std::span<const std::string> m_Args;
    RegVerb m_Verb;
    std::size_t m_Next = 0;
};

}  // namespace

std::string RegKeyName::Display() const
{
    const auto it = std::find_if(std::begin(kRoots), std::end(kRoots),
                                 [&](const RootName& name) { return name.root == root; });
    std::string text(it->longName);
    if (!path.empty())
        text += "\\" + path;
    return text;
}

RegKeyName ParseRegKey(const std::string& text)
{
    const std::size_t slash = text.find('\\');
    const std::string rootText = Lower(std::string_view(text).substr(0, slash));
    const auto it = std::find_if(std::begin(kRoots), std::end(kRoots), [&](const RootName& name) {
        return rootText == name.shortName || rootText == Lower(name.longName);
    });
    if (it == std::end(kRoots))
        throw UsageError("KEY must start with HKLM, HKEY_LOCAL_MACHINE, HKCU or HKEY_CURRENT_USER: " + text);

    RegKeyName key{it->root, {}};
    if (slash != std::string::npos)
        key.path = text.substr(slash + 1);
    while (!key.path.empty() && key.path.back() == '\\')
        key.path.pop_back();
    return key;
}

RegRequest ParseRegArgs(std::span<const std::string> args)
{
    if (args.empty())
        throw UsageError("reg needs query, add or delete");
    if (args.size() < 2)
        throw UsageError("reg " + args[0] + " needs a KEY");

    RegRequest request;
    request.verb = ParseVerb(args[0]);
    request.key = ParseRegKey(args[1]);
    SwitchReader(args.subspan(2), request.verb).ReadInto(request);
    return request;
}

}  // namespace pelmora::cli
