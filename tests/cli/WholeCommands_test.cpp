#include "CliTestBed.h"
#include "branding/RegExport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace pelmora::cli::testing {
namespace {

// The branding as a command may leave it: the store's export and the three files.
struct Branding {
    std::string store;
    std::optional<std::string> info, logo, mirror;
    bool operator==(const Branding&) const = default;
};

std::optional<std::string> Bytes(const std::string& path)
{
    if (!std::filesystem::exists(path))
        return std::nullopt;
    return CliTestBed::ReadBytes(path);
}

Branding Snapshot(CliTestBed& bed)
{
    std::string error;
    const std::optional<std::string> store = RegExportBytes(bed.Registry(), error);
    EXPECT_TRUE(store) << error;
    return {store.value_or(""), Bytes(bed.InfoPath()), Bytes(bed.LogoPath()), Bytes(bed.MirrorLogoPath())};
}

std::string Picture(CliTestBed& bed, const std::string& name, int width, QRgb colour)
{
    QImage image(width, 40, QImage::Format_RGB32);
    image.fill(colour);
    const std::string path = bed.File(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return path;
}

void Expect(CliTestBed& bed, const std::vector<std::string>& args)
{
    const CliRun run = bed.Run(args);
    ASSERT_EQ(run.status, 0) << args[0] << ": " << run.err;
}

// Every file a command writes or deletes, and a value it stores, failing in turn: the command
// says what failed and leaves the store and the files exactly as they were, whatever it had
// already changed before that step.
TEST(WholeCommands, AFailureAtAnyStepLeavesNothingOfTheCommand)
{
    enum class Fault { Info, Logo, Mirror, Value };
    struct Case {
        std::vector<std::string> command;
        Fault fault;
        const char* value;  // the value refused, for Fault::Value
    };
    CliTestBed bed(SystemFolder::Current);
    const std::string other = Picture(bed, "other.png", 90, qRgb(10, 200, 30));
    const Case cases[] = {
        {{"apply-oem", "--manufacturer", "New", "--model", "N2"}, Fault::Info, nullptr},
        {{"apply-oem", "--manufacturer", "New", "--model", "N2"}, Fault::Value, "Model"},
        {{"apply-support", "--owner", "Someone else", "--web", "example.org"}, Fault::Info, nullptr},
        {{"apply-support", "--owner", "Someone else", "--web", "example.org"}, Fault::Value, "SupportURL"},
        {{"apply-logo", other}, Fault::Logo, nullptr},
        {{"apply-logo", other}, Fault::Mirror, nullptr},
        {{"apply-logo", other}, Fault::Value, ""},
        {{"remove-logo"}, Fault::Logo, nullptr},
        {{"remove-logo"}, Fault::Mirror, nullptr},
        {{"remove-oem"}, Fault::Info, nullptr},
        {{"remove-oem"}, Fault::Value, "FAX"},
        {{"restore-factory"}, Fault::Info, nullptr},
        {{"restore-factory"}, Fault::Logo, nullptr},
        {{"restore-factory"}, Fault::Mirror, nullptr},
    };
    // The factory branding (an oeminfo.ini of its own) is kept by the first command; then the
    // branding every case starts from.
    {
        std::ofstream(bed.InfoPath(), std::ios::binary) << "[General]\r\nManufacturer=Factory\r\n";
    }
    Expect(bed, {"apply-oem", "--manufacturer", "Maker", "--model", "M1"});
    Expect(bed, {"apply-support", "--owner", "Owner", "--telephone", "555", "--fax", "556"});
    Expect(bed, {"apply-logo", Picture(bed, "logo.png", 120, qRgb(200, 30, 40))});
    const Branding before = Snapshot(bed);
    ASSERT_TRUE(before.info && before.logo && before.mirror);

    for (const Case& c : cases) {
        SCOPED_TRACE(c.command[0] + " failing at " + std::to_string(static_cast<int>(c.fault)));
        const std::string path = c.fault == Fault::Info   ? bed.InfoPath()
                                 : c.fault == Fault::Logo ? bed.LogoPath()
                                                          : bed.MirrorLogoPath();
        if (c.fault == Fault::Value) {
            bed.Registry().FailWritesOf(c.value);
        } else {
            bed.Files().FailWrites(path, "No space left on device");
            bed.Files().FailDeletes(path, "No space left on device");
        }
        const CliRun run = bed.Run(c.command);
        bed.Files().Heal();
        bed.Registry().Heal();
        EXPECT_EQ(run.status, 1) << run.out;
        EXPECT_NE(run.err.find(c.fault == Fault::Value ? std::string(c.value) : path), std::string::npos) << run.err;
        EXPECT_TRUE(Snapshot(bed) == before) << run.err;
    }
    // The same commands succeed once nothing fails: the faults, not the commands, stopped them.
    Expect(bed, {"restore-factory"});
    EXPECT_EQ(Bytes(bed.InfoPath()), "[General]\r\nManufacturer=Factory\r\n");
}

}  // namespace
}  // namespace pelmora::cli::testing
