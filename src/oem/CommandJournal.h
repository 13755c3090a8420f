#pragma once

#include "oem/RegistrySnapshot.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// A file as it was before the command first changed it.
struct JournaledFile {
    std::string path;
    std::optional<std::string> bytes;  // none: there was no file
    bool operator==(const JournaledFile&) const = default;
};

// What a command that changes files writes down before each change, so that the next command
// can finish it or take it back when it was killed midway: the files' old content and the
// branding keys as they were. Once its values are about to be committed it also holds them as
// they will be, which tells the next command whether that commit landed.
struct CommandJournal {
    std::string holder;  // the program that ran the command, for the message
    std::vector<JournaledFile> files;
    RegistrySnapshot before;
    std::optional<RegistrySnapshot> after;  // set once the commit is under way
};

// The journal as stored: a text header, length-prefixed fields and a checksum line last, so a
// journal cut short or damaged is recognised.
std::string EncodeJournal(const CommandJournal& journal);

// None for anything that is not a whole journal.
std::optional<CommandJournal> DecodeJournal(std::string_view bytes);

}  // namespace pelmora
