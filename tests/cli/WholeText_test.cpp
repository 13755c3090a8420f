// Text from any script through the commands: the program's key, OEMInformation, oeminfo.ini and
// show keep it whole; a profile applied with it matches, and one character changed is a difference.
#include "CliTestBed.h"
#include "branding/OemInformation.h"
#include "oem/OemInfoEncoding.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "testing/TextTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora::cli::testing {
namespace {

using pelmora::testing::TextTable;

TEST(CliWholeText, EveryPlaceKeepsTheText)
{
    CliTestBed bed(SystemFolder::Current);
    for (const auto& row : TextTable()) {
        SCOPED_TRACE(row.what);
        const CliRun run = bed.Run({"apply-oem", "--manufacturer", row.text, "--model", "QW 7"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadRegString(bed.Registry(), RegRoot::LocalMachine, kOemKey, "Manufacture", ""), row.text);
        EXPECT_EQ(ReadRegString(bed.Registry(), RegRoot::LocalMachine, kOemInformationKey, "Manufacturer", ""),
                  row.text);
        const std::string bytes = CliTestBed::ReadBytes(bed.InfoPath());
        EXPECT_EQ(bytes.starts_with("\xff\xfe"), !row.western) << "ANSI bytes exactly when they can hold it";
        EXPECT_EQ(OemInfoFileText(bytes, 1252), "[GENERAL]\r\nMANUFACTURER=" + row.text + "\r\nMODEL=QW 7\r\n\r\n");
        EXPECT_EQ(bed.Show()["Manufacture"], row.text);
    }
}

TEST(CliWholeText, AProfileMatchesWholeAndOneCharacterChangedIsADifference)
{
    CliTestBed bed(SystemFolder::Current);
    const std::string maker = "\xc5\x81\xc3\xb3" "d\xc5\xba Ra\xc4\x8dunalniki";
    const std::string profile = bed.File("brand.json");
    std::ofstream(profile, std::ios::binary)
        << R"({"manufacturer": ")" + maker + R"(", "model": "\u65e5\u672c\u96fb\u6c17 \ud83d\ude00", "fax": "\u03a9"})";
    const CliRun applied = bed.Run({"apply-profile", profile});
    ASSERT_EQ(applied.status, 0) << applied.out << applied.err;
    EXPECT_EQ(bed.Run({"check-profile", profile}).out, "The machine matches the profile.\n");

    const std::string drifted = "\xc5\x81\xc3\xb3" "d\xc5\xba Racunalniki";
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\" + std::string(kOemInformationKey), "/v", "Manufacturer", "/d", drifted,
                       "/f"})
                  .status,
              0);
    const CliRun checked = bed.Run({"check-profile", profile});
    EXPECT_EQ(checked.status, 1);
    EXPECT_NE(checked.out.find(drifted), std::string::npos) << checked.out;
    EXPECT_NE(checked.out.find(maker), std::string::npos) << checked.out;
}

TEST(CliWholeText, TextThatIsNoUtf8IsRefusedBeforeAnythingIsWritten)
{
    CliTestBed bed(SystemFolder::Current);
    const CliRun run = bed.Run({"apply-oem", "--manufacturer", "Caf\xe9", "--model", "QW 7"});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("Manufacturer holds the byte 0xE9"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(bed.InfoPath()));
    EXPECT_EQ(ReadRegString(bed.Registry(), RegRoot::LocalMachine, kOemKey, "Manufacture", "<none>"), "<none>");
}

}  // namespace
}  // namespace pelmora::cli::testing
