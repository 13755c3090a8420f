// What ReadRegString and WriteRegString ask of the store: exact sizes, every key closed, failures
// passed on.
#include "registry/ForwardingRegistry.h"
#include "registry/RegString.h"
#include "testing/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <map>

namespace pelmora {
namespace {

struct SetCall {
    std::string name;
    std::uint32_t type;
    std::string bytes;
};

// Forwards to a real store, counting keys left open and recording writes; chosen entry points fail.
class RecordingRegistry : public ForwardingRegistry {
public:
    explicit RecordingRegistry(RegistryApi& inner) : ForwardingRegistry(inner) {}

    long OpenKey(RegRoot root, const std::string& path, RegKey& key) override
    {
        return Count(ForwardingRegistry::OpenKey(root, path, key));
    }
    long CreateKey(RegRoot root, const std::string& path, RegKey& key) override
    {
        if (failCreate)
            return key = 0, failCreate;
        return Count(ForwardingRegistry::CreateKey(root, path, key));
    }
    long SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                  std::uint32_t size) override
    {
        sets.push_back({name, type, std::string(data, size)});
        return failSet ? failSet : ForwardingRegistry::SetValue(key, name, type, data, size);
    }
    long CloseKey(RegKey key) override
    {
        const long code = ForwardingRegistry::CloseKey(key);
        if (code == kRegSuccess)
            --openKeys;
        return code;
    }

    int openKeys = 0;
    long failCreate = 0;
    long failSet = 0;
    std::vector<SetCall> sets;

private:
    long Count(long code)
    {
        if (code == kRegSuccess)
            ++openKeys;
        return code;
    }
};

constexpr RegRoot kMachine = RegRoot::LocalMachine;
const std::string kKey = "SOFTWARE\\Pelmora\\Corvexa\\OEM";

class RegStringCalls : public ::testing::Test {
protected:
    std::unique_ptr<RegistryApi> m_Store = testing::MakeScratchRegistry();
    RecordingRegistry m_Api{*m_Store};
};

TEST_F(RegStringCalls, TextIsWrittenAsRegSzOfItsLengthWithoutNul)
{
    const struct {
        const char* text;
        std::string bytes;
    } cases[] = {{"Acme", "Acme"}, {"", ""}, {"Caf\xc3\xa9 \xe2\x82\xac", "Caf\xc3\xa9 \xe2\x82\xac"},
                 {"\xe6\x97\xa5 \xf0\x9f\x98\x80", "\xe6\x97\xa5 \xf0\x9f\x98\x80"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        m_Api.sets.clear();
        EXPECT_TRUE(WriteRegString(m_Api, kMachine, kKey, "Model", c.text));
        ASSERT_EQ(m_Api.sets.size(), 1u);
        EXPECT_EQ(m_Api.sets[0].name, "Model");
        EXPECT_EQ(m_Api.sets[0].type, kRegSz);
        EXPECT_EQ(m_Api.sets[0].bytes, c.bytes);
        EXPECT_EQ(m_Api.openKeys, 0);
    }
}

TEST_F(RegStringCalls, EveryReadClosesItsKey)
{
    RegKey key = 0;
    ASSERT_EQ(m_Store->CreateKey(kMachine, kKey, key), kRegSuccess);
    ASSERT_EQ(m_Store->SetValue(key, "Number", kRegDword, "\1\0\0\0", 4), kRegSuccess);
    ASSERT_EQ(m_Store->SetValue(key, "Text", kRegSz, "x", 1), kRegSuccess);
    m_Store->CloseKey(key);

    for (const char* name : {"Number", "Text", "Missing"}) {
        ReadRegString(m_Api, kMachine, kKey, name, "");
        EXPECT_EQ(m_Api.openKeys, 0) << name;
    }
    ReadRegString(m_Api, kMachine, "Software\\Missing", "Text", "");
    EXPECT_EQ(m_Api.openKeys, 0);
}

TEST_F(RegStringCalls, AFailedWriteSaysWhy)
{
    m_Api.failSet = kRegAccessDenied;
    const Status set = WriteRegString(m_Api, kMachine, kKey, "Model", "x");
    EXPECT_FALSE(set);
    EXPECT_EQ(set.error, m_Store->DescribeError(kRegAccessDenied));
    EXPECT_FALSE(set.error.empty());
    EXPECT_EQ(m_Api.openKeys, 0);

    m_Api.failCreate = kRegAccessDenied;
    m_Api.sets.clear();
    EXPECT_FALSE(WriteRegString(m_Api, kMachine, kKey, "Model", "x"));
    EXPECT_TRUE(m_Api.sets.empty());
    EXPECT_EQ(ReadRegString(m_Api, kMachine, kKey, "Model", "none"), "none");
}

}  // namespace
}  // namespace pelmora
