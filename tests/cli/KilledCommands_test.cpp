#include "CliTestBed.h"
#include "branding/RegExport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

namespace pelmora::cli::testing {
namespace {

// The branding as a command may leave it, with the bed's own folder taken out of the paths so
// two beds compare.
struct Branding {
    std::string store;
    std::optional<std::string> info, logo, mirror;
    bool operator==(const Branding&) const = default;
};

void PrintTo(const Branding& branding, std::ostream* out)
{
    auto size = [](const std::optional<std::string>& file) { return file ? std::to_string(file->size()) : "-"; };
    *out << branding.store << "\ninfo: " << branding.info.value_or("-") << "\nlogo: " << size(branding.logo)
         << " mirror: " << size(branding.mirror);
}

std::optional<std::string> Bytes(const std::string& path)
{
    if (!std::filesystem::exists(path))
        return std::nullopt;
    return CliTestBed::ReadBytes(path);
}

Branding Snapshot(CliTestBed& bed)
{
    std::string error;
    // The export is UTF-16LE of ASCII text here.
    std::string store;
    for (char c : RegExportBytes(bed.Registry(), error).value_or(error))
        if (c != '\0')
            store += c;
    const std::string root = std::filesystem::path(bed.WindowsDir()).parent_path().string();
    for (std::size_t at; (at = store.find(root)) != std::string::npos;)
        store.replace(at, root.size(), "<bed>");
    return {store, Bytes(bed.InfoPath()), Bytes(bed.LogoPath()), Bytes(bed.MirrorLogoPath())};
}

std::string Picture(CliTestBed& bed, const std::string& name, QRgb colour)
{
    QImage image(90, 40, QImage::Format_RGB32);
    image.fill(colour);
    const std::string path = bed.File(name);
    EXPECT_TRUE(image.save(QString::fromStdString(path)));
    return path;
}

std::string JournalPath(CliTestBed& bed)
{
    return bed.File("ProgramData") + "/Pelmora/command-journal";
}

// A machine whose factory branding is kept and which carries a maker, support lines and a logo.
void Brand(CliTestBed& bed)
{
    std::ofstream(bed.InfoPath(), std::ios::binary) << "[General]\r\nManufacturer=Factory\r\n";
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"apply-oem", "--manufacturer", "Maker", "--model", "M1"},
          {"apply-support", "--owner", "Owner", "--telephone", "555"},
          {"apply-logo", Picture(bed, "logo.png", qRgb(200, 30, 40))}}) {
        const CliRun run = bed.Run(command);
        ASSERT_EQ(run.status, 0) << run.err;
    }
}

// A command killed after each of its changes to a file in turn (its journal's writes among them,
// the last before its values are committed): the next command, whatever it is, finds the journal
// and leaves the branding either as it was or as the whole command leaves it, never a mixture,
// and says which in one line. The values are committed only after the journal holds them, so
// the killed command ends as if whole exactly when it got that far.
TEST(KilledCommands, TheNextCommandFinishesOrTakesBackACommandKilledAtAnyChange)
{
    const std::vector<std::string> commands[] = {
        {"apply-logo", "other.png"},
        {"remove-logo"},
        {"apply-oem", "--manufacturer", "New", "--model", "N2"},
        {"remove-oem"},
        {"restore-factory"},
        {"apply-profile", "brand.json"},
    };
    for (const std::vector<std::string>& command : commands) {
        std::optional<Branding> before, after;
        for (int changes = 0;; ++changes) {
            SCOPED_TRACE(command[0] + " killed after " + std::to_string(changes) + " changes");
            CliTestBed bed(SystemFolder::Current);
            Brand(bed);
            Picture(bed, "other.png", qRgb(10, 200, 30));
            std::ofstream(bed.File("brand.json")) << R"({"manufacturer": "Brand", "model": "B1", "fax": "999",)"
                                                  << R"( "logo": "other.png"})";
            std::vector<std::string> args = command;
            if (args.size() == 2)
                args[1] = bed.File(args[1]);
            if (!before)
                before = Snapshot(bed);
            if (!after) {
                ASSERT_EQ(bed.Run(args).status, 0);
                after = Snapshot(bed);
                ASSERT_NE(*after, *before);
                continue;
            }
            bed.Files().StopAfter(changes);
            const CliRun killed = bed.Run(args);
            bed.Files().Heal();
            const bool journalLeft = std::filesystem::exists(JournalPath(bed));
            const CliRun next = bed.Run({"show"});
            EXPECT_EQ(next.status, 0) << next.err;
            EXPECT_FALSE(std::filesystem::exists(JournalPath(bed)));
            EXPECT_EQ(Snapshot(bed), killed.status == 0 ? *after : *before) << killed.err << next.err;
            if (!journalLeft) {
                EXPECT_EQ(next.err, "");
            } else {
                EXPECT_NE(next.err.find(killed.status == 0 ? "it was completed" : "what it had changed was put back"),
                          std::string::npos)
                    << next.err;
            }
            if (killed.status == 0 && !journalLeft)
                break;  // got through whole
        }
    }
}

// A journal cut short while it was written: its command had changed nothing; the next command
// says so, discards it and touches no file.
TEST(KilledCommands, AJournalCutShortIsDiscarded)
{
    CliTestBed bed(SystemFolder::Current);
    Brand(bed);
    const Branding before = Snapshot(bed);
    std::filesystem::create_directories(bed.File("ProgramData") + "/Pelmora");
    std::ofstream(JournalPath(bed), std::ios::binary) << "pelmora command journal 1\n11:pelmora-cli\n1:1\n22:/";
    const CliRun run = bed.Run({"apply-oem", "--manufacturer", "After", "--model", "M1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("cut short"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(JournalPath(bed)));
    EXPECT_EQ(Snapshot(bed).logo, before.logo);
    EXPECT_EQ(bed.Show()["Manufacture"], "After");
}

}  // namespace
}  // namespace pelmora::cli::testing
