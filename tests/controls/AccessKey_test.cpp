#include "controls/AccessKey.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(AccessKey, FromCaption)
{
    struct Row {
        const char* caption;
        const char* key;
    };
    const Row table[] = {
        {"&Apply", "a"},
        {"E&xit", "x"},
        {"Save && Exit", ""},
        {"A&&B&c", "c"},
        {"A&&B&&c", ""},
        {"ab&", ""},
        {"&", ""},
        {"&&", ""},
        {"", ""},
        {"x", ""},
        {"Apply", ""},
        {"&&&x", "x"},      // the next "&" right after the pair marks x
        {"&&x&", ""},       // second "&" is the last character
        {"&&x&&y&z", ""},   // a second escaped pair ends the search
        {"&A&b", "a"},      // only the first mark counts
        {"Save &As", "a"},
        {"&1", "1"},
        {"& x", " "},
        {"&\xC3\x89tat", "\xC3\xA9"},  // É becomes é
        {"&\xC3\x97", "\xC3\x97"},     // × has no lower case
        {"A&&\xE2\x82\xAC&k", "k"},    // a three-byte character counts as one
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(AccessKeyOf(row.caption), row.key);
    }
}

TEST(AccessKey, UpdateReplacesTheSurfaceKeys)
{
    ButtonSurface surface;
    UpdateAccessKey("&Apply", surface);
    EXPECT_EQ(surface.accessKeys, "a");
    UpdateAccessKey("Save && Exit", surface);
    EXPECT_EQ(surface.accessKeys, "");
}

}  // namespace
}  // namespace pelmora
