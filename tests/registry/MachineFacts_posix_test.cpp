#include "registry/MachineFacts.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "registry/SystemRegistry.h"
#include "testing/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>

namespace pelmora {
namespace {

TEST(MachineFacts, TheOwnerIsTheFullNameElseTheLogin)
{
    const struct {
        const char* gecos;
        const char* owner;
    } cases[] = {
        {"Ada Lovelace,Room 1,555-1234,,", "Ada Lovelace"},
        {"J\xc3\xb6rg M\xc3\xbcller", "J\xc3\xb6rg M\xc3\xbcller"},
        {"", "ada"},
        {",,,", "ada"},
        {"  ,x", "ada"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OwnerFromAccount(c.gecos, "ada"), c.owner) << c.gecos;
}

TEST(MachineFacts, TheProductNameIsThePrettyNameUnquoted)
{
    const struct {
        const char* osRelease;
        const char* name;
    } cases[] = {
        {"NAME=\"Debian GNU/Linux\"\nPRETTY_NAME=\"Debian GNU/Linux 12 (bookworm)\"\nID=debian\n",
         "Debian GNU/Linux 12 (bookworm)"},
        {"PRETTY_NAME='Single quoted'\n", "Single quoted"},
        {"PRETTY_NAME=Bare\n", "Bare"},
        {"PRETTY_NAME=\"Say \\\"hi\\\"\"\n", "Say \"hi\""},
        {"ID=none\n", ""},
        {"NOT_PRETTY_NAME=\"x\"\n", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrettyNameFromOsRelease(c.osRelease), c.name) << c.osRelease;
}

// The label that shows the product ID has room for the Windows form, not for a 32-digit id.
TEST(MachineFacts, TheProductIdTakesTheWindowsFormOfTheMachineId)
{
    const struct {
        const char* machineId;
        const char* productId;
    } cases[] = {
        {"4a3f9c0e2b7d41e8a65f0c9d3e1b2a47\n", "4A3F9-C0E2B-7D41E-8A65F"},
        {"0123456789abcdef0123", "01234-56789-ABCDE-F0123"},
        {"4a3f9c0e-2b7d-41e8-a65f-0c9d3e1b2a47", "4A3F9-C0E2B-7D41E-8A65F"},  // a UUID's hyphens
        {"0123456789abcdef012", "0123456789abcdef012"},
        {" short-id \n", "short-id"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProductIdFromMachineId(c.machineId), c.productId) << c.machineId;
}

TEST(MachineFacts, TheProgramsStoreIsSeededWithThisMachinesFacts)
{
    testing::TempDir dir;
    const char* old = std::getenv("PELMORA_REGISTRY");
    const std::string saved = old ? old : "";
    setenv("PELMORA_REGISTRY", dir.File("registry.sqlite3").c_str(), 1);
    const auto registry = MakeSystemRegistry();
    old ? setenv("PELMORA_REGISTRY", saved.c_str(), 1) : unsetenv("PELMORA_REGISTRY");

    const MachineFacts facts = ReadMachineFacts();
    EXPECT_FALSE(facts.registeredOwner.empty());
    const RegRoot machine = RegRoot::LocalMachine;
    EXPECT_EQ(ReadRegString(*registry, machine, kCurrentVersionKey, "RegisteredOwner", ""), facts.registeredOwner);
    EXPECT_EQ(ReadRegString(*registry, machine, kCurrentVersionKey, "ProductId", ""), facts.productId);
    std::ifstream machineId("/etc/machine-id");
    std::string id;
    if (machineId >> id && id.size() == 32) {
        EXPECT_EQ(facts.productId, ProductIdFromMachineId(id));
    }
    EXPECT_LE(facts.productId.size(), 23u);
    EXPECT_EQ(ReadRegString(*registry, machine, kCurrentVersionKey, "ProductName", ""), facts.productName);
    EXPECT_EQ(ReadRegString(*registry, machine, kCurrentVersionKey, "RegisteredOrganization", "none"), "none");
}

TEST(MachineFacts, TheStoreIsFoundThroughTheEnvironment)
{
    const struct {
        const char* registry;
        const char* config;
        const char* expected;
    } cases[] = {
        {"/srv/reg.sqlite3", "/cfg", "/srv/reg.sqlite3"},
        {"", "/cfg", "/cfg/pelmora/registry.sqlite3"},
        {"", "relative", "/home/ada/.config/pelmora/registry.sqlite3"},
        {"", "", "/home/ada/.config/pelmora/registry.sqlite3"},
    };
    std::map<std::string, std::optional<std::string>> saved;
    for (const char* name : {"PELMORA_REGISTRY", "XDG_CONFIG_HOME", "HOME"})
        saved[name] = std::getenv(name) ? std::optional<std::string>(std::getenv(name)) : std::nullopt;
    for (const auto& c : cases) {
        setenv("PELMORA_REGISTRY", c.registry, 1);
        setenv("XDG_CONFIG_HOME", c.config, 1);
        setenv("HOME", "/home/ada", 1);
        EXPECT_EQ(DefaultRegistryPath(), c.expected);
    }
    for (const auto& [name, value] : saved)
        value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
}

}  // namespace
}  // namespace pelmora
