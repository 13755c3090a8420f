// The registry rules every store must keep, run against the store this build uses (the SQLite
// file off Windows, advapi32 on Windows under Wine here) and, off Windows, against an offline
// image's SOFTWARE hive beside the SQLite file.
#include "registry/RegString.h"
#include "registry/SettingsStore.h"
#include "testing/ScratchRegistry.h"

#ifndef _WIN32
#include "registry/HiveImage.h"
#endif

#include <gtest/gtest.h>

#include <string>

namespace pelmora {
namespace {

constexpr RegRoot kMachine = RegRoot::LocalMachine;
const std::string kKey = "Software\\PelmoraTest\\Values";

// Stores raw bytes as another program would.
void StoreRaw(RegistryApi& api, const std::string& path, const std::string& name, std::uint32_t type,
              const std::string& bytes)
{
    RegKey key = 0;
    ASSERT_EQ(api.CreateKey(kMachine, path, key), kRegSuccess);
    EXPECT_EQ(api.SetValue(key, name, type, bytes.data(), static_cast<std::uint32_t>(bytes.size())), kRegSuccess);
    api.CloseKey(key);
}

struct Stored {
    std::uint32_t type = kRegNone;
    std::string bytes;
    long code = -1;
};

Stored QueryRaw(RegistryApi& api, const std::string& path, const std::string& name)
{
    Stored stored;
    RegKey key = 0;
    if ((stored.code = api.OpenKey(kMachine, path, key)) != kRegSuccess)
        return stored;
    std::uint32_t size = 0;
    stored.code = api.QueryValue(key, name, &stored.type, nullptr, &size);
    if (stored.code == kRegSuccess) {
        stored.bytes.assign(size, '\0');
        stored.code = api.QueryValue(key, name, &stored.type, stored.bytes.data(), &size);
        stored.bytes.resize(size);
    }
    api.CloseKey(key);
    return stored;
}

struct StoreKind {
    const char* name;
    std::unique_ptr<RegistryApi> (*make)();
    // Keeps text as advapi32 does: text given without its NUL is stored with the NUL that follows it.
    bool countsInTheNul;
    // Keeps text given without a NUL and followed by none as it is (advapi32 adds one).
    bool keepsTextWithoutNul;
};

class RegistryRoundTrip : public ::testing::TestWithParam<StoreKind> {
protected:
    std::unique_ptr<RegistryApi> m_Api = GetParam().make();

    // The text the ANSI query gives back for text written without its NUL.
    std::string StoredText(const std::string& queried) const
    {
        if (!GetParam().countsInTheNul)
            return queried;
        EXPECT_TRUE(!queried.empty() && queried.back() == '\0') << "no NUL was stored after the text";
        return queried.substr(0, queried.empty() ? 0 : queried.size() - 1);
    }
};

TEST_P(RegistryRoundTrip, TextIsStoredAsRegSzWithoutItsNul)
{
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, kKey, "Manufacture", "Acme"));
    const Stored stored = QueryRaw(*m_Api, kKey, "Manufacture");
    EXPECT_EQ(stored.code, kRegSuccess);
    EXPECT_EQ(stored.type, kRegSz);
    EXPECT_EQ(StoredText(stored.bytes), "Acme");
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, kKey, "Manufacture", "default"), "Acme");
}

struct RawCase {
    const char* what;
    std::uint32_t type;
    std::string bytes;
    const char* expected;
};

TEST_P(RegistryRoundTrip, ReadingFollowsTheTypeAndNulRules)
{
    const RawCase cases[] = {
        {"with its terminating NUL", kRegSz, std::string("Acme\0", 5), "Acme"},
        {"embedded NUL", kRegSz, std::string("Ac\0me", 5), "Ac"},
        {"empty text", kRegSz, "", ""},
        {"a number", kRegDword, std::string("\x2a\0\0\0", 4), "default"},
        {"an expandable text", kRegExpandSz, std::string("%WINDIR%\0", 9), "default"},
        {"binary", kRegBinary, "Acme", "default"},
        {"text of any script", kRegSz, "Caf\xc3\xa9 \xe6\x97\xa5", "Caf\xc3\xa9 \xe6\x97\xa5"},
    };
    for (const RawCase& c : cases) {
        SCOPED_TRACE(c.what);
        StoreRaw(*m_Api, kKey, c.what, c.type, c.bytes);
        EXPECT_EQ(ReadRegString(*m_Api, kMachine, kKey, c.what, "default"), c.expected);
    }
}

TEST_P(RegistryRoundTrip, WrittenTextComesBackUnchanged)
{
    const char* texts[] = {"", "Acme", "two  blanks ", "Caf\xc3\xa9 \xe2\x82\xac 5", "tab\tand\r\nlines"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(WriteRegString(*m_Api, kMachine, kKey, "Model", text));
        EXPECT_EQ(ReadRegString(*m_Api, kMachine, kKey, "Model", "default"), text);
    }
}

TEST_P(RegistryRoundTrip, AMissingKeyReadsAsTheDefaultAndCreatesNothing)
{
    const std::string missing = "Software\\PelmoraTest\\Missing";
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, missing, "Model", "default"), "default");
    RegKey key = 0;
    EXPECT_EQ(m_Api->OpenKey(kMachine, missing, key), kRegFileNotFound);
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, kKey, "Missing value", ""), "");
}

TEST_P(RegistryRoundTrip, TheEmptyNameIsTheDefaultValue)
{
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, kKey, "", "C:\\LOGO.BMP"));
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, kKey, "named", "other"));
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, kKey, "", ""), "C:\\LOGO.BMP");
    EXPECT_EQ(StoredText(QueryRaw(*m_Api, kKey, "").bytes), "C:\\LOGO.BMP");
}

TEST_P(RegistryRoundTrip, AWriteCreatesTheWholePath)
{
    const std::string deep = "Software\\PelmoraTest\\a\\b\\c\\d";
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, deep, "leaf", "x"));
    for (const char* path : {"Software\\PelmoraTest\\a", "Software\\PelmoraTest\\a\\b\\c"}) {
        RegKey key = 0;
        EXPECT_EQ(m_Api->OpenKey(kMachine, path, key), kRegSuccess) << path;
        m_Api->CloseKey(key);
    }
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, deep, "leaf", ""), "x");
}

TEST_P(RegistryRoundTrip, NamesMatchInAnyLetterCaseAndKeepTheirOwn)
{
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, "SOFTWARE\\PelmoraTest\\Case", "web addres", "one"));
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, "software\\pelmoratest\\CASE", "WEB ADDRES", ""), "one");
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, "Software\\PELMORATEST\\case", "Web Addres", "two"));
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, "SOFTWARE\\PelmoraTest\\Case", "web addres", ""), "two");

    // Beyond ASCII too: é and É, œ and Œ are one letter in two cases.
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, "Software\\Caf\xc3\xa9", "\xc5\x93uvre", "three"));
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, "Software\\CAF\xc3\x89", "\xc5\x92UVRE", ""), "three");

    RegKey key = 0;
    ASSERT_EQ(m_Api->OpenKey(kMachine, "Software\\PelmoraTest\\Case", key), kRegSuccess);
    std::vector<RegValueEntry> values;
    EXPECT_EQ(m_Api->EnumValues(key, values), kRegSuccess);
    m_Api->CloseKey(key);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].name, "web addres");
}

TEST_P(RegistryRoundTrip, RootsAreSeparate)
{
    ASSERT_TRUE(WriteRegString(*m_Api, RegRoot::CurrentUser, kKey, "Model", "user"));
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, kKey, "Model", "none"), "none");
    EXPECT_EQ(ReadRegString(*m_Api, RegRoot::CurrentUser, kKey, "Model", "none"), "user");
}

TEST_P(RegistryRoundTrip, QueryReportsTheSizeNeeded)
{
    StoreRaw(*m_Api, kKey, "Model", kRegSz, "Contoso");
    RegKey key = 0;
    ASSERT_EQ(m_Api->OpenKey(kMachine, kKey, key), kRegSuccess);
    char small[3] = {'x', 'x', 'x'};
    std::uint32_t size = sizeof small;
    std::uint32_t type = kRegNone;
    EXPECT_EQ(m_Api->QueryValue(key, "Model", &type, small, &size), kRegMoreData);
    EXPECT_EQ(type, kRegSz);
    std::string buffer(size, ' ');
    EXPECT_EQ(m_Api->QueryValue(key, "Model", &type, buffer.data(), &size), kRegSuccess);
    EXPECT_EQ(StoredText(buffer.substr(0, size)), "Contoso");
    EXPECT_EQ(m_Api->QueryValue(key, "Nothing", &type, nullptr, &size), kRegFileNotFound);
    EXPECT_EQ(m_Api->CloseKey(key), kRegSuccess);
}

struct BufferCase {
    const char* what;
    std::uint32_t type;
    std::string given;     // what the writer's buffer holds; `size` of it is counted
    std::uint32_t size;
    std::uint32_t room;    // the reader's buffer, which starts as all 'x'
    std::string buffer;    // the reader's buffer afterwards
    std::uint32_t needed;  // the size the query reports
    bool withoutNul;       // text stored without a NUL of its own
};

// Every store hands data out as advapi32's ANSI query does: text without a NUL of its own gets one
// where the buffer has room, not counted; nothing is written beyond the data otherwise.
TEST_P(RegistryRoundTrip, QueryFillsTheBufferAsTheAnsiCallDoes)
{
    const BufferCase cases[] = {
        {"text with room for a NUL", kRegSz, "Acmex", 4, 6, std::string("Acme\0x", 6), 4, true},
        {"text filling the buffer", kRegSz, "Acmex", 4, 4, "Acmexx", 4, true},
        {"text with its own NUL", kRegSz, std::string("Acme\0", 5), 5, 7, std::string("Acme\0xx", 7), 5, false},
        {"expandable text", kRegExpandSz, "%W%x", 3, 5, std::string("%W%\0x", 5), 3, true},
        {"empty text", kRegSz, "x", 0, 2, std::string("\0x", 2), 0, false},
        {"binary", kRegBinary, "Acmex", 4, 6, "Acmexx", 4, false},
    };
    RegKey key = 0;
    ASSERT_EQ(m_Api->CreateKey(kMachine, kKey, key), kRegSuccess);
    for (const BufferCase& c : cases) {
        if (c.withoutNul && !GetParam().keepsTextWithoutNul)
            continue;
        SCOPED_TRACE(c.what);
        ASSERT_EQ(m_Api->SetValue(key, c.what, c.type, c.given.data(), c.size), kRegSuccess);
        std::string buffer(c.buffer.size(), 'x');
        std::uint32_t size = c.room;
        EXPECT_EQ(m_Api->QueryValue(key, c.what, nullptr, buffer.data(), &size), kRegSuccess);
        EXPECT_EQ(buffer, c.buffer);
        EXPECT_EQ(size, c.needed);
    }
    char buffer[4];
    EXPECT_EQ(m_Api->QueryValue(key, "binary", nullptr, buffer, nullptr), kRegInvalidParameter);
    m_Api->CloseKey(key);
}

TEST_P(RegistryRoundTrip, ListsAndDeletes)
{
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, "Software\\PelmoraTest\\List\\One", "a", "1"));
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, "Software\\PelmoraTest\\List\\Two\\Deep", "b", "2"));
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, "Software\\PelmoraTest\\List", "c", "3"));
    ASSERT_TRUE(WriteRegString(*m_Api, kMachine, "Software\\PelmoraTest\\Listing", "d", "4"));

    RegKey key = 0;
    ASSERT_EQ(m_Api->OpenKey(kMachine, "Software\\PelmoraTest\\List", key), kRegSuccess);
    std::vector<std::string> names;
    EXPECT_EQ(m_Api->EnumSubKeys(key, names), kRegSuccess);
    EXPECT_EQ(names, (std::vector<std::string>{"One", "Two"}));
    EXPECT_EQ(m_Api->DeleteValue(key, "C"), kRegSuccess);
    EXPECT_EQ(m_Api->DeleteValue(key, "c"), kRegFileNotFound);
    m_Api->CloseKey(key);

    RegKey doomed = 0;
    ASSERT_EQ(m_Api->OpenKey(kMachine, "Software\\PelmoraTest\\List\\One", doomed), kRegSuccess);
    EXPECT_EQ(m_Api->DeleteTree(kMachine, "software\\pelmoratest\\list"), kRegSuccess);
    EXPECT_NE(m_Api->SetValue(doomed, "a", kRegSz, "x", 1), kRegSuccess);  // no write brings it back
    m_Api->CloseKey(doomed);
    EXPECT_EQ(m_Api->OpenKey(kMachine, "Software\\PelmoraTest\\List\\Two", key), kRegFileNotFound);
    EXPECT_EQ(m_Api->OpenKey(kMachine, "Software\\PelmoraTest\\List", key), kRegFileNotFound);
    EXPECT_EQ(ReadRegString(*m_Api, kMachine, "Software\\PelmoraTest\\Listing", "d", ""), "4");
    EXPECT_EQ(m_Api->DeleteTree(kMachine, "Software\\PelmoraTest\\List"), kRegFileNotFound);
}

TEST_P(RegistryRoundTrip, SettingsComeBackAndAStoredEmptyTextIsAValue)
{
    SettingsStore settings(*m_Api);
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "none");
    ASSERT_TRUE(settings.SaveSetting("pelmora", "Run", "Run", "41"));
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "41");
    EXPECT_EQ(ReadRegString(*m_Api, RegRoot::CurrentUser, "Software\\Pelmora\\pelmora\\Run", "Run", ""), "41");
    ASSERT_TRUE(settings.SaveSetting("pelmora", "Run", "Run", ""));
    EXPECT_EQ(settings.GetSetting("pelmora", "Run", "Run", "none"), "");
}

TEST_P(RegistryRoundTrip, NoKeyIsRefused)
{
    std::uint32_t size = 0;
    EXPECT_NE(m_Api->QueryValue(0, "x", nullptr, nullptr, &size), kRegSuccess);
    EXPECT_NE(m_Api->SetValue(0, "x", kRegSz, "x", 1), kRegSuccess);
    EXPECT_NE(m_Api->CloseKey(0), kRegSuccess);
}

const StoreKind kStores[] = {
#ifdef _WIN32
    {"BuildsStore", testing::MakeScratchRegistry, true, false},
#else
    {"BuildsStore", testing::MakeScratchRegistry, false, true},
    {"WindowsImage", testing::MakeScratchImageRegistry, true, true},
#endif
};

INSTANTIATE_TEST_SUITE_P(Stores, RegistryRoundTrip, ::testing::ValuesIn(kStores),
                         [](const ::testing::TestParamInfo<StoreKind>& info) { return info.param.name; });

}  // namespace
}  // namespace pelmora
