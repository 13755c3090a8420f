#include "oem/RegistrySnapshot.h"
#include "registry/RegString.h"
#include "testing/ScratchRegistry.h"

#include <gtest/gtest.h>

#include <functional>

namespace pelmora {
namespace {

constexpr const char* kTop = "SOFTWARE\\Snapshot";
constexpr const char* kChild = "SOFTWARE\\Snapshot\\Child";

void Set(RegistryApi& registry, const char* key, const char* name, const char* text)
{
    ASSERT_TRUE(WriteRegString(registry, RegRoot::LocalMachine, key, name, text));
}

RegistrySnapshot Take(RegistryApi& registry)
{
    RegistrySnapshot snapshot;
    EXPECT_TRUE(TakeSnapshot(registry, {{RegRoot::LocalMachine, kTop}}, snapshot));
    return snapshot;
}

// Whatever became of a tree after it was taken, restoring the snapshot makes it read the same.
TEST(RegistrySnapshot, RestoringMakesTheTreeAsItWasTaken)
{
    using Change = std::function<void(RegistryApi&)>;
    const struct {
        const char* what;
        Change taken;  // the tree as taken, from nothing
        Change later;  // what happens to it afterwards
    } cases[] = {
        {"a value changed", [](RegistryApi& r) { Set(r, kTop, "A", "1"); }, [](RegistryApi& r) { Set(r, kTop, "A", "2"); }},
        {"a value added", [](RegistryApi& r) { Set(r, kTop, "A", "1"); }, [](RegistryApi& r) { Set(r, kTop, "B", "2"); }},
        {"a value deleted",
         [](RegistryApi& r) { Set(r, kTop, "A", "1"); Set(r, kTop, "B", "2"); },
         [](RegistryApi& r) {
             RegKey key = 0;
             ASSERT_EQ(r.OpenKey(RegRoot::LocalMachine, kTop, key), kRegSuccess);
             r.DeleteValue(key, "B");
             r.CloseKey(key);
         }},
        {"a key added", [](RegistryApi& r) { Set(r, kTop, "A", "1"); }, [](RegistryApi& r) { Set(r, kChild, "C", "3"); }},
        {"a key deleted",
         [](RegistryApi& r) { Set(r, kChild, "C", "3"); },
         [](RegistryApi& r) { r.DeleteTree(RegRoot::LocalMachine, kChild); }},
        {"the tree made", [](RegistryApi&) {}, [](RegistryApi& r) { Set(r, kChild, "C", "3"); }},
        {"the tree deleted",
         [](RegistryApi& r) { Set(r, kChild, "C", "3"); Set(r, kTop, "", "top"); },
         [](RegistryApi& r) { r.DeleteTree(RegRoot::LocalMachine, kTop); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto registry = testing::MakeScratchRegistry();
        c.taken(*registry);
        const RegistrySnapshot taken = Take(*registry);
        c.later(*registry);
        ASSERT_FALSE(Take(*registry) == taken);
        EXPECT_TRUE(RestoreSnapshot(*registry, taken));
        EXPECT_TRUE(Take(*registry) == taken);
    }
}

}  // namespace
}  // namespace pelmora
