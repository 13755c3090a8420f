#include "branding/LogoMirror.h"

#include "BrandingTestBed.h"
#include "branding/OemInformation.h"
#include "registry/RegString.h"
#include "testing/FakePictures.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using testing::BrandingTestBed;
using testing::FakePicture;

std::string LogoValueOf(BrandingTestBed& bed)
{
    return ReadRegString(*bed.realRegistry, RegRoot::LocalMachine, kOemInformationKey, "Logo", "");
}

TEST(LogoMirror, TheLogoIsFittedIntoTheBoxAndNamedByTheValue)
{
    const struct {
        int width, height;
        const char* bytes;  // what the fake encoder makes of the fitted size
    } cases[] = {
        {400, 300, "BMFAKEPIC 120 90 32"},
        {100, 50, "BMFAKEPIC 100 50 32"},
        {120, 120, "BMFAKEPIC 120 120 32"},
        {300, 400, "BMFAKEPIC 90 120 32"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        BrandingTestBed bed;
        const BrandingSteps steps =
            InstallLogoMirror(bed.files, bed.pictures, bed.registry, bed.places, FakePicture(c.width, c.height, "x"));
        EXPECT_EQ(steps.size(), 2u);
        EXPECT_TRUE(AllDone(steps));
        EXPECT_EQ(bed.FileBytes(bed.places.logoFile), c.bytes);
        EXPECT_EQ(LogoValueOf(bed), bed.places.logoValue);
    }
}

TEST(LogoMirror, ALogoThatIsNotWrittenLeavesTheValueAsItWas)
{
    const struct {
        const char* what;
        bool encodeFails;
        bool writeFails;
        const char* reason;
    } cases[] = {
        {"no bitmap", true, false, "the picture could not be converted to a 32-bit bitmap"},
        {"no write", false, true, "Disk full"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BrandingTestBed bed;
        bed.PutFile(bed.places.logoFile, "old logo");
        bed.pictures.encodeFails = c.encodeFails;
        if (c.writeFails)
            bed.files.FailWrites(bed.places.logoFile, "Disk full");
        const BrandingSteps steps =
            InstallLogoMirror(bed.files, bed.pictures, bed.registry, bed.places, FakePicture(10, 10, "x"));
        ASSERT_EQ(steps.size(), 1u);
        EXPECT_EQ(steps[0].status.error, c.reason);
        EXPECT_EQ(steps[0].what, bed.places.logoFile + " was not written");
        EXPECT_EQ(bed.FileBytes(bed.places.logoFile), "old logo");
        EXPECT_FALSE(bed.OemInformationKey().has_value());
    }
}

TEST(LogoMirror, RemovalDeletesTheFileAndTheValueOnly)
{
    BrandingTestBed bed;
    InstallLogoMirror(bed.files, bed.pictures, bed.registry, bed.places, FakePicture(10, 10, "x"));
    WriteOemValues(bed.registry, ManufacturerAndModel("Contoso", "X1"));
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "installed" : "already removed");
        EXPECT_TRUE(AllDone(RemoveLogoMirror(bed.files, bed.registry, bed.places)));
        EXPECT_FALSE(bed.FileBytes(bed.places.logoFile).has_value());
        EXPECT_EQ(LogoValueOf(bed), "");
        EXPECT_EQ(bed.OemInformationKey()->size(), 2u);
    }
}

TEST(LogoMirror, AFileThatCannotBeDeletedIsReported)
{
    BrandingTestBed bed;
    bed.files.FailDeletes(bed.places.logoFile, "Access is denied");
    const BrandingSteps steps = RemoveLogoMirror(bed.files, bed.registry, bed.places);
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps[0].what, bed.places.logoFile + " was not deleted");
    EXPECT_FALSE(AllDone(steps));
}

TEST(LogoMirror, AnInstallationWithoutSystem32GetsNothing)
{
    BrandingTestBed bed(BrandingTestBed::Kind::Legacy);
    EXPECT_TRUE(InstallLogoMirror(bed.files, bed.pictures, bed.registry, bed.places, FakePicture(10, 10, "x")).empty());
    EXPECT_TRUE(RemoveLogoMirror(bed.files, bed.registry, bed.places).empty());
    EXPECT_EQ(bed.files.writes + bed.files.deletes, 0);
    EXPECT_FALSE(bed.OemInformationKey().has_value());
}

}  // namespace
}  // namespace pelmora
