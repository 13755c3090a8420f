#pragma once

#include "oem/AppServices.h"
#include "registry/ForwardingRegistry.h"

#include <map>
#include <stdexcept>
#include <string>

namespace pelmora::cli {

// A write the running account has no right to make. The command stops at the first one, so it
// ends with one line naming what needs an administrator instead of a report for each value.
class AccessDenied : public std::runtime_error {
public:
    explicit AccessDenied(const std::string& target);
};

// The registry, throwing AccessDenied where a change is refused for want of rights.
class AccessGuardedRegistry final : public ForwardingRegistry {
public:
    explicit AccessGuardedRegistry(RegistryApi& real) : ForwardingRegistry(real) {}

    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override;
    long CreateKey(RegRoot root, const std::string& path, RegKey& key) override;
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override;
    long CloseKey(RegKey key) override;
    long DeleteValue(RegKey key, const std::string& name) override;
    long DeleteTree(RegRoot root, const std::string& path) override;

private:
    struct KeyName {
        RegRoot root;
        std::string path;
    };
    long Checked(long result, const KeyName& key);
    KeyName NameOf(RegKey key) const;

    std::map<RegKey, KeyName> m_Open;
};

// Files, throwing AccessDenied where a write or delete is refused for want of rights.
class AccessGuardedFiles final : public FilePort {
public:
    explicit AccessGuardedFiles(FilePort& real) : m_Real(real) {}

    Status WriteFile(const std::string& path, std::string_view bytes) override;
    Status DeleteFile(const std::string& path) override;
    bool Exists(const std::string& path) override { return m_Real.Exists(path); }
    Status ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override
    {
        return m_Real.ReadFile(path, maxBytes, bytes);
    }

private:
    FilePort& m_Real;
};

// The services with their registry and files guarded.
class AccessGuardedServices {
public:
    explicit AccessGuardedServices(AppServices& real)
        : m_Registry(real.registry),
          m_Files(real.files),
          m_Services{m_Registry, m_Files, real.pictures, real.windowsDirectory, real.processes,
                     real.programData, real.executableName, real.commandLock}
    {
    }

    AppServices& Services() { return m_Services; }

private:
    AccessGuardedRegistry m_Registry;
    AccessGuardedFiles m_Files;
    AppServices m_Services;
};

}  // namespace pelmora::cli
