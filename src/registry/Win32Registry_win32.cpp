#include "registry/Win32Registry.h"

#include "platform/UnicodeText.h"
#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"
#include "registry/RegValueCopy.h"

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

std::string RootName(RegRoot root)
{
    switch (root) {
    case RegRoot::ClassesRoot: return "HKEY_CLASSES_ROOT";
    case RegRoot::CurrentUser: return "HKEY_CURRENT_USER";
    case RegRoot::LocalMachine: return "HKEY_LOCAL_MACHINE";
    }
    return "the registry";
}

// The whole stored value, through the wide entry point; the buffer grows with a value that grew.
long ReadStored(HKEY key, const std::wstring& name, DWORD& type, std::string& bytes)
{
    DWORD size = 0;
    long code = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
    while (code == ERROR_SUCCESS) {
        bytes.resize(size);
        code = RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
        if (code != ERROR_MORE_DATA) {
            bytes.resize(std::min<std::size_t>(size, bytes.size()));
            break;
        }
        code = ERROR_SUCCESS;
    }
    return code;
}

// The bytes the UTF-8 entry points hand out: text converted, everything else as stored.
std::string CallBytes(DWORD type, const std::string& stored)
{
    return IsRegTextType(type) ? Utf8FromUtf16Le(stored) : stored;
}

}  // namespace

long Win32Registry::Read(long code, const std::string& what)
{
    if (IsReadFailure(code))
        m_ReadFailures.Note(what + " cannot be read: " + SystemErrorText(static_cast<unsigned long>(code)));
    return code;
}

std::string Win32Registry::KeyName(RegKey key) const
{
    const auto named = m_KeyNames.find(key);
    return named == m_KeyNames.end() ? std::string("a registry key") : "the registry key " + named->second;
}

Win32Transaction* Win32Registry::Transaction()
{
    if (m_ChangeDepth == 0)
        return nullptr;
    // A system whose transactions fail to begin still changes the registry, one change at a time.
    long ignored = ERROR_SUCCESS;
    if (!m_Transaction)
        m_Transaction = Win32Transaction::Begin(ignored);
    return m_Transaction.get();
}

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
    void* opened = nullptr;
    long code;
    // Inside a group, once it has changed something, reads see its changes.
    if (m_Transaction)
        code = m_Transaction->OpenKey(Handle(base), ToUtf16(target).c_str(), opened);
    else
        code = RegOpenKeyW(Handle(base), ToUtf16(target).c_str(), reinterpret_cast<HKEY*>(&opened));
    key = code == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    const std::string name = RootName(root) + (path.empty() ? "" : "\\" + path);
    if (key)
        m_KeyNames[key] = name;
    return Read(code, "the registry key " + name);
}

long Win32Registry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                               std::uint32_t* size)
{
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    DWORD storedType = 0;
    std::string stored;
    if (const long code = ReadStored(Handle(key), ToUtf16(name), storedType, stored); code != ERROR_SUCCESS)
        return Read(code, KeyName(key));
    return CopyOutValue(storedType, CallBytes(storedType, stored), type, data, size);
}

long Win32Registry::CreateKey(RegRoot root, const std::string& path, RegKey& key)
{
    std::string target = path;
    const RegRoot base = Target(root, target);
    void* created = nullptr;
    long code = ERROR_SUCCESS;
    if (Win32Transaction* transaction = Transaction()) {
        code = transaction->CreateKey(Handle(base), ToUtf16(target).c_str(), created);
        if (code == ERROR_CALL_NOT_IMPLEMENTED)
            m_Transaction.reset();  // the system has the entry point, but no transactions behind it
    }
    if (!m_Transaction)
        code = RegCreateKeyW(Handle(base), ToUtf16(target).c_str(), reinterpret_cast<HKEY*>(&created));
    key = code == ERROR_SUCCESS ? reinterpret_cast<RegKey>(created) : 0;
    if (key)
        m_KeyNames[key] = RootName(root) + (path.empty() ? "" : "\\" + path);
    return code;
}

long Win32Registry::SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                             std::uint32_t size)
{
    if (!IsRegTextType(type) || !data)
        return RegSetValueExW(Handle(key), ToUtf16(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(data), size);
    // Text whose NUL follows the counted bytes is stored with it, as the ANSI call stores it.
    const bool nulAfter = size > 0 && data[size - 1] != '\0' && data[size] == '\0';
    const std::string wide = Utf16LeFromUtf8(std::string_view(data, size + (nulAfter ? 1 : 0)));
    return RegSetValueExW(Handle(key), ToUtf16(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(wide.data()),
                          static_cast<DWORD>(wide.size()));
}

long Win32Registry::CloseKey(RegKey key)
{
    m_KeyNames.erase(key);
    return RegCloseKey(Handle(key));
}

long Win32Registry::EnumValues(RegKey key, std::vector<RegValueEntry>& values)
{
    values.clear();
    DWORD longestName = 0;
    DWORD largestData = 0;
    const long info = RegQueryInfoKeyW(Handle(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                       &longestName, &largestData, nullptr, nullptr);
    if (info != ERROR_SUCCESS)
        return Read(info, KeyName(key));
    // A buffer still too small (the key changed meanwhile) grows and the value is asked again.
    std::wstring name(longestName + 1, L'\0');
    std::string data(largestData + 2, '\0');
    for (DWORD index = 0;;) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        const long code = RegEnumValueW(Handle(key), index, name.data(), &nameSize, nullptr, &type,
                                        reinterpret_cast<BYTE*>(data.data()), &dataSize);
        if (code == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (code == ERROR_MORE_DATA) {
            name.resize(std::max<std::size_t>(name.size() * 2, 256));
            data.resize(std::max<std::size_t>(data.size() * 2, dataSize));
            continue;
        }
        if (code != ERROR_SUCCESS)
            return Read(code, KeyName(key));
        values.push_back({FromUtf16(std::wstring_view(name.data(), nameSize)), type,
                          CallBytes(type, data.substr(0, dataSize))});
        ++index;
    }
}

long Win32Registry::EnumSubKeys(RegKey key, std::vector<std::string>& names)
{
    names.clear();
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];  // the platform's limit for a key name, NUL included
        DWORD nameSize = 256;
        const long code = RegEnumKeyExW(Handle(key), index, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (code == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (code != ERROR_SUCCESS)
            return Read(code, KeyName(key));
        names.push_back(FromUtf16(std::wstring_view(name, nameSize)));
    }
}

long Win32Registry::DeleteValue(RegKey key, const std::string& name)
{
    return RegDeleteValueW(Handle(key), ToUtf16(name).c_str());
}

long Win32Registry::DeleteTree(RegRoot root, const std::string& path)
{
    std::string target = path;
    const RegRoot base = Target(root, target);
    if (!path.empty() || base == root)
        return RegDeleteTreeW(Handle(base), target.empty() ? nullptr : ToUtf16(target).c_str());
    // A moved root is emptied, not removed, as a real root would be.
    HKEY opened = nullptr;
    long code = RegOpenKeyW(Handle(base), ToUtf16(target).c_str(), &opened);
    if (code == ERROR_SUCCESS) {
        code = RegDeleteTreeW(opened, nullptr);
        RegCloseKey(opened);
    }
    return code;
}

std::string Win32Registry::DescribeError(long code)
{
    return SystemErrorText(static_cast<unsigned long>(code));
}

}  // namespace pelmora

namespace pelmora {

long Win32Registry::BeginChanges()
{
    ++m_ChangeDepth;
    return ERROR_SUCCESS;
}

long Win32Registry::CommitChanges()
{
    if (m_ChangeDepth == 0)
        return ERROR_INVALID_PARAMETER;
    if (--m_ChangeDepth > 0 || !m_Transaction)
        return ERROR_SUCCESS;
    const long code = m_Transaction->Commit();
    m_Transaction.reset();
    return code;
}

void Win32Registry::AbandonChanges()
{
    if (m_ChangeDepth == 0)
        return;
    --m_ChangeDepth;
    // Everything since the outermost begin goes, as with the other stores; an outer group goes on.
    m_Transaction.reset();
}

}  // namespace pelmora
