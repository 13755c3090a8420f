#include "ImageSystemName.h"
#include "registry/HiveImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmora::sysprops {
namespace {

// The General page names the installation its hive describes, not the machine it is viewed on.
TEST(ImageSystemName, ComesFromTheImagesHiveWhenItHasOne)
{
    const std::string key = "Microsoft\\Windows NT\\CurrentVersion";
    const struct {
        std::vector<testing::HiveValue> values;
        const char* shown;
    } cases[] = {
        {{{key, "ProductName", kRegSz, testing::StoredText(u"Windows 10 Pro")},
          {key, "DisplayVersion", kRegSz, testing::StoredText(u"22H2")},
          {key, "ReleaseId", kRegSz, testing::StoredText(u"2009")},
          {key, "CurrentBuild", kRegSz, testing::StoredText(u"19045")}},
         "Windows 10 Pro\nVersion 22H2 (build 19045)"},
        {{{key, "ProductName", kRegSz, testing::StoredText(u"Microsoft Windows XP")},
          {key, "CurrentVersion", kRegSz, testing::StoredText(u"5.1")}},
         "Microsoft Windows XP\nVersion 5.1"},
        {{}, "Windows"},
    };
    for (const auto& c : cases) {
        const testing::WindowsImage image(c.values);
        EXPECT_EQ(SystemNameOf(image.WindowsDir()), c.shown);
    }
}

}  // namespace
}  // namespace pelmora::sysprops
