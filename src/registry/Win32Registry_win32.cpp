#include "registry/Win32Registry.h"

#include "platform/WindowsApi.h"

#include <algorithm>

namespace pelmora {

namespace {

// The predefined handles are the root's 32-bit value, sign-extended.
HKEY Handle(RegRoot root)
{
    const auto value = static_cast<std::int32_t>(static_cast<std::uint32_t>(root));
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(value));
}

HKEY Handle(RegKey key)
{
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

RegRoot Win32Registry::Target(RegRoot root, std::string& path) const
{
    for (const RegRootRedirect& redirect : m_Redirects) {
        if (redirect.root == root) {
            path = path.empty() ? redirect.keyPath : redirect.keyPath + "\\" + path;
            return redirect.under;
        }
    }
    return root;
}

long Win32Registry::OpenKey(RegRoot root, const std::string& path, RegKey& key)
{
    std::string target = path;
    const RegRoot base = Target(root, target);
    HKEY opened = nullptr;
    const long code = RegOpenKeyA(Handle(base), target.c_str(), &opened);
    key = code == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return code;
}

long Win32Registry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                               std::uint32_t* size)
{
    DWORD storedType = 0;
    DWORD storedSize = size ? *size : 0;
    const long code = RegQueryValueExA(Handle(key), name.c_str(), nullptr, type ? &storedType : nullptr,
                                       reinterpret_cast<BYTE*>(data), size ? &storedSize : nullptr);
    if (type)
        *type = storedType;
    if (size)
        *size = storedSize;
    return code;
}

long Win32Registry::CreateKey(RegRoot root, const std::string& path, RegKey& key)
{
    std::string target = path;
    const RegRoot base = Target(root, target);
    HKEY created = nullptr;
    const long code = RegCreateKeyA(Handle(base), target.c_str(), &created);
    key = code == ERROR_SUCCESS ? reinterpret_cast<RegKey>(created) : 0;
    return code;
}

long Win32Registry::SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                             std::uint32_t size)
{
    return RegSetValueExA(Handle(key), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data), size);
}

long Win32Registry::CloseKey(RegKey key)
{
    return RegCloseKey(Handle(key));
}

long Win32Registry::EnumValues(RegKey key, std::vector<RegValueEntry>& values)
{
    values.clear();
    DWORD longestName = 0;
    DWORD largestData = 0;
    const long info = RegQueryInfoKeyA(Handle(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       &longestName, &largestData, nullptr, nullptr);
    if (info != ERROR_SUCCESS)
        return info;
    // Room for a NUL the ANSI query may add; a buffer still too small grows and the value is asked again.
    std::string name(longestName + 1, '\0');
    std::string data(largestData + 2, '\0');
    for (DWORD index = 0;;) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const long code = RegEnumValueA(Handle(key), index, name.data(), &nameSize, nullptr, &type,
                                        reinterpret_cast<BYTE*>(data.data()), &dataSize);
        if (code == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (code == ERROR_MORE_DATA) {
            name.resize(std::max<std::size_t>(name.size() * 2, 256));
            data.resize(std::max<std::size_t>(data.size() * 2, dataSize));
            continue;
        }
        if (code != ERROR_SUCCESS)
            return code;
        values.push_back({name.substr(0, nameSize), type, data.substr(0, dataSize)});
        ++index;
    }
}

long Win32Registry::EnumSubKeys(RegKey key, std::vector<std::string>& names)
{
    names.clear();
    for (DWORD index = 0;; ++index) {
        char name[256];  // the platform's limit for a key name, NUL included
        DWORD nameSize = sizeof name;
        const long code = RegEnumKeyExA(Handle(key), index, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (code == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (code != ERROR_SUCCESS)
            return code;
        names.emplace_back(name, nameSize);
    }
}

long Win32Registry::DeleteValue(RegKey key, const std::string& name)
{
    return RegDeleteValueA(Handle(key), name.c_str());
}

long Win32Registry::DeleteTree(RegRoot root, const std::string& path)
{
    std::string target = path;
    const RegRoot base = Target(root, target);
    if (!path.empty() || base == root)
        return RegDeleteTreeA(Handle(base), target.empty() ? nullptr : target.c_str());
    // A moved root is emptied, not removed, as a real root would be.
    HKEY opened = nullptr;
    long code = RegOpenKeyA(Handle(base), target.c_str(), &opened);
    if (code == ERROR_SUCCESS) {
        code = RegDeleteTreeA(opened, nullptr);
        RegCloseKey(opened);
    }
    return code;
}

std::string Win32Registry::DescribeError(long code)
{
    return SystemErrorText(static_cast<unsigned long>(code));
}

}  // namespace pelmora
