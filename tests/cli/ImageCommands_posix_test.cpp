// The commands on a Windows image: what lands in its SOFTWARE hive, read back with hivex, and that
// each command saves the hive once, or not at all.
#include "CliTestBed.h"
#include "RunCli.h"
#include "branding/BrandingPlaces.h"
#include "registry/HiveImage.h"
#include "registry/HiveRegistry.h"
#include "registry/RoutedRegistry.h"
#include "testing/ScratchLock.h"
#include "testing/ScratchRegistry.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace pelmora::cli::testing {
namespace {

namespace fs = std::filesystem;
using pelmora::testing::HiveValue;
using pelmora::testing::ReadFromHive;
using pelmora::testing::StoredText;
using pelmora::testing::WindowsImage;

const std::string kOemInHive = "Pelmora\\Corvexa\\OEM";
const std::string kReadInHive = "Pelmora\\Corvexa\\read";
const std::string kOemInformationInHive = "Microsoft\\Windows\\CurrentVersion\\OEMInformation";

// A Windows image with its System folder, the commands run on it in this process as pelmora-cli
// runs them, its hive counting the commits it makes.
class ImageBed {
public:
    explicit ImageBed(const std::vector<HiveValue>& values = {})
        : m_Image(values),
          m_WindowsDirectory(m_Image.WindowsDir()),
          m_ProgramData(m_Image.temp.File("ProgramData")),
          m_CommandLock(pelmora::testing::ScratchLockName(m_Image.temp), pelmora::testing::kScratchLockWait),
          m_Services{Registry(), m_Files, m_Pictures, m_WindowsDirectory, m_Processes, m_ProgramData, "pelmora-cli",
                     m_CommandLock}
    {
        fs::create_directories(fs::path(m_Image.WindowsDir()) / "System");
    }

    CliRun Run(const std::vector<std::string>& args)
    {
        std::ostringstream out;
        std::ostringstream err;
        const int status = RunCli(args, out, err, m_Services, m_Xml);
        return {status, out.str(), err.str()};
    }

    const WindowsImage& Image() const { return m_Image; }
    RegistryApi& Store() { return m_Registry->Local(); }
    int Commits() const { return m_Commits; }
    void FailCommits(bool fail) { m_FailCommits = fail; }

    std::string Picture(const std::string& name)
    {
        QImage image(6, 4, QImage::Format_RGB32);
        image.fill(qRgb(10, 120, 40));
        const std::string path = m_Image.temp.File(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path)));
        return path;
    }

private:
    RegistryApi& Registry()
    {
        HiveRegistryOptions options;
        options.path = m_Image.HivePath();
        options.syncToDisk = false;
        options.commitProbe = [this](HiveCommitStep step) {
            m_Commits += step == HiveCommitStep::TempCreated;
            return !m_FailCommits;
        };
        m_Registry = std::make_unique<RoutedRegistry>(std::make_unique<HiveRegistry>(std::move(options)),
                                                      pelmora::testing::MakeScratchRegistry());
        return *m_Registry;
    }

    WindowsImage m_Image;
    int m_Commits = 0;
    bool m_FailCommits = false;
    std::unique_ptr<RoutedRegistry> m_Registry;
    LocalFiles m_Files;
    QtPictures m_Pictures;
    pelmora::testing::FakeWindowsDirectory m_WindowsDirectory;
    pelmora::testing::FakeProcesses m_Processes;
    pelmora::testing::FakeProgramData m_ProgramData;
    NamedLock m_CommandLock;
    AppServices m_Services;
    QtXmlWriter m_Xml;
};

struct Expected {
    std::string key;
    std::string name;
    std::optional<std::string> data;  // none: no such value
};

std::u16string Widened(const std::string& ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

void ExpectInHive(const std::string& hive, const std::vector<Expected>& values)
{
    for (const Expected& value : values) {
        SCOPED_TRACE(value.key + " " + value.name);
        const auto stored = ReadFromHive(hive, value.key, value.name);
        ASSERT_EQ(stored.has_value(), value.data.has_value());
        if (stored) {
            EXPECT_EQ(stored->type, kRegSz);
            EXPECT_EQ(stored->data, *value.data);
        }
    }
}

TEST(CliOnImage, EachCommandSavesTheHiveOnceWithItsValuesAsWindowsStoresThem)
{
    ImageBed bed;
    const std::string hive = bed.Image().HivePath();
    const std::string logo = bed.Picture("logo.png");
    const struct {
        std::vector<std::string> args;
        std::vector<Expected> values;
    } steps[] = {
        {{"apply-oem", "--manufacturer", "Contoso", "--model", "X1 \xc3\xa9"},
         {{kOemInHive, "Manufacture", StoredText(u"Contoso")},
          {kOemInHive, "Model", StoredText(u"X1 \u00e9")},
          {kOemInformationInHive, "Manufacturer", StoredText(u"Contoso")},
          {kOemInformationInHive, "Model", StoredText(u"X1 \u00e9")}}},
        {{"apply-support", "--web", "https://example.com", "--telephone", "555"},
         {{kOemInHive, "web addres", StoredText(u"https://example.com")},
          {kOemInHive, "TELEPHONE", StoredText(u"555")},
          {kOemInHive, "FAX", ""},  // empty text is stored as no bytes at all
          {kOemInformationInHive, "SupportURL", StoredText(u"https://example.com")},
          {kOemInformationInHive, "SupportPhone", StoredText(u"555")}}},
        {{"apply-logo", logo},
         {{kReadInHive, "", StoredText(Widened(logo))},
          {kOemInformationInHive, "Logo",
           StoredText(Widened(WindowsSystemRoot(bed.Image().WindowsDir()) + "\\System32\\oemlogo.bmp"))}}},
        {{"remove-logo"}, {{kReadInHive, "", ""}, {kOemInformationInHive, "Logo", std::nullopt}}},
        {{"remove-oem"},
         {{kOemInHive, "Manufacture", ""},
          {kOemInHive, "web addres", ""},
          {kOemInformationInHive, "Manufacturer", std::nullopt},
          {kOemInformationInHive, "SupportURL", std::nullopt}}},
        // The image had no OEMInformation key before the first change: it goes again.
        {{"restore-factory"}, {{kOemInformationInHive, "Model", std::nullopt}, {kOemInHive, "Model", ""}}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.args.front());
        const int before = bed.Commits();
        const CliRun run = bed.Run(step.args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(bed.Commits() - before, 1);
        ExpectInHive(hive, step.values);
    }
    // Nothing of it went into the program's own store.
    RegKey key = 0;
    EXPECT_EQ(bed.Store().OpenKey(RegRoot::LocalMachine, "SOFTWARE\\Pelmora", key), kRegFileNotFound);
    EXPECT_EQ(bed.Store().OpenKey(RegRoot::LocalMachine, "SOFTWARE\\Microsoft", key), kRegFileNotFound);
}

TEST(CliOnImage, AFailedSaveOfTheHiveIsReportedInsteadOfTheSuccessMessage)
{
    ImageBed bed;
    const std::string before = pelmora::testing::ReadBytes(bed.Image().HivePath());
    bed.FailCommits(true);
    const CliRun run = bed.Run({"apply-oem", "--manufacturer", "Contoso", "--model", "X1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.find("Succesfully"), std::string::npos) << run.out;
    EXPECT_NE(run.err.find("The values were not stored: cannot save the registry hive " +
                           bed.Image().HivePath()),
              std::string::npos)
        << run.err;
    EXPECT_EQ(pelmora::testing::ReadBytes(bed.Image().HivePath()), before);
}

TEST(CliOnImage, AHiveWindowsLeftUnfinishedIsRefusedBeforeAnythingIsWritten)
{
    // The support editor needs a stored manufacturer and model before it writes anything.
    ImageBed bed({{kOemInHive, "Manufacture", kRegSz, StoredText(u"Contoso")},
                  {kOemInHive, "Model", kRegSz, StoredText(u"X1")}});
    pelmora::testing::MarkUnfinished(bed.Image().HivePath());
    const std::string before = pelmora::testing::ReadBytes(bed.Image().HivePath());
    const std::string logo = bed.Picture("logo.png");
    const std::vector<std::string> commands[] = {
        {"apply-oem", "--manufacturer", "Contoso", "--model", "X1"},
        {"apply-support", "--web", "https://example.com"},
        {"apply-logo", logo},
    };
    for (const auto& args : commands) {
        SCOPED_TRACE(args.front());
        const CliRun run = bed.Run(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find("Nothing was changed: the registry hive " + bed.Image().HivePath() +
                               " was not written: Windows left changes to it in its log files"),
                  std::string::npos)
            << run.err;
        EXPECT_NE(run.err.find("shut it down fully"), std::string::npos);
    }
    EXPECT_EQ(pelmora::testing::ReadBytes(bed.Image().HivePath()), before);
    const fs::path windows = bed.Image().WindowsDir();
    for (const fs::path& written : {windows / "System" / "oeminfo.ini", windows / "System" / "oemlogo.bmp",
                                   windows / "System32" / "oemlogo.bmp", fs::path(bed.Image().temp.File("ProgramData"))})
        EXPECT_FALSE(fs::exists(written)) << written;
    EXPECT_EQ(bed.Commits(), 0);
}

TEST(CliOnImage, OemInfoIniIsInTheCodePageTheImagesSystemHiveNames)
{
    ImageBed bed;
    pelmora::testing::AddSystemHive(bed.Image(), "1250");
    const CliRun run = bed.Run({"apply-oem", "--manufacturer", "\xc5\x81\xc3\xb3" "d\xc5\xba", "--model", "QW 7"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(pelmora::testing::ReadBytes((fs::path(bed.Image().WindowsDir()) / "System" / "oeminfo.ini").string()),
              "[GENERAL]\r\nMANUFACTURER=\xa3\xf3" "d\x9f\r\nMODEL=QW 7\r\n\r\n");
    ExpectInHive(bed.Image().HivePath(), {{kOemInformationInHive, "Manufacturer", StoredText(u"\u0141\u00f3d\u017a")}});
}

}  // namespace
}  // namespace pelmora::cli::testing
