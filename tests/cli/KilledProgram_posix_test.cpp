// The built program killed outright while it applies a profile to a Windows image, as a power
// cut or a lost session would stop it.
#include "CliTestBed.h"
#include "registry/HiveImage.h"

#include <QImage>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pelmora::cli::testing {
namespace {

namespace fs = std::filesystem;
using pelmora::testing::WindowsImage;

// What the next command sees of the image's branding: show, oeminfo.ini and both logos.
struct Branding {
    std::string show;
    std::string info, logo, mirror;
    bool operator==(const Branding&) const = default;
};

class KilledProgram {
public:
    KilledProgram()
    {
        fs::create_directories(fs::path(m_Image.WindowsDir()) / "System");
        fs::create_directories(fs::path(m_Image.WindowsDir()) / "System32");
    }

    // Starts the program on the image with `args`, its output thrown away.
    pid_t Start(const std::vector<std::string>& args) const
    {
        std::vector<std::string> line = {PELMORA_CLI_EXE, "--windows-dir", m_Image.WindowsDir()};
        line.insert(line.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& arg : line)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        std::string store = "PELMORA_REGISTRY=" + m_Image.temp.File("store.sqlite3");
        std::string home = "HOME=" + m_Image.temp.File("home");
        char* envp[] = {store.data(), home.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, m_Image.temp.File("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawn(&pid, PELMORA_CLI_EXE, &actions, nullptr, argv.data(), envp), 0);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    int Wait(pid_t pid) const
    {
        int status = 0;
        waitpid(pid, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string Errors() const { return CliTestBed::ReadBytes(m_Image.temp.File("err")); }

    // Runs show, the next command, and reads what it leaves.
    Branding Next() const
    {
        const std::string out = m_Image.temp.File("show");
        const std::string line = std::string(PELMORA_CLI_EXE) + " --windows-dir '" + m_Image.WindowsDir() + "' show >'" +
                                 out + "' 2>'" + m_Image.temp.File("err") + "'";
        const std::string env = "env -i PELMORA_REGISTRY='" + m_Image.temp.File("store.sqlite3") + "' HOME='" +
                                m_Image.temp.File("home") + "' ";
        EXPECT_EQ(std::system((env + line).c_str()), 0);
        const fs::path windows = m_Image.WindowsDir();
        return {CliTestBed::ReadBytes(out), Read(windows / "System" / "oeminfo.ini"),
                Read(windows / "System" / "oemlogo.bmp"), Read(windows / "System32" / "oemlogo.bmp")};
    }

    // A profile with every field and a logo of its own colour.
    std::string Profile(const std::string& name, QRgb colour) const
    {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(QString::fromStdString(m_Image.temp.File(name + ".png"))));
        const std::string path = m_Image.temp.File(name + ".json");
        std::ofstream(path) << R"({"manufacturer": ")" << name << R"( Maker", "model": ")" << name
                            << R"( 1", "web": "https://)" << name << R"(.example", "telephone": ")" << name
                            << R"( 555", "owner": ")" << name << R"( Owner", "logo": ")" << name << R"(.png"})";
        return path;
    }

private:
    static std::string Read(const fs::path& path) { return fs::exists(path) ? CliTestBed::ReadBytes(path) : "-"; }

    WindowsImage m_Image;
};

// Twenty kills at random moments, alternating two profiles: whatever moment each struck, the next
// command leaves the store, oeminfo.ini and both logos all of one profile.
TEST(KilledProgram, AProfileKilledAnywhereIsWholeOrAbsentAfterTheNextCommand)
{
    KilledProgram program;
    const std::string profiles[] = {program.Profile("Alpha", qRgb(200, 20, 20)),
                                    program.Profile("Beta", qRgb(20, 20, 200))};
    Branding whole[2];
    std::chrono::microseconds longest{0};
    for (int i = 0; i < 2; ++i) {
        const auto start = std::chrono::steady_clock::now();
        ASSERT_EQ(program.Wait(program.Start({"apply-profile", profiles[i]})), 0) << program.Errors();
        longest = std::max(longest, std::chrono::duration_cast<std::chrono::microseconds>(
                                        std::chrono::steady_clock::now() - start));
        whole[i] = program.Next();
    }
    ASSERT_NE(whole[0], whole[1]);

    std::mt19937 random(std::random_device{}());
    // Most of a run is the program starting; the kills fall mostly where it writes.
    std::uniform_int_distribution<long> moment(longest.count() / 3, longest.count());
    int settled = 0;
    for (int kill = 0; kill < 20; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t pid = program.Start({"apply-profile", profiles[kill % 2]});
        std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
        ::kill(pid, SIGKILL);
        program.Wait(pid);
        const Branding after = program.Next();
        EXPECT_TRUE(after == whole[0] || after == whole[1]) << after.show;
        if (program.Errors().find("stopped midway") != std::string::npos)
            ++settled;
    }
    // Not a condition of the test, which holds whichever moments the kills struck.
    std::cout << settled << " of 20 kills left a command for the next to settle\n";
}

}  // namespace
}  // namespace pelmora::cli::testing
