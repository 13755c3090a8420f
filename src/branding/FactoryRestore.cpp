#include "branding/FactoryBackup.h"

#include "branding/BrandingChange.h"

#include "branding/FactoryFiles.h"
#include "branding/FactoryRecord.h"
#include "branding/OemInformation.h"
#include "platform/FolderEntries.h"
#include "registry/RegistryNames.h"

#include <map>

namespace pelmora {

namespace {

// The backup read whole before anything is changed: a damaged one changes nothing.
struct Loaded {
    FactoryRecord record;
    std::map<std::string, std::string> copies;  // role -> bytes
};

std::optional<std::string> Load(FilePort& files, const BrandingPlaces& places, Loaded& loaded)
{
    const std::string recordPath = JoinPath(places.factoryBackup, kFactoryRecordName);
    std::string text;
    if (const Status read = files.ReadFile(recordPath, kFactoryFileLimit, text); !read)
        return "The factory backup " + recordPath + " could not be read: " + read.error + ". Nothing was changed.";
    std::string error;
    const auto record = ParseFactoryRecord(text, error);
    if (!record)
        return "The factory backup " + recordPath + " is damaged: " + error + ". Nothing was changed.";
    loaded.record = *record;
    for (const FactoryFile& file : kFactoryFiles) {
        const auto entry = record->files.find(file.role);
        if (entry == record->files.end())
            return "The factory backup " + recordPath + " says nothing of " + file.role + ". Nothing was changed.";
        if (!entry->second)
            continue;
        const std::string copy = JoinPath(places.factoryBackup, file.savedAs);
        if (const Status read = files.ReadFile(copy, kFactoryFileLimit, loaded.copies[file.role]); !read)
            return "The factory backup's copy " + copy + " could not be read: " + read.error + ". Nothing was changed.";
    }
    return std::nullopt;
}

void RestoreFiles(FilePort& files, const BrandingPlaces& places, const Loaded& loaded, BrandingSteps& steps)
{
    for (const FactoryFile& file : kFactoryFiles) {
        const std::string& path = places.*file.path;
        const auto copy = loaded.copies.find(file.role);
        if (path.empty()) {
            // Only the System32 logo has no place without System32; a saved one cannot go back.
            if (copy != loaded.copies.end())
                steps.push_back({Status::Failed("the installation has no System32 folder"),
                                 std::string("The factory ") + file.role + " was not put back"});
            continue;
        }
        if (copy != loaded.copies.end())
            steps.push_back({files.WriteFile(path, copy->second), path + " was not put back"});
        else
            steps.push_back({files.DeleteFile(path), path + " was not deleted"});
    }
}

bool Saved(const FactoryRecord& record, const std::string& valueName)
{
    for (const RegValueEntry& value : record.values) {
        if (FoldRegistryName(value.name) == FoldRegistryName(valueName))
            return true;
    }
    return false;
}

std::string ValueWhat(const std::string& valueName, const char* outcome)
{
    return "The value " + valueName + " under OEMInformation was not " + outcome;
}

Status Outcome(RegistryApi& registry, long code)
{
    return code == kRegSuccess ? Status::Ok() : Status::Failed(registry.DescribeError(code));
}

// Deletes the key when it did not exist before and nothing is left in it.
Status RemoveKeyIfEmpty(RegistryApi& registry)
{
    RegKey key = 0;
    const long opened = registry.OpenKey(RegRoot::LocalMachine, kOemInformationKey, key);
    if (opened == kRegFileNotFound)
        return Status::Ok();
    if (opened != kRegSuccess)
        return Outcome(registry, opened);
    std::vector<RegValueEntry> values;
    std::vector<std::string> subKeys;
    const long listedValues = registry.EnumValues(key, values);
    const long listedKeys = registry.EnumSubKeys(key, subKeys);
    registry.CloseKey(key);
    if (listedValues != kRegSuccess || listedKeys != kRegSuccess)
        return Outcome(registry, listedValues != kRegSuccess ? listedValues : listedKeys);
    if (!values.empty() || !subKeys.empty())
        return Status::Ok();
    return Outcome(registry, registry.DeleteTree(RegRoot::LocalMachine, kOemInformationKey));
}

void RestoreValues(RegistryApi& registry, const FactoryRecord& record, BrandingSteps& steps)
{
    if (record.keyExisted) {
        RegKey key = 0;
        const long created = registry.CreateKey(RegRoot::LocalMachine, kOemInformationKey, key);
        for (const RegValueEntry& value : record.values) {
            const long code = created != kRegSuccess
                                  ? created
                                  : registry.SetValue(key, value.name, value.type, value.data.data(),
                                                      static_cast<std::uint32_t>(value.data.size()));
            steps.push_back({Outcome(registry, code), ValueWhat(value.name, "put back")});
        }
        registry.CloseKey(key);
    }
    // The values the program writes that were not there go again.
    OemValues removed;
    for (const OemValue value : kOemValues) {
        if (!Saved(record, OemValueName(value)))
            removed.push_back({value, ""});
    }
    for (BrandingStep& step : WriteOemValues(registry, removed))
        steps.push_back(std::move(step));
    if (!record.keyExisted)
        steps.push_back({RemoveKeyIfEmpty(registry), "The key OEMInformation was not deleted"});
}

}  // namespace

FactoryRestore RestoreFactoryBranding(FilePort& files, RegistryApi& registry, const BrandingPlaces& places)
{
    FactoryRestore restore;
    if (!HasFactoryBackup(places)) {
        restore.refusal = places.factoryBackup.empty()
                              ? std::string("No ProgramData folder was found, so there is no factory backup.")
                              : "There is no factory backup at " + places.factoryBackup + ".";
        *restore.refusal += " Nothing was changed.";
        return restore;
    }
    if (const auto folder = RefusedBrandingFolder(files, places)) {
        restore.refusal = *folder + ". Nothing was changed.";
        return restore;
    }
    Loaded loaded;
    if ((restore.refusal = Load(files, places, loaded)))
        return restore;
    if ((restore.refusal = RefuseRegistryChange(registry)))
        return restore;
    RestoreFiles(files, places, loaded, restore.steps);
    // The caller's transaction holds these until it commits them together.
    RestoreValues(registry, loaded.record, restore.steps);
    return restore;
}

}  // namespace pelmora
