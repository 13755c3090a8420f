#include "branding/RegExport.h"

#include "branding/OemInformation.h"
#include "branding/RegFileFormat.h"
#include "registry/RegistryNames.h"
#include "registry/RegistryPaths.h"

#include <vector>

namespace pelmora {

namespace {

constexpr const char* kRootName = "HKEY_LOCAL_MACHINE";

class OpenedKey {
public:
    OpenedKey(RegistryApi& registry, const std::string& keyPath) : m_Registry(registry)
    {
        m_Code = registry.OpenKey(RegRoot::LocalMachine, keyPath, m_Key);
    }
    ~OpenedKey() { m_Registry.CloseKey(m_Key); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

    long Code() const { return m_Code; }
    RegKey Key() const { return m_Key; }

private:
    RegistryApi& m_Registry;
    RegKey m_Key = 0;
    long m_Code = kRegSuccess;
};

class Exporter {
public:
    explicit Exporter(RegistryApi& registry) : m_Registry(registry) {}

    bool OemInformation()
    {
        std::vector<RegValueEntry> stored;
        OpenedKey key(m_Registry, kOemInformationKey);
        if (key.Code() == kRegSuccess) {
            if (!List(m_Registry.EnumValues(key.Key(), stored), kOemInformationKey))
                return false;
        } else if (key.Code() != kRegFileNotFound) {
            return Fail(key.Code(), kOemInformationKey);
        }

        m_Lines.push_back(RegKeyLine(kRootName, kOemInformationKey));
        for (const OemValue value : kOemValues) {
            const std::string name = OemValueName(value);
            const RegValueEntry* found = nullptr;
            for (const RegValueEntry& entry : stored) {
                if (FoldRegistryName(entry.name) == FoldRegistryName(name))
                    found = &entry;
            }
            if (found)
                Append(RegValueLines(*found));
            else
                m_Lines.push_back(RegDeletedValueLine(name));
        }
        m_Lines.push_back("");
        return true;
    }

    // The key, its values, then each subkey the same way; nothing for a key that does not exist.
    bool Tree(const std::string& keyPath)
    {
        OpenedKey key(m_Registry, keyPath);
        if (key.Code() == kRegFileNotFound)
            return true;
        if (key.Code() != kRegSuccess)
            return Fail(key.Code(), keyPath);
        std::vector<RegValueEntry> values;
        std::vector<std::string> subKeys;
        if (!List(m_Registry.EnumValues(key.Key(), values), keyPath) ||
            !List(m_Registry.EnumSubKeys(key.Key(), subKeys), keyPath))
            return false;
        m_Lines.push_back(RegKeyLine(kRootName, keyPath));
        for (const RegValueEntry& value : values)
            Append(RegValueLines(value));
        m_Lines.push_back("");
        for (const std::string& subKey : subKeys) {
            if (!Tree(keyPath + "\\" + subKey))
                return false;
        }
        return true;
    }

    const std::vector<std::string>& Lines() const { return m_Lines; }
    const std::string& Error() const { return m_Error; }

private:
    bool List(long code, const std::string& keyPath) { return code == kRegSuccess || Fail(code, keyPath); }

    bool Fail(long code, const std::string& keyPath)
    {
        m_Error = "the key " + keyPath + " could not be read: " + m_Registry.DescribeError(code);
        return false;
    }

    void Append(const std::vector<std::string>& lines) { m_Lines.insert(m_Lines.end(), lines.begin(), lines.end()); }

    RegistryApi& m_Registry;
    std::vector<std::string> m_Lines{""};
    std::string m_Error;
};

}  // namespace

std::optional<std::string> RegExportBytes(RegistryApi& registry, std::string& error)
{
    Exporter exporter(registry);
    if (!exporter.OemInformation() || !exporter.Tree(kProgramKey)) {
        error = exporter.Error();
        return std::nullopt;
    }
    return RegFileBytes(exporter.Lines());
}

Status ExportReg(FilePort& files, RegistryApi& registry, const std::string& path)
{
    std::string error;
    const std::optional<std::string> bytes = RegExportBytes(registry, error);
    if (!bytes)
        return Status::Failed(error);
    return files.WriteFile(path, *bytes);
}

}  // namespace pelmora
