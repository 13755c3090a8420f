#include "branding/FactoryBackup.h"

#include "branding/FactoryFiles.h"
#include "branding/FactoryRecord.h"
#include "branding/OemInformation.h"
#include "platform/FolderEntries.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <system_error>

namespace pelmora {

namespace {

namespace fs = std::filesystem;

// The backup as it is gathered: the record and the copies of the files it says were saved.
struct Gathered {
    FactoryRecord record;
    std::map<std::string, std::string> copies;  // saved-as name -> bytes
};

Status ReadValues(RegistryApi& registry, FactoryRecord& record)
{
    RegKey key = 0;
    const long opened = registry.OpenKey(RegRoot::LocalMachine, kOemInformationKey, key);
    if (opened == kRegFileNotFound)
        return Status::Ok();
    if (opened != kRegSuccess)
        return Status::Failed("the key OEMInformation could not be read: " + registry.DescribeError(opened));
    record.keyExisted = true;
    const long listed = registry.EnumValues(key, record.values);
    registry.CloseKey(key);
    if (listed != kRegSuccess)
        return Status::Failed("the key OEMInformation could not be read: " + registry.DescribeError(listed));
    return Status::Ok();
}

Status Gather(FilePort& files, RegistryApi& registry, const BrandingPlaces& places, Gathered& gathered)
{
    for (const FactoryFile& file : kFactoryFiles) {
        const std::string& path = places.*file.path;
        const bool present = !path.empty() && files.Exists(path);
        gathered.record.files[file.role] = present;
        if (!present)
            continue;
        std::string bytes;
        if (const Status read = files.ReadFile(path, kFactoryFileLimit, bytes); !read)
            return Status::Failed(path + " could not be read: " + read.error);
        gathered.copies[file.savedAs] = std::move(bytes);
    }
    return ReadValues(registry, gathered.record);
}

std::string TemporaryFolderName()
{
    static std::atomic<unsigned> counter{0};
    thread_local std::mt19937 random{std::random_device{}() ^
                                     static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
    return ".factory-branding-" + std::to_string(random() % 1000000000u) + "-" + std::to_string(counter++) + ".tmp";
}

bool Exists(const std::string& path)
{
    std::error_code error;
    return fs::exists(PathFromUtf8(path), error);
}

Status Failure(const std::string& what, const std::error_code& error)
{
    return Status::Failed(what + ": " + error.message());
}

// Writes the copies and the record into a new folder beside `target`, then renames it into place.
Status Publish(FilePort& files, const Gathered& gathered, const std::string& target)
{
    const fs::path targetPath = PathFromUtf8(target);
    // An image's ProgramData or Pelmora folder may be a link leading out of it.
    if (const Status contained = files.CheckFolder(Utf8FromPath(targetPath.parent_path())); !contained)
        return Status::Failed(target + " could not be created: " + contained.error);
    std::error_code error;
    fs::create_directories(targetPath.parent_path(), error);
    if (error)
        return Failure(Utf8FromPath(targetPath.parent_path()) + " could not be created", error);
    const std::string temporary = Utf8FromPath(targetPath.parent_path() / TemporaryFolderName());
    if (!fs::create_directory(PathFromUtf8(temporary), error))
        return Failure(temporary + " could not be created", error ? error : std::make_error_code(std::errc::file_exists));

    Status status = Status::Ok();
    for (const auto& [name, bytes] : gathered.copies) {
        if (status)
            status = files.WriteFile(JoinPath(temporary, name), bytes);
    }
    if (status)
        status = files.WriteFile(JoinPath(temporary, kFactoryRecordName), FactoryRecordText(gathered.record));
    if (status) {
        fs::rename(PathFromUtf8(temporary), targetPath, error);
        // Another run that got there first has saved the same installation: its backup stands.
        if (error && !Exists(target))
            status = Failure(target + " could not be put in place", error);
    }
    std::error_code ignored;
    fs::remove_all(PathFromUtf8(temporary), ignored);
    return status;
}

}  // namespace

Status EnsureFactoryBackup(FilePort& files, RegistryApi& registry, const BrandingPlaces& places)
{
    if (places.factoryBackup.empty())
        return Status::Failed("no ProgramData folder was found to keep the factory branding in");
    if (HasFactoryBackup(places))
        return Status::Ok();
    Gathered gathered;
    if (Status gatheredStatus = Gather(files, registry, places, gathered); !gatheredStatus)
        return gatheredStatus;
    return Publish(files, gathered, places.factoryBackup);
}

std::optional<std::string> RefusedBrandingFolder(FilePort& files, const BrandingPlaces& places)
{
    for (const std::string* path : {&places.legacyLogo, &places.legacyInfo, &places.logoFile, &places.factoryBackup}) {
        if (path->empty())
            continue;
        const std::string folder = Utf8FromPath(PathFromUtf8(*path).parent_path());
        if (const Status checked = files.CheckFolder(folder); !checked)
            return folder + " cannot be written: " + checked.error;
    }
    return std::nullopt;
}

bool HasFactoryBackup(const BrandingPlaces& places)
{
    return !places.factoryBackup.empty() && Exists(places.factoryBackup);
}

}  // namespace pelmora
