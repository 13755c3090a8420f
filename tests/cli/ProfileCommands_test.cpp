// Profiles through pelmora-cli: export, apply, check, and show --json, on the real file and
// picture backends.
#include "CliTestBed.h"

#include <QImage>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pelmora::cli::testing {
namespace {

constexpr const char* kOemInformation = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation";
constexpr const char* kMatches = "The machine matches the profile.\n";

// A picture with see-through parts and more pixels than the System32 logo takes.
std::string MakePicture(CliTestBed& bed, const std::string& name, QRgb colour)
{
    QImage image(400, 300, QImage::Format_ARGB32);
    image.fill(colour);
    for (int x = 0; x < 400; ++x)
        image.setPixel(x, x % 300, qRgba(x % 256, 40, 90, x % 2 ? 0 : 255));
    const std::string path = bed.File(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return path;
}

void Expect(const CliRun& run, int status, const std::string& what)
{
    EXPECT_EQ(run.status, status) << what << "\nout: " << run.out << "\nerr: " << run.err;
}

// A machine branded through the single commands, as a person would.
void BrandByHand(CliTestBed& bed)
{
    Expect(bed.Run({"apply-logo", MakePicture(bed, "logo.png", qRgba(10, 120, 200, 128))}), 0, "apply-logo");
    Expect(bed.Run({"apply-oem", "--manufacturer=Quillon Works", "--model=QW 7"}), 0, "apply-oem");
    Expect(bed.Run({"apply-support", "--web=https://quillon.example", "--email=help@quillon.example",
                    "--address=1 Mill Lane", "--address2=Straße 2", "--telephone=+44 113 496 0000",
                    "--fax=+44 113 496 0001", "--owner=Ops", "--company=Quillon Ltd", "--date=2026-12-07"}),
           0, "apply-support");
}

std::vector<std::string> BrandingFiles(const CliTestBed& bed)
{
    return {bed.LogoPath(), bed.InfoPath(), bed.MirrorLogoPath()};
}

// What show says, without what names this bed's folders and where the logo came from.
std::map<std::string, std::string> Values(CliTestBed& bed)
{
    auto values = bed.Show();
    for (const char* place : {"WindowsDir", "LogoPath", "InfoPath", "StoredLogoPath", "Registry"})
        values.erase(place);
    return values;
}

std::vector<std::filesystem::file_time_type> AgeFiles(const std::vector<std::string>& paths)
{
    std::vector<std::filesystem::file_time_type> times;
    for (const std::string& path : paths) {
        const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400);
        std::filesystem::last_write_time(path, old);
        times.push_back(std::filesystem::last_write_time(path));
    }
    return times;
}

std::vector<std::filesystem::file_time_type> Times(const std::vector<std::string>& paths)
{
    std::vector<std::filesystem::file_time_type> times;
    for (const std::string& path : paths)
        times.push_back(std::filesystem::last_write_time(path));
    return times;
}

TEST(CliProfile, AnExportedProfileGivesAFreshMachineTheSameFilesAndValuesAndASecondApplyWritesNothing)
{
    CliTestBed source(SystemFolder::Current);
    BrandByHand(source);
    const std::string profile = source.File("brand.json");
    const CliRun exported = source.Run({"export-profile", profile});
    Expect(exported, 0, "export-profile");
    EXPECT_EQ(CliTestBed::ReadBytes(source.File("brand-logo.bmp")), CliTestBed::ReadBytes(source.LogoPath()));
    Expect(source.Run({"check-profile", profile}), 0, "check-profile on the source");

    CliTestBed target(SystemFolder::Current);
    const CliRun applied = target.Run({"apply-profile", profile});
    Expect(applied, 0, "apply-profile");
    EXPECT_TRUE(applied.out.ends_with("The machine now matches the profile.\n")) << applied.out;
    for (std::size_t i = 0; i < BrandingFiles(source).size(); ++i)
        EXPECT_EQ(CliTestBed::ReadBytes(BrandingFiles(target)[i]), CliTestBed::ReadBytes(BrandingFiles(source)[i]))
            << BrandingFiles(target)[i];
    EXPECT_EQ(Values(target), Values(source));
    EXPECT_EQ(target.Run({"reg", "query", kOemInformation}).out, source.Run({"reg", "query", kOemInformation}).out);
    EXPECT_EQ(target.Show()["StoredLogoPath"], source.File("brand-logo.bmp"));

    const auto times = AgeFiles(BrandingFiles(target));
    const CliRun again = target.Run({"apply-profile", profile});
    Expect(again, 0, "second apply-profile");
    EXPECT_EQ(again.out, "The machine already matches the profile; nothing was changed.\n");
    EXPECT_EQ(Times(BrandingFiles(target)), times);
    const CliRun checked = target.Run({"check-profile", profile});
    Expect(checked, 0, "check-profile");
    EXPECT_EQ(checked.out, kMatches);
}

// One change made through a command, and the one key check-profile must name for it.
struct SingleChange {
    std::vector<std::string> args;
    std::string key;
};

TEST(CliProfile, CheckAfterOneChangeNamesThatFieldAloneAndApplyMendsIt)
{
    CliTestBed bed(SystemFolder::Current);
    BrandByHand(bed);
    const std::string profile = bed.File("brand.json");
    Expect(bed.Run({"export-profile", profile}), 0, "export-profile");
    const std::vector<SingleChange> changes = {
        {{"apply-support", "--fax=0"}, "fax"},
        {{"apply-support", "--web=https://other.example"}, "web"},
        {{"apply-support", "--telephone="}, "telephone"},
        {{"apply-support", "--date=2027-01-01"}, "date"},
        {{"reg", "add", "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM", "/v", "company", "/d", "Other Ltd", "/f"}, "company"},
        {{"reg", "add", kOemInformation, "/v", "Model", "/d", "QW 8", "/f"}, "model"},
        {{"reg", "delete", kOemInformation, "/v", "Manufacturer", "/f"}, "manufacturer"},
        {{"apply-logo", MakePicture(bed, "other.png", qRgb(0, 0, 0))}, "logo"},
    };
    for (const SingleChange& change : changes) {
        Expect(bed.Run(change.args), 0, change.args[0]);
        const CliRun checked = bed.Run({"check-profile", profile});
        Expect(checked, 1, "check after " + change.key);
        std::istringstream lines(checked.out);
        int count = 0;
        for (std::string line; std::getline(lines, line); ++count)
            EXPECT_EQ(line.rfind(change.key + ": ", 0), 0u) << line;
        EXPECT_GT(count, 0) << change.key;

        Expect(bed.Run({"apply-profile", profile}), 0, "apply after " + change.key);
        EXPECT_EQ(bed.Run({"check-profile", profile}).out, kMatches) << change.key;
    }
}

// A profile each command must refuse without changing anything, and the key the refusal names.
struct BadProfile {
    std::string text;
    std::string key;
};

TEST(CliProfile, ABadProfileChangesNothingAndExits2)
{
    const BadProfile bad[] = {
        {R"({"manufacturer": "Quillon", "model": "QW 7", "colour": "red"})", "colour"},
        {R"({"manufacturer": "Quillon", "model": "QW 7", "fax": 5551234})", "fax"},
        {R"({"manufacturer": "Quillon", "model": "QW 7", "owner": "Ops\r[GENERAL]"})", "owner"},
        {R"({"manufacturer": "Quillon", "model": ")" + std::string(300, 'm') + "\"}", "model"},
        {R"({"manufacturer": "Quillon", "model": "QW 7", "logo": "missing.png"})", "logo"},
    };
    CliTestBed bed(SystemFolder::Current);
    BrandByHand(bed);
    const auto values = bed.Show();
    std::vector<std::string> bytes;
    for (const std::string& path : BrandingFiles(bed))
        bytes.push_back(CliTestBed::ReadBytes(path));

    const std::string profile = bed.File("bad.json");
    for (const BadProfile& row : bad) {
        std::ofstream(profile, std::ios::binary | std::ios::trunc) << row.text;
        for (const char* command : {"apply-profile", "check-profile"}) {
            const CliRun run = bed.Run({command, profile});
            Expect(run, 2, std::string(command) + " " + row.key);
            EXPECT_EQ(run.out, "") << command << " " << row.key;
            EXPECT_NE(run.err.find("\n  " + row.key + ": "), std::string::npos) << run.err;
        }
    }
    EXPECT_EQ(bed.Show(), values);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        EXPECT_EQ(CliTestBed::ReadBytes(BrandingFiles(bed)[i]), bytes[i]) << BrandingFiles(bed)[i];
}

TEST(CliProfile, ADryRunListsTheDifferencesAndCommandsAndChangesNothing)
{
    CliTestBed bed(SystemFolder::Current);
    const std::string profile = bed.File("brand.json");
    MakePicture(bed, "brand-logo.png", qRgb(1, 2, 3));
    std::ofstream(profile) << R"({"manufacturer": "Quillon", "model": "QW 7", "fax": "1", "logo": "brand-logo.png"})";

    const CliRun run = bed.Run({"apply-profile", "--dry-run", profile});
    Expect(run, 0, "dry run");
    EXPECT_NE(run.out.find("fax: stored value FAX is \"\", the profile gives \"1\"\n"), std::string::npos) << run.out;
    EXPECT_TRUE(run.out.ends_with("apply-profile would run: apply-logo, apply-oem, apply-support.\n")) << run.out;
    EXPECT_FALSE(std::filesystem::exists(bed.LogoPath()));
    EXPECT_FALSE(std::filesystem::exists(bed.InfoPath()));
    EXPECT_EQ(bed.Show()["Manufacture"], "");
}

TEST(CliProfile, AMachineWithoutBrandingExportsAProfileToFillIn)
{
    CliTestBed bed;
    const std::string profile = bed.File("empty.json");
    const CliRun run = bed.Run({"export-profile", profile});
    Expect(run, 0, "export-profile");
    EXPECT_NE(run.err.find("no manufacturer or model"), std::string::npos) << run.err;
    const auto written = nlohmann::json::parse(CliTestBed::ReadBytes(profile));
    EXPECT_TRUE(written["logo"].is_null());
    EXPECT_EQ(written["manufacturer"], "");
    Expect(bed.Run({"apply-profile", profile}), 2, "apply-profile of the unfilled profile");

    const std::string inMissingFolder = bed.File("missing") + "/x.json";
    const CliRun missing = bed.Run({"export-profile", inMissingFolder});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "The profile was not written to " + inMissingFolder + ": the folder " + bed.File("missing") +
                               " does not exist.\n");
}

TEST(CliShow, JsonHoldsTheSameFactsAsTheLines)
{
    CliTestBed bed(SystemFolder::Current);
    BrandByHand(bed);
    const CliRun run = bed.Run({"show", "--json"});
    Expect(run, 0, "show --json");
    const auto json = nlohmann::json::parse(run.out);
    const auto lines = bed.Show();
    ASSERT_EQ(json.size(), lines.size());
    for (const auto& [name, value] : lines) {
        ASSERT_TRUE(json.contains(name)) << name;
        if (value == "yes" || value == "no")
            EXPECT_EQ(json[name], value == "yes") << name;
        else
            EXPECT_EQ(json[name], value) << name;
    }
}

}  // namespace
}  // namespace pelmora::cli::testing
