// Profiles as files: what is taken, and every problem refused with the key it concerns.
#include "platform/FolderEntries.h"
#include "profile/ProfileReader.h"
#include "profile/ProfileWriter.h"
#include "testing/FakeMachine.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::FakeMachine;

SupportInfo GeneralOnly(const std::string& manufacturer, const std::string& model)
{
    SupportInfo info;
    info.Manufacturer = manufacturer;
    info.Model = model;
    return info;
}

const std::string kFolder = Utf8FromPath(std::filesystem::temp_directory_path() / "profiles");

std::string WithFields(const std::string& more)
{
    return R"({"manufacturer": "Quillon Works", "model": "QW 7")" + (more.empty() ? "" : ", " + more) + "}";
}

TEST(ProfileReader, TakesEveryFieldAndResolvesTheLogoBesideTheProfile)
{
    const ProfileRead read = ParseProfile(
        R"({"version": 1, "manufacturer": "Quillon Works", "model": "QW 7", "web": "https://quillon.example",
            "email": "help@quillon.example", "address": "1 Mill Lane", "address2": "Leeds", "telephone": "+44 113",
            "fax": "+44 114", "owner": "Ops", "company": "Quillon Ltd", "date": "2026-12-07", "logo": "art/logo.bmp"})",
        kFolder);
    ASSERT_TRUE(read.profile) << ::testing::PrintToString(read.problems);
    const SupportInfo& info = read.profile->info;
    EXPECT_EQ(info, (SupportInfo{"Quillon Works", "QW 7", "https://quillon.example", "help@quillon.example",
                                 "1 Mill Lane", "Leeds", "+44 113", "+44 114", "Ops", "Quillon Ltd", "2026-12-07", "", "", ""}));
    EXPECT_EQ(read.profile->logo, Utf8FromPath((PathFromUtf8(kFolder) / "art" / "logo.bmp").lexically_normal()));
}

TEST(ProfileReader, LeftOutFieldsAreEmptyAndALeftOutOrNullLogoIsNone)
{
    for (const std::string& text : {WithFields(""), WithFields(R"("logo": null)")}) {
        const ProfileRead read = ParseProfile(text, kFolder);
        ASSERT_TRUE(read.profile) << text;
        EXPECT_EQ(read.profile->info, GeneralOnly("Quillon Works", "QW 7")) << text;
        EXPECT_FALSE(read.profile->logo) << text;
    }
}

struct BadProfile {
    std::string text;
    std::string problem;  // the start of the one problem reported
};

const std::string k257(257, 'x');
// 256 characters that take two bytes each in UTF-8: Windows counts characters, not bytes.
std::string TwoByteCharacters(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "\xC3\xA9";
    return text;
}

const BadProfile kBadProfiles[] = {
    {WithFields(R"("colour": "red")"), "colour: not a profile key"},
    {WithFields(R"("fax": 5551234)"), "fax: must be text, not number"},
    {WithFields(R"("owner": ["Ops"])"), "owner: must be text, not array"},
    {WithFields(R"("owner": "Ops\rInjected")"), "owner: holds a line break"},
    {R"({"manufacturer": "Quillon\n[GENERAL]", "model": "QW 7"})", "manufacturer: holds a line break"},
    {WithFields(R"("company": "Quillon\u0000Ltd")"), "company: holds a NUL character"},
    {R"({"manufacturer": ")" + k257 + R"(", "model": "QW 7"})", "manufacturer: is 257 characters long"},
    {WithFields(R"("telephone": ")" + TwoByteCharacters(257) + "\""), "telephone: is 257 characters long"},
    {WithFields(R"("web": ")" + std::string(2084, 'w') + "\""), "web: is 2084 characters long"},
    {R"({"manufacturer": "Quillon Works"})", "model: missing"},
    {R"({"manufacturer": "", "model": "QW 7"})", "manufacturer: is empty"},
    {WithFields(R"("logo": "")"), "logo: is empty"},
    {WithFields(R"("logo": 7)"), "logo: must be a file name or null"},
    {WithFields(R"("version": 2)"), "version: 2 is not a profile version"},
    {WithFields(R"("fax": "1", "fax": "2")"), "fax: given more than once"},
    {R"(["Quillon Works", "QW 7"])", "the profile must be one JSON object, not array"},
    {R"({"manufacturer": "Quillon Works", "model": "QW 7",})", "the profile is not JSON: "},
    {std::string("\xFF\xFE{\0\"\0}\0", 8), "the profile is UTF-16 text"},
};

TEST(ProfileReader, RefusesAProfileWithAProblemNamingItsKey)
{
    for (const BadProfile& bad : kBadProfiles) {
        const ProfileRead read = ParseProfile(bad.text, kFolder);
        EXPECT_FALSE(read.profile) << bad.text.substr(0, 80);
        ASSERT_EQ(read.problems.size(), 1u) << bad.text.substr(0, 80) << ::testing::PrintToString(read.problems);
        EXPECT_EQ(read.problems[0].rfind(bad.problem, 0), 0u) << read.problems[0];
    }
}

TEST(ProfileReader, TakesValuesAtTheirLimitsCountedInCharacters)
{
    const ProfileRead read = ParseProfile(
        R"({"manufacturer": ")" + TwoByteCharacters(256) + R"(", "model": "QW 7", "web": ")" +
            std::string(2083, 'w') + R"(", "owner": "no limit for fields Windows does not read: )" +
            std::string(3000, 'o') + "\"}",
        kFolder);
    EXPECT_TRUE(read.profile) << ::testing::PrintToString(read.problems);
}

TEST(ProfileReader, ListsEveryProblemAtOnce)
{
    const ProfileRead read = ParseProfile(R"({"model": 7, "colour": "red", "fax": "a\nb"})", kFolder);
    EXPECT_FALSE(read.profile);
    std::vector<std::string> keys;
    for (const std::string& problem : read.problems)
        keys.push_back(problem.substr(0, problem.find(':')));
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(keys, (std::vector<std::string>{"colour", "fax", "manufacturer", "model"}));
}

TEST(ProfileReader, AFileIsReadWithItsLogoLoadedAndAMissingLogoIsAProblem)
{
    FakeMachine machine;
    const std::string profilePath = machine.temp.File("brand.json");
    machine.PutFile(profilePath, WithFields(R"("logo": "brand-logo.bmp")"));

    ProfileRead read = ReadProfile(machine.files, machine.pictures, profilePath);
    EXPECT_FALSE(read.profile);
    EXPECT_FALSE(read.logoPicture);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].rfind("logo: " + machine.temp.File("brand-logo.bmp") + " could not be loaded", 0), 0u)
        << read.problems[0];

    machine.PictureFile("brand-logo.bmp", 180, 115);
    read = ReadProfile(machine.files, machine.pictures, profilePath);
    ASSERT_TRUE(read.profile) << ::testing::PrintToString(read.problems);
    ASSERT_TRUE(read.logoPicture);
    EXPECT_EQ(read.logoPicture->Width(), 180);
}

TEST(ProfileReader, AMissingFileIsAProblem)
{
    FakeMachine machine;
    const ProfileRead read = ReadProfile(machine.files, machine.pictures, machine.temp.File("none.json"));
    EXPECT_FALSE(read.profile);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_EQ(read.problems[0].rfind("the profile could not be read: ", 0), 0u) << read.problems[0];
}

TEST(ProfileWriter, WhatIsWrittenReadsBackTheSame)
{
    const SupportInfo info{"Quillon \"Works\"", "QW\\7", "https://quillon.example/?a=1&b=2", "", "Straße 1",
                           "\tIndented", "", "", "Ops", "Quillon Ltd", "07.12.2026", "Quillon Care", "", "quillon-help"};
    for (const std::optional<std::string>& logo : {std::optional<std::string>("brand-logo.bmp"),
                                                   std::optional<std::string>()}) {
        const ProfileRead read = ParseProfile(ProfileText(info, logo), kFolder);
        ASSERT_TRUE(read.profile) << ::testing::PrintToString(read.problems);
        EXPECT_EQ(read.profile->info, info);
        EXPECT_EQ(read.profile->logo.has_value(), logo.has_value());
    }
}

}  // namespace
}  // namespace pelmora
