#include "CliTestBed.h"
#include "testing/Fifo.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora::cli::testing {
namespace {

constexpr const char* kSaved =
    "you selected logo has Succesfully saved. to display this logo you must type model & manufacture's name\n";

std::string MakePicture(CliTestBed& bed, const std::string& name, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 40));
    const std::string path = bed.File(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return path;
}

QSize InstalledSize(CliTestBed& bed)
{
    const std::string bytes = CliTestBed::ReadBytes(bed.LogoPath());
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    QImage image;
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()), "BMP");
    return image.size();
}

TEST(CliApplyLogo, InstallsTheFileAsBitmapAndStoresItsPath)
{
    CliTestBed bed;
    const std::string png = MakePicture(bed, "logo.png", 400, 300);

    const CliRun run = bed.Run({"apply-logo", png});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, kSaved);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(InstalledSize(bed), QSize(400, 300));  // never scaled
    auto shown = bed.Show();
    EXPECT_EQ(shown["StoredLogoPath"], png);
    EXPECT_EQ(shown["LogoPath"], bed.LogoPath());
    EXPECT_EQ(shown["LogoInstalled"], "yes");

    // Apply Logo installs the new file but keeps the stored path of the last Apply Selected.
    const std::string other = MakePicture(bed, "Other.BMP", 180, 115);
    const CliRun noStore = bed.Run({"apply-logo", "--no-store", other});
    EXPECT_EQ(noStore.status, 0) << noStore.err;
    EXPECT_EQ(InstalledSize(bed), QSize(180, 115));
    EXPECT_EQ(bed.Show()["StoredLogoPath"], png);
}

TEST(CliApplyLogo, ARelativeFileIsStoredAsAFullPath)
{
    CliTestBed bed;
    const std::string png = MakePicture(bed, "logo.png", 2, 2);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(png).parent_path());
    const CliRun run = bed.Run({"apply-logo", "--", "./logo.png"});
    std::filesystem::current_path(previous);

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(bed.Show()["StoredLogoPath"], png);
}

TEST(CliApplyLogo, APictureThatDoesNotLoadChangesNothing)
{
    CliTestBed bed;
    const std::string good = MakePicture(bed, "good.png", 3, 3);
    ASSERT_EQ(bed.Run({"apply-logo", good}).status, 0);
    std::ofstream(bed.File("notes.bmp")) << "not a picture";

    for (const std::string& bad : {bed.File("notes.bmp"), bed.File("missing.bmp")}) {
        const CliRun run = bed.Run({"apply-logo", bad});
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
        EXPECT_EQ(bed.Show()["StoredLogoPath"], good);
        EXPECT_EQ(InstalledSize(bed), QSize(3, 3));
    }
}

TEST(CliApplyLogo, AFailedWriteIsReportedAndNothingStored)
{
    for (SystemFolder system : {SystemFolder::Missing, SystemFolder::IsFile, SystemFolder::NoWindowsDirectory}) {
        CliTestBed bed(system);
        const std::string png = MakePicture(bed, "logo.png", 3, 3);
        const CliRun run = bed.Run({"apply-logo", png});
        EXPECT_EQ(run.status, 1) << static_cast<int>(system);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
        auto shown = bed.Show();
        EXPECT_EQ(shown["StoredLogoPath"], "");
        EXPECT_EQ(shown["LogoInstalled"], "no");
    }
}

TEST(CliRemoveLogo, DeletesTheLogoAndForgetsItsPath)
{
    CliTestBed bed;
    const CliRun nothing = bed.Run({"remove-logo"});
    EXPECT_EQ(nothing.status, 1);
    EXPECT_EQ(nothing.err, "no logo to remove\n");

    ASSERT_EQ(bed.Run({"apply-logo", MakePicture(bed, "logo.png", 3, 3)}).status, 0);
    const CliRun run = bed.Run({"remove-logo"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "This will removing oemlogo\n");
    EXPECT_EQ(run.err, "");
    auto shown = bed.Show();
    EXPECT_EQ(shown["StoredLogoPath"], "");
    EXPECT_EQ(shown["LogoInstalled"], "no");
    EXPECT_FALSE(std::filesystem::exists(bed.LogoPath()));

    const CliRun again = bed.Run({"remove-logo"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.err, "no logo to remove\n");
}

// A pipe would hold the command forever; a cut bitmap would be installed mostly black.
TEST(CliApplyLogo, APipeOrACutPictureIsRefusedAndNothingInstalled)
{
    CliTestBed bed;
    pelmora::testing::UnwrittenFifo fifo(bed.File("pipe.bmp"));
    const std::string bmp = CliTestBed::ReadBytes(MakePicture(bed, "whole.bmp", 200, 300));
    std::ofstream(bed.File("cut.bmp"), std::ios::binary) << bmp.substr(0, 20000);

    for (const std::string& bad : {fifo.Path(), bed.File("cut.bmp")}) {
        const CliRun run = bed.Run({"apply-logo", bad});
        EXPECT_EQ(run.status, 1) << bad;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
        EXPECT_EQ(bed.Show()["LogoInstalled"], "no");
    }
    EXPECT_FALSE(fifo.ReleasedAReader());
}

}  // namespace
}  // namespace pelmora::cli::testing
