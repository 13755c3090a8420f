// An offline image's SOFTWARE hive as a store: what lands in the file, read back with hivex
// itself, and what a hive that must not or cannot be written does.
#include "platform/ProgramName.h"
#include "registry/HiveImage.h"
#include "registry/HiveRegistry.h"
#include "registry/ImageRegistry.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryChanges.h"
#include "registry/RegistryPaths.h"
#include "testing/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::HiveValue;
using testing::ReadBytes;
using testing::StoredText;
using testing::Utf16;
using testing::WindowsImage;

constexpr RegRoot kMachine = RegRoot::LocalMachine;
const std::string kOemKey = "SOFTWARE\\Pelmora\\Corvexa\\OEM";
const std::string kOemInHive = "Pelmora\\Corvexa\\OEM";
const std::string kFactsInHive = "Microsoft\\Windows NT\\CurrentVersion";

HiveRegistryOptions At(const std::string& path)
{
    HiveRegistryOptions options;
    options.path = path;
    options.syncToDisk = false;
    return options;
}

std::string Query(RegistryApi& api, const std::string& path, const std::string& name)
{
    RegKey key = 0;
    std::string bytes;
    if (api.OpenKey(kMachine, path, key) == kRegSuccess) {
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (api.QueryValue(key, name, &type, nullptr, &size) == kRegSuccess) {
            bytes.assign(size, '\0');
            api.QueryValue(key, name, &type, bytes.data(), &size);
        }
    }
    api.CloseKey(key);
    return bytes;
}

TEST(HiveRegistry, TheRegistrationFactsAreTheImages)
{
    const WindowsImage image({
        {kFactsInHive, "RegisteredOwner", kRegSz, Utf16(u"J\u00f6rg Doe") + Utf16({u"\0", 1})},
        {kFactsInHive, "RegisteredOrganization", kRegSz, Utf16({u"Acme\0", 5})},
        {kFactsInHive, "ProductId", kRegSz, Utf16({u"00330-80000-00000-AA111\0", 24})},
        {kFactsInHive, "ProductName", kRegSz, Utf16({u"Windows 10 Pro\0", 15})},
    });
    const auto registry = MakeImageRegistry(image.WindowsDir(), testing::MakeScratchRegistry());
    const struct {
        const char* name;
        const char* text;
    } facts[] = {
        {"RegisteredOwner", "J\xc3\xb6rg Doe"},
        {"registeredorganization", "Acme"},
        {"ProductId", "00330-80000-00000-AA111"},
        {"PRODUCTNAME", "Windows 10 Pro"},
    };
    for (const auto& fact : facts) {
        EXPECT_EQ(ReadRegString(*registry, kMachine, kCurrentVersionKey, fact.name, ""), fact.text) << fact.name;
        EXPECT_EQ(ReadRegString(*registry, kMachine, "SOFTWARE\\MICROSOFT\\windows nt\\CurrentVersion", fact.name, ""),
                  fact.text);
    }
}

struct StoredCase {
    const char* what;
    std::uint32_t type;
    std::string given;   // what the call gives back (UTF-8)
    std::string stored;  // what the hive holds afterwards
};

struct CallCase {
    const char* what;
    std::uint32_t type;
    std::string buffer;    // what the caller's buffer holds
    std::uint32_t size;    // the byte count the call gives
    std::string stored;    // what the hive holds afterwards
    std::string readBack;  // what RegQueryValueEx gives for it
};

TEST(HiveRegistry, ValuesAreStoredAsWindowsStoresThem)
{
    const CallCase cases[] = {
        {"text counted without its NUL", kRegSz, std::string("Acme\0", 5), 4, StoredText(u"Acme"),
         std::string("Acme\0", 5)},
        {"text counted with its NUL", kRegSz, std::string("Acme\0", 5), 5, StoredText(u"Acme"),
         std::string("Acme\0", 5)},
        {"text followed by no NUL", kRegSz, "Acmex", 4, Utf16(u"Acme"), "Acme"},
        {"empty text", kRegSz, std::string(1, '\0'), 0, "", ""},
        {"only a NUL", kRegSz, std::string(1, '\0'), 1, StoredText(u""), std::string(1, '\0')},
        {"text beyond any code page", kRegSz, "Caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80", 14,
         StoredText(u"Caf\u00e9 \u65e5 \U0001F600"), std::string("Caf\xc3\xa9 \xe6\x97\xa5 \xf0\x9f\x98\x80\0", 15)},
        {"expandable text", kRegExpandSz, "%WINDIR%\\x", 10, StoredText(u"%WINDIR%\\x"),
         std::string("%WINDIR%\\x\0", 11)},
        {"several texts", testing::kRegMultiSz, std::string("a\0b\0\0", 5), 5, Utf16({u"a\0b\0\0", 5}),
         std::string("a\0b\0\0", 5)},
        {"several texts, the last NUL not counted", testing::kRegMultiSz, std::string("a\0b\0\0", 5), 4,
         Utf16({u"a\0b\0", 4}), std::string("a\0b\0", 4)},
        {"a number", kRegDword, std::string("\x2a\0\0\0", 4), 4, std::string("\x2a\0\0\0", 4),
         std::string("\x2a\0\0\0", 4)},
        {"binary followed by a NUL", kRegBinary, std::string("Acme\0", 5), 4, "Acme", "Acme"},
    };
    const WindowsImage image;
    HiveRegistry hive(At(image.HivePath()));
    EXPECT_EQ(hive.CanChange(), kRegSuccess);
    for (const CallCase& c : cases) {
        SCOPED_TRACE(c.what);
        RegKey key = 0;
        ASSERT_EQ(hive.CreateKey(kMachine, kOemInHive, key), kRegSuccess);
        ASSERT_EQ(hive.SetValue(key, c.what, c.type, c.buffer.data(), c.size), kRegSuccess);
        hive.CloseKey(key);
        const auto stored = testing::ReadFromHive(image.HivePath(), kOemInHive, c.what);
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, c.type);
        EXPECT_EQ(stored->data, c.stored);
        EXPECT_EQ(Query(hive, kOemInHive, c.what), c.readBack);
    }
}

TEST(HiveRegistry, TextWrittenWithoutItsNulReadsBackAsItWasWritten)
{
    const char* const texts[] = {"Acme", "", "Caf\xc3\xa9 \xe2\x82\xac", "a=b ; c"};
    const WindowsImage image;
    HiveRegistry hive(At(image.HivePath()));
    for (const char* text : texts) {
        ASSERT_TRUE(WriteRegString(hive, kMachine, kOemInHive, "Model", text));
        EXPECT_EQ(ReadRegString(hive, kMachine, kOemInHive, "Model", "default"), text);
    }
    EXPECT_EQ(testing::ReadFromHive(image.HivePath(), kOemInHive, "Model")->data, StoredText(u"a=b ; c"));
}

TEST(HiveRegistry, WhatWindowsStoredReadsBackWhole)
{
    const StoredCase cases[] = {
        {"with its NUL", kRegSz, std::string("Acme\0", 5), Utf16({u"Acme\0", 5})},
        {"beyond the code page", kRegSz, std::string("\xe6\x97\xa5\xe6\x9c\xac\0", 7), Utf16({u"\u65e5\u672c\0", 3})},
        {"an odd last byte", kRegSz, "A", Utf16(u"A") + "B"},
        {"a lone surrogate", kRegSz, "\xef\xbf\xbdx", Utf16({u"\xd800x", 2})},
        {"a surrogate pair", kRegSz, "\xf0\x9f\x98\x80", Utf16(u"\U0001F600")},
    };
    std::vector<HiveValue> values;
    for (const StoredCase& c : cases)
        values.push_back({kOemInHive, c.what, c.type, c.stored});
    const WindowsImage image(values);
    HiveRegistry hive(At(image.HivePath()));
    for (const StoredCase& c : cases)
        EXPECT_EQ(Query(hive, kOemInHive, c.what), c.given) << c.what;
    EXPECT_EQ(ReadRegString(hive, kMachine, kOemInHive, "with its NUL", ""), "Acme");

    // With room to spare, the text that has no NUL of its own gets one after it, not counted.
    RegKey key = 0;
    ASSERT_EQ(hive.OpenKey(kMachine, kOemInHive, key), kRegSuccess);
    char buffer[4] = {'x', 'x', 'x', 'x'};
    std::uint32_t size = sizeof buffer;
    EXPECT_EQ(hive.QueryValue(key, "an odd last byte", nullptr, buffer, &size), kRegSuccess);
    EXPECT_EQ(size, 1u);
    EXPECT_EQ(std::string(buffer, 3), std::string("A\0x", 3));
    hive.CloseKey(key);
}

TEST(HiveRegistry, AValueKeepsTheNameItWasFirstWrittenWith)
{
    const WindowsImage image;
    const auto registry = MakeImageRegistry(image.WindowsDir(), testing::MakeScratchRegistry());
    ASSERT_TRUE(WriteRegString(*registry, kMachine, kOemKey, "web addres", "one"));
    ASSERT_TRUE(WriteRegString(*registry, kMachine, "software\\pelmora\\CORVEXA\\oem", "WEB ADDRES", "two"));
    // hivex itself folds ASCII letters only: these two must still be one value.
    ASSERT_TRUE(WriteRegString(*registry, kMachine, kOemKey, "\xc5\x93uvre", "three"));
    ASSERT_TRUE(WriteRegString(*registry, kMachine, kOemKey, "\xc5\x92UVRE", "four"));
    EXPECT_EQ(testing::ValueNamesInHive(image.HivePath(), kOemInHive),
              (std::vector<std::string>{"web addres", "\xc5\x93uvre"}));
    EXPECT_EQ(testing::ReadFromHive(image.HivePath(), kOemInHive, "web addres")->data, StoredText(u"two"));
    EXPECT_EQ(testing::ReadFromHive(image.HivePath(), kOemInHive, "\xc5\x93uvre")->data, StoredText(u"four"));
}

// Reads and writes through a store on a hive that cannot be written; says what was reported.
struct Outcome {
    std::string refusal;  // what CanChange said before any write
    std::string read;
    std::optional<std::string> readFailure;
    Status write;
    Status writeInGroup;
    std::string warnings;
};

Outcome TryHive(const std::string& path)
{
    Outcome outcome;
    ::testing::internal::CaptureStderr();
    {
        HiveRegistry hive(At(path));
        const long asked = hive.CanChange();
        EXPECT_NE(asked, kRegSuccess);
        outcome.refusal = hive.DescribeError(asked);
        const RegReadCheck reads(hive);
        outcome.read = ReadRegString(hive, kMachine, kOemInHive, "Model", "default");
        outcome.readFailure = reads.Failure();
        outcome.write = WriteRegString(hive, kMachine, kOemInHive, "Model", "new");
        WriteRegString(hive, kMachine, kOemInHive, "Manufacture", "new");
        RegistryChanges changes(hive);
        outcome.writeInGroup = WriteRegString(hive, kMachine, "Other", "Model", "new");
        EXPECT_TRUE(changes.Commit());  // nothing to commit
    }
    outcome.warnings = ::testing::internal::GetCapturedStderr();
    return outcome;
}

TEST(HiveRegistry, AHiveThatMustNotOrCannotBeWrittenSaysWhyAndStaysAsItWas)
{
    const std::string hive = ReadBytes(WindowsImage({{kOemInHive, "Model", kRegSz, Utf16(u"stored")}}).HivePath());
    std::string badChecksum = hive;
    badChecksum[0x30] ^= 1;
    const struct {
        const char* what;
        std::string bytes;
        fs::perms mode;
        const char* read;
        std::vector<const char*> said;
    } cases[] = {
        {"left unfinished by Windows", hive, fs::perms::owner_read | fs::perms::owner_write, "stored",
         {"not written", "hibernated", "fast start-up", "shut it down fully"}},
        {"read-only", hive, fs::perms::owner_read | fs::perms::group_read, "stored", {"is read-only"}},
        {"not a hive", std::string(8192, 'x'), fs::perms::owner_read | fs::perms::owner_write, "default",
         {"is not a registry hive"}},
        {"truncated", hive.substr(0, 6000), fs::perms::owner_read | fs::perms::owner_write, "default",
         {"is truncated"}},
        {"cut inside its header", hive.substr(0, 100), fs::perms::owner_read | fs::perms::owner_write, "default",
         {"is truncated"}},
        {"damaged", badChecksum, fs::perms::owner_read | fs::perms::owner_write, "default", {"is damaged"}},
        {"empty", "", fs::perms::owner_read | fs::perms::owner_write, "default", {"is not a registry hive"}},
    };
    testing::TempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.File(c.what);
        std::ofstream(path, std::ios::binary) << c.bytes;
        if (std::string(c.what) == "left unfinished by Windows")
            testing::MarkUnfinished(path);
        fs::permissions(path, c.mode);
        const std::string before = ReadBytes(path);

        const Outcome outcome = TryHive(path);
        EXPECT_EQ(outcome.read, c.read);
        // A hive that cannot be read is no empty value: the read counts as failed, naming the file.
        EXPECT_EQ(outcome.readFailure.has_value(), std::string(c.read) == "default");
        if (outcome.readFailure) {
            EXPECT_NE(outcome.readFailure->find(path), std::string::npos) << *outcome.readFailure;
        }
        EXPECT_FALSE(outcome.write);
        EXPECT_NE(outcome.write.error.find(path), std::string::npos) << outcome.write.error;
        for (const char* words : c.said)
            EXPECT_NE(outcome.write.error.find(words), std::string::npos) << outcome.write.error;
        EXPECT_EQ(outcome.writeInGroup.error, outcome.write.error);
        EXPECT_EQ(outcome.refusal, outcome.write.error);
        EXPECT_EQ(outcome.warnings, RunningExecutableName("pelmora") + ": warning: " + outcome.write.error + "\n");
        EXPECT_EQ(ReadBytes(path), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()),
                  &c - cases + 1) << "a file was left beside the hive";
    }
}

TEST(HiveRegistry, AMissingHiveSaysSo)
{
    testing::TempDir dir;
    const Outcome outcome = TryHive(dir.File("SOFTWARE"));
    EXPECT_EQ(outcome.read, "default");
    EXPECT_EQ(outcome.readFailure, outcome.write.error);
    EXPECT_EQ(outcome.write.error, "cannot open the registry hive " + dir.File("SOFTWARE") + ": No such file or directory");
    EXPECT_TRUE(fs::is_empty(dir.Path()));
}

TEST(HiveRegistry, AFailedCommitLeavesTheHiveByteForByteAndDropsTheChange)
{
    for (const HiveCommitStep failing :
         {HiveCommitStep::TempCreated, HiveCommitStep::TempWritten, HiveCommitStep::TempFlushed}) {
        SCOPED_TRACE(static_cast<int>(failing));
        const WindowsImage image({{kOemInHive, "Model", kRegSz, Utf16(u"stored")}});
        fs::permissions(image.HivePath(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
        const std::string before = ReadBytes(image.HivePath());
        bool fail = true;
        HiveRegistryOptions options = At(image.HivePath());
        options.syncToDisk = true;
        options.commitProbe = [&](HiveCommitStep step) { return !(fail && step == failing); };
        HiveRegistry hive(options);

        const Status write = WriteRegString(hive, kMachine, kOemInHive, "Model", "new");
        EXPECT_FALSE(write);
        EXPECT_EQ(write.error, "cannot save the registry hive " + image.HivePath() + ": Operation canceled");
        EXPECT_EQ(ReadBytes(image.HivePath()), before);
        EXPECT_EQ(ReadRegString(hive, kMachine, kOemInHive, "Model", ""), "stored");
        EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(image.HivePath()).parent_path()),
                                fs::directory_iterator()),
                  1) << "the new file was left beside the hive";

        fail = false;
        EXPECT_TRUE(WriteRegString(hive, kMachine, kOemInHive, "Model", "new"));
        EXPECT_EQ(testing::ReadFromHive(image.HivePath(), kOemInHive, "Model")->data, StoredText(u"new"));
        EXPECT_EQ(fs::status(image.HivePath()).permissions(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    }
}

TEST(HiveRegistry, ACommandsChangesLandInOneCommitOrNotAtAll)
{
    const WindowsImage image;
    int commits = 0;
    HiveRegistryOptions options = At(image.HivePath());
    options.commitProbe = [&](HiveCommitStep step) { return commits += step == HiveCommitStep::TempCreated, true; };
    HiveRegistry hive(options);
    {
        RegistryChanges changes(hive);
        for (const char* name : {"Manufacture", "Model", "web addres"})
            ASSERT_TRUE(WriteRegString(hive, kMachine, kOemInHive, name, name));
        EXPECT_EQ(commits, 0);
        EXPECT_TRUE(changes.Commit());
    }
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(testing::ValueNamesInHive(image.HivePath(), kOemInHive),
              (std::vector<std::string>{"Manufacture", "Model", "web addres"}));

    const std::string before = ReadBytes(image.HivePath());
    {
        RegistryChanges abandoned(hive);
        ASSERT_TRUE(WriteRegString(hive, kMachine, kOemInHive, "Model", "changed"));
        ASSERT_TRUE(WriteRegString(hive, kMachine, "Pelmora\\Other", "x", "y"));
    }
    EXPECT_EQ(commits, 1);
    EXPECT_EQ(ReadBytes(image.HivePath()), before);
    EXPECT_EQ(ReadRegString(hive, kMachine, kOemInHive, "Model", ""), "Model");
    RegKey key = 0;
    EXPECT_EQ(hive.OpenKey(kMachine, "Pelmora\\Other", key), kRegFileNotFound);
}

TEST(HiveRegistry, TheTopOfTheHiveIsNeverDeleted)
{
    const WindowsImage image({{kOemInHive, "Model", kRegSz, Utf16(u"stored")}});
    const auto registry = MakeImageRegistry(image.WindowsDir(), testing::MakeScratchRegistry());
    const std::string before = ReadBytes(image.HivePath());
    ::testing::internal::CaptureStderr();
    const long code = registry->DeleteTree(kMachine, "Software");
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(code, kRegAccessDenied);
    EXPECT_NE(registry->DescribeError(code).find("cannot be deleted"), std::string::npos);
    EXPECT_EQ(ReadBytes(image.HivePath()), before);
}

}  // namespace
}  // namespace pelmora
