#include "branding/OemInformation.h"

#include "BrandingTestBed.h"
#include "registry/RegString.h"

#include <gtest/gtest.h>

#include <map>

namespace pelmora {
namespace {

using testing::BrandingTestBed;

// The key's values as name -> text; every one must be REG_SZ.
std::map<std::string, std::string> Texts(BrandingTestBed& bed)
{
    std::map<std::string, std::string> texts;
    for (const RegValueEntry& value : bed.OemInformationKey().value_or(std::vector<RegValueEntry>{})) {
        EXPECT_EQ(value.type, kRegSz) << value.name;
        texts[value.name] = testing::StoredText(value.data);
    }
    return texts;
}

TEST(OemInformation, EachCommandSetsItsValuesAndAnEmptyFieldDeletesOne)
{
    BrandingTestBed bed;
    using Texts_ = std::map<std::string, std::string>;
    const struct {
        const char* what;
        OemValues changes;
        Texts_ expected;
    } steps[] = {
        {"apply", ManufacturerAndModel("Contoso", "X1"), Texts_{{"Manufacturer", "Contoso"}, {"Model", "X1"}}},
        {"editor", SupportLinks("https://contoso.example/help", "+1 555 0100"),
         Texts_{{"Manufacturer", "Contoso"}, {"Model", "X1"}, {"SupportURL", "https://contoso.example/help"},
                {"SupportPhone", "+1 555 0100"}}},
        {"logo", LogoValue(bed.places),
         Texts_{{"Manufacturer", "Contoso"}, {"Model", "X1"}, {"SupportURL", "https://contoso.example/help"},
                {"SupportPhone", "+1 555 0100"}, {"Logo", bed.places.logoValue}}},
        {"editor with the telephone emptied", SupportLinks("https://contoso.example/help", ""),
         Texts_{{"Manufacturer", "Contoso"}, {"Model", "X1"}, {"SupportURL", "https://contoso.example/help"},
                {"Logo", bed.places.logoValue}}},
        {"removal keeps the logo", ClearedByRemoval(), Texts_{{"Logo", bed.places.logoValue}}},
        {"removal again", ClearedByRemoval(), Texts_{{"Logo", bed.places.logoValue}}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        const BrandingSteps done = MirrorOemValues(bed.registry, bed.places, step.changes);
        EXPECT_EQ(done.size(), step.changes.size());
        EXPECT_TRUE(AllDone(done));
        EXPECT_EQ(Texts(bed), step.expected);
    }
}

TEST(OemInformation, DeletingFromAMissingKeyIsDoneAndCreatesNothing)
{
    BrandingTestBed bed;
    EXPECT_TRUE(AllDone(WriteOemValues(bed.registry, ClearedByRemoval())));
    EXPECT_FALSE(bed.OemInformationKey().has_value());
}

TEST(OemInformation, NothingIsMirroredWithoutSystem32)
{
    BrandingTestBed bed(BrandingTestBed::Kind::Legacy);
    EXPECT_FALSE(bed.places.Mirrored());
    EXPECT_TRUE(MirrorOemValues(bed.registry, bed.places, ManufacturerAndModel("Contoso", "X1")).empty());
    EXPECT_FALSE(bed.OemInformationKey().has_value());
}

std::string Repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

TEST(OemInformation, ATooLongValueIsRefusedByNameBeforeAnythingIsWritten)
{
    const struct {
        const char* what;
        OemValues values;
        std::optional<std::string> refusal;
    } cases[] = {
        {"256 characters", ManufacturerAndModel(std::string(256, 'm'), "X1"), std::nullopt},
        {"256 accented characters in 512 bytes", ManufacturerAndModel(Repeat("\xc3\xa9", 256), "X1"), std::nullopt},
        {"257 characters", ManufacturerAndModel("Contoso", std::string(257, 'x')),
         "Model is longer than the 256 characters Windows takes for Model. Nothing was saved."},
        {"a web address of 2083", SupportLinks(std::string(2083, 'u'), "1"), std::nullopt},
        {"a web address of 2084", SupportLinks(std::string(2084, 'u'), "1"),
         "Web Address is longer than the 2083 characters Windows takes for SupportURL. Nothing was saved."},
        {"a telephone of 257", SupportLinks("u", std::string(257, '1')),
         "Telephone is longer than the 256 characters Windows takes for SupportPhone. Nothing was saved."},
        {"hours of 256", {{OemValue::SupportHours, std::string(256, 'h')}}, std::nullopt},
        {"a provider of 257", {{OemValue::SupportProvider, std::string(257, 'p')}},
         "Support Provider is longer than the 256 characters Windows takes for SupportProvider. Nothing was saved."},
        {"a support app of 257", {{OemValue::SupportAppURL, std::string(257, 'a')}},
         "Support App is longer than the 256 characters Windows takes for SupportAppURL. Nothing was saved."},
        // Beyond the 16-bit range a character takes two of Windows' units: 128 of them and a letter are 257.
        {"128 faces and a letter", ManufacturerAndModel(Repeat("\xf0\x9f\x98\x80", 128) + "a", "X1"),
         "Manufacturer is longer than the 256 characters Windows takes for Manufacturer. Nothing was saved."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(RefuseTooLong(c.values), c.refusal);
        BrandingTestBed bed;
        const BrandingSteps steps = WriteOemValues(bed.registry, c.values);
        EXPECT_EQ(AllDone(steps), !c.refusal);
        EXPECT_EQ(bed.OemInformationKey().has_value(), !c.refusal);
    }
}

TEST(OemInformation, AFailedWriteIsAStepNamingTheValue)
{
    BrandingTestBed bed;
    bed.registry.FailWritesOf("Model");
    const BrandingSteps steps = WriteOemValues(bed.registry, ManufacturerAndModel("Contoso", "X1"));
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_TRUE(steps[0].status);
    EXPECT_FALSE(steps[1].status);
    EXPECT_FALSE(steps[1].status.error.empty());
    EXPECT_EQ(steps[1].what, "The value Model under OEMInformation was not stored");
    EXPECT_EQ(Texts(bed), (std::map<std::string, std::string>{{"Manufacturer", "Contoso"}}));
}

TEST(OemInformation, ReadingGivesTheTextValuesOnly)
{
    BrandingTestBed bed;
    WriteOemValues(bed.registry, ManufacturerAndModel("Contoso \xc3\x9c", "X1"));
    bed.SetOemValue("SupportPhone", kRegDword, std::string("\x2a\0\0\0", 4));
    const OemValues read = ReadOemInformation(bed.registry);
    EXPECT_EQ(TextOf(read, OemValue::Manufacturer), "Contoso \xc3\x9c");
    EXPECT_EQ(TextOf(read, OemValue::Model), "X1");
    EXPECT_EQ(TextOf(read, OemValue::SupportPhone), "");
    EXPECT_EQ(TextOf(read, OemValue::Logo), "");
}

}  // namespace
}  // namespace pelmora
