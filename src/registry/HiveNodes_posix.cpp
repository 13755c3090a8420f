#include "registry/HiveNodes.h"

#include "registry/HiveText.h"
#include "registry/RegistryNames.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace pelmora::hivenodes {

namespace {

static_assert(sizeof(hive_type) == sizeof(std::uint32_t));

struct Free {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Owned = std::unique_ptr<T, Free>;

bool IsAscii(const std::string& name)
{
    for (const char c : name)
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\0')
            return false;
    return true;
}

std::string NodeName(hive_h* hive, hive_node_h node)
{
    const Owned<char> name(hivex_node_name(hive, node));
    return name ? std::string(name.get(), hivex_node_name_len(hive, node)) : std::string();
}

bool ReadValue(hive_h* hive, hive_value_h handle, StoredValue& value)
{
    const Owned<char> name(hivex_value_key(hive, handle));
    if (!name)
        return false;
    value.name.assign(name.get(), hivex_value_key_len(hive, handle));
    // A hive may hold any 32-bit type code, beyond hive_type's enumerators: read it as a number.
    std::size_t size = 0;
    const Owned<char> data(hivex_value_value(hive, handle, reinterpret_cast<hive_type*>(&value.type), &size));
    if (!data)
        return false;
    value.data.assign(data.get(), size);
    return true;
}

// hivex's entry points take the pairs as mutable C strings; they do not change them.
hive_set_value Pair(const StoredValue& value)
{
    hive_set_value pair{};
    pair.key = const_cast<char*>(value.name.c_str());
    std::memcpy(&pair.t, &value.type, sizeof pair.t);  // any type code, as above
    pair.len = value.data.size();
    pair.value = const_cast<char*>(value.data.data());
    return pair;
}

}  // namespace

bool SameName(const std::string& utf8, const std::string& name)
{
    return FoldRegistryName(utf8) == FoldRegistryName(name);
}

hive_node_h FindChild(hive_h* hive, hive_node_h node, const std::string& name)
{
    // ASCII letters fold to ASCII letters only, so hivex's own search finds those names.
    if (IsAscii(name)) {
        const hive_node_h child = hivex_node_get_child(hive, node, name.c_str());
        return child && SameName(NodeName(hive, child), name) ? child : 0;
    }
    const Owned<hive_node_h> children(hivex_node_children(hive, node));
    for (const hive_node_h* child = children.get(); child && *child; ++child)
        if (SameName(NodeName(hive, *child), name))
            return *child;
    return 0;
}

hive_node_h FindKey(hive_h* hive, const std::vector<std::string>& parts)
{
    hive_node_h node = hivex_root(hive);
    for (const std::string& part : parts) {
        if (!node)
            break;
        node = FindChild(hive, node, part);
    }
    return node;
}

bool ReadValues(hive_h* hive, hive_node_h node, std::vector<StoredValue>& values)
{
    values.clear();
    const Owned<hive_value_h> handles(hivex_node_values(hive, node));
    if (!handles)
        return false;
    for (const hive_value_h* handle = handles.get(); *handle; ++handle) {
        StoredValue value;
        if (!ReadValue(hive, *handle, value))
            return false;
        values.push_back(std::move(value));
    }
    return true;
}

bool FindValue(hive_h* hive, hive_node_h node, const std::string& name, StoredValue& value)
{
    if (IsAscii(name)) {
        const hive_value_h handle = hivex_node_get_value(hive, node, name.c_str());
        return handle && ReadValue(hive, handle, value) && SameName(value.name, name);
    }
    std::vector<StoredValue> values;
    if (!ReadValues(hive, node, values))
        return false;
    for (StoredValue& candidate : values) {
        if (SameName(candidate.name, name)) {
            value = std::move(candidate);
            return true;
        }
    }
    return false;
}

bool SetValue(hive_h* hive, hive_node_h node, const StoredValue& value)
{
    const hive_set_value pair = Pair(value);
    return hivex_node_set_value(hive, node, &pair, 0) == 0;
}

bool SetValues(hive_h* hive, hive_node_h node, const std::vector<StoredValue>& values)
{
    std::vector<hive_set_value> pairs;
    for (const StoredValue& value : values)
        pairs.push_back(Pair(value));
    return hivex_node_set_values(hive, node, pairs.size(), pairs.data(), 0) == 0;
}

}  // namespace pelmora::hivenodes
