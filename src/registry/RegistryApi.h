#pragma once

#include "registry/RegResult.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelmora {

// Predefined roots, by their handle values.
enum class RegRoot : std::uint32_t {
    ClassesRoot = 0x80000000u,
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

// Value types, by their codes.
enum : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
};

// The reads a store could not answer so far: how many, and why the latest failed (naming the store).
struct RegReadFailures {
    std::uint64_t count = 0;
    std::string latest;

    void Note(std::string why)
    {
        ++count;
        latest = std::move(why);
    }
};

using RegKey = std::uintptr_t;  // an open key; 0 is no key

struct RegValueEntry {
    std::string name;  // UTF-8
    std::uint32_t type = kRegNone;
    std::string data;  // raw bytes, as stored
};

// The registry's entry points as a system whose code page is UTF-8 has them: key paths, value
// names and the data of text values (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) are UTF-8, sizes count
// those bytes, so no character is lost on the way. The advapi32 backend calls the wide entry points,
// a hive keeps UTF-16LE as Windows does, the SQLite store keeps the UTF-8 itself.
// Every entry point is for each store to answer: a store that leaves one out does not compile.
// A store that passes calls on to another derives from ForwardingRegistry.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    // RegOpenKey: opens an existing key; fails, leaving `key` 0, when it is missing.
    virtual long OpenKey(RegRoot root, const std::string& path, RegKey& key) = 0;

    // RegQueryValueEx: with `data` null reports type and size; with a buffer of `*size` bytes
    // copies the data (kRegMoreData when it is too small) and reports the size. Every store hands
    // the data out through CopyOutValue, so the buffer rules are the same in all.
    virtual long QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                            std::uint32_t* size) = 0;

    // RegCreateKey: opens the key, creating it and any missing parents first.
    virtual long CreateKey(RegRoot root, const std::string& path, RegKey& key) = 0;

    // RegSetValueEx: stores `size` bytes of the given type, replacing an older value. Text
    // (REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ) whose last counted byte is not NUL must be readable
    // one byte further, as a std::string's data is: a store that keeps text as advapi32 does
    // counts a NUL found there in, as advapi32 itself does.
    virtual long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                          std::uint32_t size) = 0;

    // RegCloseKey.
    virtual long CloseKey(RegKey key) = 0;

    // For the registry console tool: list, delete.
    virtual long EnumValues(RegKey key, std::vector<RegValueEntry>& values) = 0;
    virtual long EnumSubKeys(RegKey key, std::vector<std::string>& names) = 0;
    virtual long DeleteValue(RegKey key, const std::string& name) = 0;
    // Deletes the key with everything under it.
    virtual long DeleteTree(RegRoot root, const std::string& path) = 0;

    // The system's text for a result code.
    virtual std::string DescribeError(long code) = 0;

    // Every open, query or listing that failed because the store could not be read; a missing key
    // or value is none. ReadRegString gives the default text for both: a command that must tell
    // them apart looks here (RegReadCheck).
    virtual RegReadFailures ReadFailures() const = 0;

    // Gathers the changes made until CommitChanges into one commit where a store can (SQLite: one
    // transaction; an offline hive: one rewrite of its file; advapi32: a kernel transaction where
    // the system has them), held from the group's first change; meanwhile no other program
    // changes the store. A store that cannot commits each change on its own. Pairs may nest.
    virtual long BeginChanges() = 0;
    virtual long CommitChanges() = 0;
    // Drops the changes made since BeginChanges where the store can.
    virtual void AbandonChanges() = 0;

    // Why HKLM "SOFTWARE" takes no change now (an image's hive that Windows left unfinished, that
    // is read-only or no usable hive), asked before a command's first change so that a refusal
    // leaves everything as it was; kRegSuccess when changes may be tried.
    virtual long CanChange() = 0;

    // Where HKLM "SOFTWARE" is kept, for the user: a file's path, or what the system calls it.
    virtual std::string Location() const = 0;
};

}  // namespace pelmora
