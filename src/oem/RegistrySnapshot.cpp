#include "oem/RegistrySnapshot.h"

#include "registry/RegistryChanges.h"
#include "registry/RegistryNames.h"
#include "registry/RegistryPaths.h"

#include <algorithm>

namespace pelmora {

namespace {

bool SameRegistryName(const std::string& a, const std::string& b)
{
    return a == b || FoldRegistryName(a) == FoldRegistryName(b);
}

Status Failed(RegistryApi& registry, const std::string& path, long code)
{
    return Status::Failed(path + ": " + registry.DescribeError(code));
}

// Opens `path` under `root`; `present` false when it is not there.
long OpenIfPresent(RegistryApi& registry, RegRoot root, const std::string& path, RegKey& key, bool& present)
{
    key = 0;
    const long code = registry.OpenKey(root, path, key);
    present = code == kRegSuccess;
    return code == kRegFileNotFound ? kRegSuccess : code;
}

Status TakeKey(RegistryApi& registry, RegRoot root, const std::string& path, TreeSnapshot& tree)
{
    RegKey key = 0;
    bool present = false;
    if (const long code = OpenIfPresent(registry, root, path, key, present); code != kRegSuccess)
        return Failed(registry, path, code);
    if (!present)
        return Status::Ok();  // gone since its parent was listed
    KeySnapshot snapshot{path, {}};
    std::vector<std::string> subKeys;
    long code = registry.EnumValues(key, snapshot.values);
    if (code == kRegSuccess)
        code = registry.EnumSubKeys(key, subKeys);
    registry.CloseKey(key);
    if (code != kRegSuccess)
        return Failed(registry, path, code);
    std::sort(snapshot.values.begin(), snapshot.values.end(),
              [](const RegValueEntry& a, const RegValueEntry& b) { return a.name < b.name; });
    std::sort(subKeys.begin(), subKeys.end());
    tree.keys.push_back(std::move(snapshot));
    for (const std::string& subKey : subKeys) {
        if (Status taken = TakeKey(registry, root, path + "\\" + subKey, tree); !taken)
            return taken;
    }
    return Status::Ok();
}

const RegValueEntry* FindValue(const std::vector<RegValueEntry>& values, const std::string& name)
{
    for (const RegValueEntry& value : values) {
        if (SameRegistryName(value.name, name))
            return &value;
    }
    return nullptr;
}

const KeySnapshot* FindKey(const TreeSnapshot& tree, const std::string& path)
{
    for (const KeySnapshot& key : tree.keys) {
        if (SameRegistryName(key.path, path))
            return &key;
    }
    return nullptr;
}

long RestoreValues(RegistryApi& registry, RegRoot root, const KeySnapshot& target, const KeySnapshot* now)
{
    RegKey key = 0;
    if (const long code = registry.CreateKey(root, target.path, key); code != kRegSuccess)
        return code;
    long code = kRegSuccess;
    for (const RegValueEntry& value : now ? now->values : std::vector<RegValueEntry>{}) {
        if (code == kRegSuccess && !FindValue(target.values, value.name))
            code = registry.DeleteValue(key, value.name);
    }
    for (const RegValueEntry& value : target.values) {
        const RegValueEntry* old = now ? FindValue(now->values, value.name) : nullptr;
        if (code == kRegSuccess && !(old && old->type == value.type && old->data == value.data))
            code = registry.SetValue(key, value.name, value.type, value.data.data(),
                                     static_cast<std::uint32_t>(value.data.size()));
    }
    registry.CloseKey(key);
    return code;
}

Status RestoreTree(RegistryApi& registry, const TreeSnapshot& target, const TreeSnapshot& now)
{
    // Keys the target lacks go first, whole; a child of one already gone is gone with it.
    for (const KeySnapshot& key : now.keys) {
        if (FindKey(target, key.path))
            continue;
        const long code = registry.DeleteTree(target.root, key.path);
        if (code != kRegSuccess && code != kRegFileNotFound)
            return Failed(registry, key.path, code);
    }
    for (const KeySnapshot& key : target.keys) {
        const KeySnapshot* current = FindKey(now, key.path);
        if (current && *current == key)
            continue;
        if (const long code = RestoreValues(registry, target.root, key, current); code != kRegSuccess)
            return Failed(registry, key.path, code);
    }
    return Status::Ok();
}

}  // namespace

bool KeySnapshot::operator==(const KeySnapshot& other) const
{
    if (!SameRegistryName(path, other.path) || values.size() != other.values.size())
        return false;
    for (const RegValueEntry& value : values) {
        const RegValueEntry* match = FindValue(other.values, value.name);
        if (!match || match->type != value.type || match->data != value.data)
            return false;
    }
    return true;
}

bool TreeSnapshot::operator==(const TreeSnapshot& other) const
{
    return root == other.root && SameRegistryName(path, other.path) && present == other.present &&
           keys == other.keys;
}

std::vector<TreeName> BrandingTrees()
{
    return {{RegRoot::LocalMachine, kProgramKey}, {RegRoot::LocalMachine, kOemInformationKey}};
}

Status TakeSnapshot(RegistryApi& registry, const std::vector<TreeName>& trees, RegistrySnapshot& snapshot)
{
    snapshot.clear();
    for (const TreeName& name : trees) {
        TreeSnapshot tree{name.root, name.path, false, {}};
        if (Status taken = TakeKey(registry, name.root, name.path, tree); !taken)
            return taken;
        tree.present = !tree.keys.empty();
        snapshot.push_back(std::move(tree));
    }
    return Status::Ok();
}

Status RestoreSnapshot(RegistryApi& registry, const RegistrySnapshot& target)
{
    std::vector<TreeName> names;
    for (const TreeSnapshot& tree : target)
        names.push_back({tree.root, tree.path});
    RegistryChanges changes(registry);
    RegistrySnapshot now;
    if (Status taken = TakeSnapshot(registry, names, now); !taken)
        return taken;
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (target[i] == now[i])
            continue;
        Status restored = target[i].present ? RestoreTree(registry, target[i], now[i]) : Status::Ok();
        if (!target[i].present) {
            const long code = registry.DeleteTree(target[i].root, target[i].path);
            if (code != kRegSuccess && code != kRegFileNotFound)
                restored = Failed(registry, target[i].path, code);
        }
        if (!restored)
            return restored;
    }
    return changes.Commit();
}

}  // namespace pelmora
