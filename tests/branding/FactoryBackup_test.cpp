#include "branding/FactoryBackup.h"

#include "BrandingTestBed.h"
#include "branding/OemInformation.h"
#include "platform/FolderEntries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::BrandingTestBed;

using Values = std::vector<RegValueEntry>;

// A key's values as (name, type, bytes), sorted, so two states compare whole.
using ValueSet = std::vector<std::tuple<std::string, std::uint32_t, std::string>>;

std::optional<ValueSet> Sorted(const std::optional<Values>& values)
{
    if (!values)
        return std::nullopt;
    ValueSet set;
    for (const RegValueEntry& value : *values)
        set.emplace_back(value.name, value.type, value.data);
    std::sort(set.begin(), set.end());
    return set;
}

std::vector<std::string> Listing(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(PathFromUtf8(folder), error))
        names.push_back(Utf8FromPath(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

// Every file and value the backup covers, as the installation has them now.
struct Snapshot {
    std::optional<std::string> legacyLogo, legacyInfo, logo;
    std::optional<ValueSet> key;

    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(BrandingTestBed& bed)
{
    return {bed.FileBytes(bed.places.legacyLogo), bed.FileBytes(bed.places.legacyInfo),
            bed.FileBytes(bed.places.logoFile), Sorted(bed.OemInformationKey())};
}

// A factory branding with bytes a text conversion would spoil, and values of several types.
void PutFactoryBranding(BrandingTestBed& bed)
{
    bed.PutFile(bed.places.legacyLogo, std::string("BM\0\xff legacy\r\n", 13));
    bed.PutFile(bed.places.legacyInfo, "[General]\r\nManufacturer=Factory\r\n");
    bed.PutFile(bed.places.logoFile, std::string("BM\x20\0\0\0 factory 32-bit", 22));
    bed.SetOemValue("Manufacturer", kRegSz, std::string("Factory\0", 8));
    bed.SetOemValue("Logo", kRegExpandSz, std::string("%SystemRoot%\\System32\\oemlogo.bmp\0", 34));
    bed.SetOemValue("HelpCustomized", kRegDword, std::string("\0\0\0\0", 4));
}

// What the program's commands would do to it afterwards.
void Rebrand(BrandingTestBed& bed)
{
    bed.PutFile(bed.places.legacyLogo, "BM new");
    bed.PutFile(bed.places.legacyInfo, "[GENERAL]\r\nMANUFACTURER=Contoso\r\n");
    bed.PutFile(bed.places.logoFile, "BM new 32");
    WriteOemValues(bed.registry, ManufacturerAndModel("Contoso", "X1"));
    WriteOemValues(bed.registry, SupportLinks("https://contoso.example", "555"));
    WriteOemValues(bed.registry, LogoValue(bed.places));
}

TEST(FactoryBackup, IsTakenOnceAndNeverOverwritten)
{
    BrandingTestBed bed;
    PutFactoryBranding(bed);
    ASSERT_FALSE(HasFactoryBackup(bed.places));
    ASSERT_TRUE(EnsureFactoryBackup(bed.files, bed.registry, bed.places));
    ASSERT_TRUE(HasFactoryBackup(bed.places));
    const std::vector<std::string> saved = Listing(bed.places.factoryBackup);
    EXPECT_EQ(saved, (std::vector<std::string>{"System-oeminfo.ini", "System-oemlogo.bmp", "System32-oemlogo.bmp",
                                               "record.txt"}));
    EXPECT_EQ(bed.FileBytes(JoinPath(bed.places.factoryBackup, "System-oemlogo.bmp")), bed.FileBytes(bed.places.legacyLogo));
    const auto record = bed.FileBytes(JoinPath(bed.places.factoryBackup, "record.txt"));

    Rebrand(bed);
    const int writes = bed.files.writes;
    ASSERT_TRUE(EnsureFactoryBackup(bed.files, bed.registry, bed.places));
    EXPECT_EQ(bed.files.writes, writes);
    EXPECT_EQ(Listing(bed.places.factoryBackup), saved);
    EXPECT_EQ(bed.FileBytes(JoinPath(bed.places.factoryBackup, "record.txt")), record);
    EXPECT_EQ(Listing(fs::path(PathFromUtf8(bed.places.factoryBackup)).parent_path().string()),
              std::vector<std::string>{"factory-branding"});
}

TEST(FactoryBackup, RestorePutsBackEveryByteAndType)
{
    BrandingTestBed bed;
    PutFactoryBranding(bed);
    const Snapshot factory = Take(bed);
    ASSERT_TRUE(EnsureFactoryBackup(bed.files, bed.registry, bed.places));
    Rebrand(bed);
    ASSERT_NE(Take(bed), factory);

    const FactoryRestore restore = RestoreFactoryBranding(bed.files, bed.registry, bed.places);
    EXPECT_EQ(restore.refusal, std::nullopt);
    EXPECT_TRUE(AllDone(restore.steps));
    EXPECT_EQ(Take(bed), factory);
    EXPECT_TRUE(HasFactoryBackup(bed.places));
}

TEST(FactoryBackup, WhatDidNotExistIsRemovedOnRestore)
{
    BrandingTestBed bed;
    ASSERT_TRUE(EnsureFactoryBackup(bed.files, bed.registry, bed.places));
    Rebrand(bed);
    const FactoryRestore restore = RestoreFactoryBranding(bed.files, bed.registry, bed.places);
    EXPECT_TRUE(AllDone(restore.steps));
    EXPECT_EQ(Take(bed), Snapshot{});
}

TEST(FactoryBackup, ValuesOthersAddedSinceStay)
{
    const struct {
        const char* what;
        bool keyExisted;
    } cases[] = {{"the key existed", true}, {"the key did not exist", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BrandingTestBed bed;
        if (c.keyExisted)
            bed.SetOemValue("Model", kRegSz, "Factory model");
        ASSERT_TRUE(EnsureFactoryBackup(bed.files, bed.registry, bed.places));
        Rebrand(bed);
        bed.SetOemValue("OemNote", kRegSz, "9-5");
        EXPECT_TRUE(AllDone(RestoreFactoryBranding(bed.files, bed.registry, bed.places).steps));
        Values expected{{"OemNote", kRegSz, "9-5"}};
        if (c.keyExisted)
            expected.insert(expected.begin(), {"Model", kRegSz, "Factory model"});
        const std::optional<Values> key = bed.OemInformationKey();
        ASSERT_TRUE(key);
        EXPECT_EQ(key->size(), expected.size());
        for (const RegValueEntry& value : *key) {
            EXPECT_NE(std::find_if(expected.begin(), expected.end(),
                                   [&](const RegValueEntry& e) { return e.name == value.name && e.type == value.type &&
                                                                        e.data == testing::StoredText(value.data); }),
                      expected.end())
                << value.name;
        }
    }
}

TEST(FactoryBackup, RestoreWithoutABackupRefusesAndChangesNothing)
{
    BrandingTestBed bed;
    Rebrand(bed);
    const Snapshot before = Take(bed);
    const FactoryRestore restore = RestoreFactoryBranding(bed.files, bed.registry, bed.places);
    EXPECT_EQ(restore.refusal, "There is no factory backup at " + bed.places.factoryBackup + ". Nothing was changed.");
    EXPECT_TRUE(restore.steps.empty());
    EXPECT_EQ(Take(bed), before);
}

TEST(FactoryBackup, ADamagedBackupRefusesAndChangesNothing)
{
    const struct {
        const char* what;
        const char* file;
        const char* bytes;  // null: the file is deleted
        const char* refusal;
    } cases[] = {
        {"record rewritten", "record.txt", "Pelmora factory branding 1\nfile legacy-logo saved\nbogus\n", "line 3"},
        {"record cut short", "record.txt", "Pelmora factory branding 1\nfile legacy-logo saved\n", "incomplete"},
        {"record gone", "record.txt", nullptr, "could not be read"},
        {"a copy gone", "System32-oemlogo.bmp", nullptr, "System32-oemlogo.bmp could not be read"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BrandingTestBed bed;
        PutFactoryBranding(bed);
        ASSERT_TRUE(EnsureFactoryBackup(bed.files, bed.registry, bed.places));
        const std::string damaged = JoinPath(bed.places.factoryBackup, c.file);
        c.bytes ? bed.PutFile(damaged, c.bytes) : static_cast<void>(fs::remove(PathFromUtf8(damaged)));
        Rebrand(bed);
        const Snapshot before = Take(bed);
        const FactoryRestore restore = RestoreFactoryBranding(bed.files, bed.registry, bed.places);
        ASSERT_TRUE(restore.refusal);
        EXPECT_NE(restore.refusal->find(c.refusal), std::string::npos) << *restore.refusal;
        EXPECT_EQ(Take(bed), before);
    }
}

// Fails every write into a folder of the given name part, as a full disk would.
class FailingWritesUnder : public testing::FaultyFiles {
public:
    FailingWritesUnder(FilePort& real, std::string part) : FaultyFiles(real), m_Part(std::move(part)) {}
    Status WriteFile(const std::string& path, std::string_view bytes) override
    {
        if (path.find(m_Part) != std::string::npos)
            return Status::Failed("No space left on device");
        return FaultyFiles::WriteFile(path, bytes);
    }

private:
    std::string m_Part;
};

TEST(FactoryBackup, ABackupThatCannotBeTakenLeavesNoTrace)
{
    BrandingTestBed bed;
    PutFactoryBranding(bed);
    const Snapshot factory = Take(bed);

    bed.files.FailReads(bed.places.legacyInfo, "Access is denied");
    const Status unread = EnsureFactoryBackup(bed.files, bed.registry, bed.places);
    EXPECT_EQ(unread.error, bed.places.legacyInfo + " could not be read: Access is denied");
    bed.files.Heal();

    FailingWritesUnder full(bed.realFiles, ".factory-branding-");
    const Status unwritten = EnsureFactoryBackup(full, bed.registry, bed.places);
    EXPECT_EQ(unwritten.error, "No space left on device");

    EXPECT_FALSE(HasFactoryBackup(bed.places));
    EXPECT_EQ(Listing(fs::path(PathFromUtf8(bed.places.factoryBackup)).parent_path().string()), std::vector<std::string>{});
    EXPECT_EQ(Take(bed), factory);

    BrandingPlaces nowhere = bed.places;
    nowhere.factoryBackup.clear();
    EXPECT_FALSE(EnsureFactoryBackup(bed.files, bed.registry, nowhere));
    EXPECT_TRUE(RestoreFactoryBranding(bed.files, bed.registry, nowhere).refusal);
}

}  // namespace
}  // namespace pelmora
