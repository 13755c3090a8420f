// The registry entry points over a hive, with advapi32's results, size rules and text conversion.
#include "registry/HiveRegistry.h"

#include "registry/HiveNodes.h"
#include "registry/HiveText.h"
#include "registry/RegValueCopy.h"
#include "registry/RegistryNames.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace pelmora {

namespace {

using hivenodes::StoredValue;

// The bytes RegQueryValueEx and RegEnumValue hand out for a stored value.
std::string CallData(const StoredValue& value)
{
    return IsRegTextType(value.type) ? CallText(value.data) : value.data;
}

}  // namespace

hive_node_h HiveRegistry::Node(RegKey key, long& code)
{
    const OpenedKey* opened = m_Keys.Find(key);
    if (!opened) {
        code = kRegInvalidHandle;
        return 0;
    }
    hive_h* hive = Hive(code);
    if (!hive)
        return 0;
    const hive_node_h node = hivenodes::FindKey(hive, opened->parts);
    code = node ? kRegSuccess : kRegKeyDeleted;
    return node;
}

long HiveRegistry::OpenKey(RegRoot, const std::string& path, RegKey& key)
{
    key = 0;
    long code = kRegSuccess;
    hive_h* hive = Hive(code);
    if (!hive)
        return m_Failures.Read(code);
    std::vector<std::string> parts = SplitKeyPath(path);
    if (!hivenodes::FindKey(hive, parts))
        return kRegFileNotFound;
    key = m_Keys.Add(OpenedKey{std::move(parts)});
    return kRegSuccess;
}

long HiveRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                              std::uint32_t* size)
{
    if (data && !size)
        return m_Keys.Find(key) ? kRegInvalidParameter : kRegInvalidHandle;
    long code = kRegSuccess;
    const hive_node_h node = Node(key, code);
    if (!node)
        return m_Failures.Read(code);
    StoredValue value;
    if (!hivenodes::FindValue(m_Hive, node, name, value))
        return kRegFileNotFound;
    return CopyOutValue(value.type, CallData(value), type, data, size);
}

long HiveRegistry::CreateKey(RegRoot, const std::string& path, RegKey& key)
{
    key = 0;
    long code = kRegSuccess;
    hive_h* hive = Hive(code);
    if (!hive)
        return code;
    std::vector<std::string> parts = SplitKeyPath(path);
    if (!hivenodes::FindKey(hive, parts)) {
        code = Change([&](hive_h* changed) -> long {
            hive_node_h node = hivex_root(changed);
            for (const std::string& part : parts) {
                hive_node_h child = hivenodes::FindChild(changed, node, part);
                if (!child) {
                    m_Pending = true;
                    errno = 0;
                    child = hivex_node_add_child(changed, node, part.c_str());
                    if (!child)
                        return FailChange(errno);
                }
                node = child;
            }
            return kRegSuccess;
        });
        if (code != kRegSuccess)
            return code;
    }
    key = m_Keys.Add(OpenedKey{std::move(parts)});
    return kRegSuccess;
}

long HiveRegistry::SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                            std::uint32_t size)
{
    const OpenedKey* opened = m_Keys.Find(key);
    if (!opened)
        return kRegInvalidHandle;
    if (!data && size > 0)
        return kRegInvalidParameter;
    const std::string_view bytes(data ? data : "", TextCallSize(type, data, size));
    StoredValue value{name, type, IsRegTextType(type) ? StoredText(bytes) : std::string(bytes)};
    const std::vector<std::string> parts = opened->parts;
    return Change([&](hive_h* hive) -> long {
        const hive_node_h node = hivenodes::FindKey(hive, parts);
        if (!node)
            return kRegKeyDeleted;
        // An existing value keeps the name it was first written with, as on Windows.
        if (StoredValue old; hivenodes::FindValue(hive, node, name, old))
            value.name = old.name;
        m_Pending = true;
        errno = 0;
        return hivenodes::SetValue(hive, node, value) ? kRegSuccess : FailChange(errno);
    });
}

long HiveRegistry::CloseKey(RegKey key)
{
    return m_Keys.Remove(key) ? kRegSuccess : kRegInvalidHandle;
}

long HiveRegistry::EnumValues(RegKey key, std::vector<RegValueEntry>& values)
{
    values.clear();
    long code = kRegSuccess;
    const hive_node_h node = Node(key, code);
    if (!node)
        return m_Failures.Read(code);
    std::vector<StoredValue> stored;
    if (!hivenodes::ReadValues(m_Hive, node, stored))
        return m_Failures.Read(Damaged("a value"));
    for (const StoredValue& value : stored)
        values.push_back({value.name, value.type, CallData(value)});
    return kRegSuccess;
}

long HiveRegistry::EnumSubKeys(RegKey key, std::vector<std::string>& names)
{
    names.clear();
    long code = kRegSuccess;
    const hive_node_h node = Node(key, code);
    if (!node)
        return m_Failures.Read(code);
    const std::unique_ptr<hive_node_h, decltype(&std::free)> children(hivex_node_children(m_Hive, node), &std::free);
    if (!children)
        return m_Failures.Read(Damaged("a key"));
    for (const hive_node_h* child = children.get(); *child; ++child) {
        const std::unique_ptr<char, decltype(&std::free)> name(hivex_node_name(m_Hive, *child), &std::free);
        if (name)
            names.emplace_back(name.get(), hivex_node_name_len(m_Hive, *child));
    }
    return kRegSuccess;
}

long HiveRegistry::DeleteValue(RegKey key, const std::string& name)
{
    const OpenedKey* opened = m_Keys.Find(key);
    if (!opened)
        return kRegInvalidHandle;
    const std::vector<std::string> parts = opened->parts;
    return Change([&](hive_h* hive) -> long {
        const hive_node_h node = hivenodes::FindKey(hive, parts);
        if (!node)
            return kRegKeyDeleted;
        std::vector<StoredValue> values;
        if (!hivenodes::ReadValues(hive, node, values))
            return Damaged("a value");
        const auto doomed = std::find_if(values.begin(), values.end(),
                                         [&](const StoredValue& value) { return hivenodes::SameName(value.name, name); });
        if (doomed == values.end())
            return kRegFileNotFound;
        values.erase(doomed);
        m_Pending = true;
        errno = 0;
        return hivenodes::SetValues(hive, node, values) ? kRegSuccess : FailChange(errno);
    });
}

long HiveRegistry::DeleteTree(RegRoot, const std::string& path)
{
    const std::vector<std::string> parts = SplitKeyPath(path);
    // As on Windows, the top of a hive is no key that can go.
    if (parts.empty())
        return m_Failures.Fail(kRegAccessDenied,
                               "the top of the registry hive " + m_Options.path + " cannot be deleted");
    long code = kRegSuccess;
    hive_h* hive = Hive(code);
    if (!hive)
        return code;
    if (!hivenodes::FindKey(hive, parts))
        return kRegFileNotFound;
    return Change([&](hive_h* changed) -> long {
        const hive_node_h node = hivenodes::FindKey(changed, parts);
        if (!node)
            return kRegFileNotFound;
        m_Pending = true;
        errno = 0;
        return hivex_node_delete_child(changed, node) == 0 ? kRegSuccess : FailChange(errno);
    });
}

}  // namespace pelmora
