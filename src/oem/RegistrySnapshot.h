#pragma once

#include "platform/Status.h"
#include "registry/RegistryApi.h"

#include <string>
#include <vector>

namespace pelmora {

// One key of a tree as it stood: its path from the root and its values, by name.
struct KeySnapshot {
    std::string path;
    std::vector<RegValueEntry> values;
    bool operator==(const KeySnapshot& other) const;
};

// A key with everything under it, or that it was not there.
struct TreeSnapshot {
    RegRoot root = RegRoot::LocalMachine;
    std::string path;
    bool present = false;
    std::vector<KeySnapshot> keys;  // the key itself first, then its subkeys, parents before children
    bool operator==(const TreeSnapshot& other) const;
};

using RegistrySnapshot = std::vector<TreeSnapshot>;

struct TreeName {
    RegRoot root;
    std::string path;
};

// The keys a branding command changes: the program's own and the one current Windows reads.
std::vector<TreeName> BrandingTrees();

// Reads the trees as the registry has them now (a store inside a group of changes shows them).
Status TakeSnapshot(RegistryApi& registry, const std::vector<TreeName>& trees, RegistrySnapshot& snapshot);

// Makes the registry hold `target` again, in one group of changes, writing only what differs.
Status RestoreSnapshot(RegistryApi& registry, const RegistrySnapshot& target);

}  // namespace pelmora
