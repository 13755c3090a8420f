#pragma once

#include "registry/RegistryApi.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// What an installation's branding was before the program first changed it. The record's text is
// a format of our own, one fact a line:
//   Pelmora factory branding 2      (1: names and text in the ANSI code page)
//   file <role> saved|absent        (each role once; a saved file lies beside the record)
//   key present|absent              (the OEMInformation key)
//   value <type> <name> <data>      (name and data as hex bytes, "-" when empty)
struct FactoryRecord {
    std::map<std::string, bool> files;  // role -> saved (false: did not exist)
    bool keyExisted = false;
    std::vector<RegValueEntry> values;  // every value of the key, as the store held it
};

std::string FactoryRecordText(const FactoryRecord& record);

// Null for text that is not such a record; `error` then names the line.
std::optional<FactoryRecord> ParseFactoryRecord(std::string_view text, std::string& error);

}  // namespace pelmora
