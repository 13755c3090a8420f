#pragma once

#include <hivex.h>

#include <cstdint>
#include <string>
#include <vector>

// Keys and values of an open hive found by their names (UTF-8), in any letter case as Windows
// compares them (hivex itself folds ASCII letters only).
namespace pelmora::hivenodes {

// The child of `node` named `name`; 0 when there is none.
hive_node_h FindChild(hive_h* hive, hive_node_h node, const std::string& name);

// The key at `parts` below the hive's root (the root itself for none); 0 when one is missing.
hive_node_h FindKey(hive_h* hive, const std::vector<std::string>& parts);

struct StoredValue {
    std::string name;  // UTF-8, as hivex gives it
    std::uint32_t type = 0;
    std::string data;  // the stored bytes
};

// Every value of `node`, in the hive's order; false when one cannot be read.
bool ReadValues(hive_h* hive, hive_node_h node, std::vector<StoredValue>& values);

// The value of `node` named `name`; false when there is none or it cannot be read.
bool FindValue(hive_h* hive, hive_node_h node, const std::string& name, StoredValue& value);

// Whether a name hivex gives (UTF-8) is `name` in some letter case.
bool SameName(const std::string& utf8, const std::string& name);

// Stores or replaces one value (the name as hivex takes it); false with errno set on failure.
bool SetValue(hive_h* hive, hive_node_h node, const StoredValue& value);

// Stores `values` as all the values of `node`; false with errno set on failure.
bool SetValues(hive_h* hive, hive_node_h node, const std::vector<StoredValue>& values);

}  // namespace pelmora::hivenodes
