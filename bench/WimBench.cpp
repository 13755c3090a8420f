// Branding one image of a WIM file with pelmora-cli against wimupdate adding the same files to a
// copy of it, each on a fresh copy of one WIM made here:
//
//     pelmora_bench_wim [runs] [filler files]
//
// The image holds a Windows folder with a test hive, an oeminfo.ini and filler files (by default
// 5000 of 4 KiB, so its metadata is not trivially small). The files pelmora writes are taken
// from a first branded copy; wimupdate then adds those. Both kinds run alternately in one run;
// the figure is the ratio of their medians (wall time of the whole command, copies not counted).
// Needs wimlib's tools and FUSE (as root).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

bool Run(const std::string& line)
{
    const int status = std::system(line.c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Milliseconds the command took; negative when it failed.
double Timed(const std::string& line)
{
    const auto start = std::chrono::steady_clock::now();
    const bool done = Run(line);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return done ? took.count() : -1;
}

void MakeImage(const fs::path& root, int fillers)
{
    const fs::path windows = root / "Windows";
    fs::create_directories(windows / "System32" / "config");
    fs::create_directories(windows / "System");
    fs::copy_file(PELMORA_TEST_HIVE, windows / "System32" / "config" / "SOFTWARE");
    std::ofstream(windows / "System" / "oeminfo.ini") << "[General]\r\nManufacturer=Factory\r\n";
    std::mt19937 random(7);
    std::string bytes(4096, '\0');
    for (int i = 0; i < fillers; ++i) {
        const fs::path folder = windows / "WinSxS" / std::to_string(i / 100);
        fs::create_directories(folder);
        for (char& c : bytes)
            c = static_cast<char>(random());
        std::ofstream(folder / ("f" + std::to_string(i) + ".dll"), std::ios::binary) << bytes;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 15;
    const int fillers = argc > 2 ? std::atoi(argv[2]) : 5000;
    char pattern[] = "/tmp/pelmora-bench-wim-XXXXXX";
    if (runs < 1 || ::mkdtemp(pattern) == nullptr)
        return 2;
    const fs::path dir = pattern;
    const std::string base = (dir / "base.wim").string();
    const std::string copy = (dir / "copy.wim").string();
    const std::string store = (dir / "store.sqlite3").string();
    const std::string brand = "env PELMORA_REGISTRY=" + store + " " PELMORA_CLI_EXE " --image " + copy +
                              " apply-oem --manufacturer Contoso --model X1 >/dev/null";
    const std::string update = "wimupdate " + copy + " 1 <" + (dir / "commands").string() + " >/dev/null";
    const std::string fresh = "cp " + base + " " + copy;

    MakeImage(dir / "src", fillers);
    // What pelmora writes, taken from a branded copy, for wimupdate to add.
    bool ready = Run("wimcapture " + (dir / "src").string() + " " + base + " Pro >/dev/null") && Run(fresh) &&
                 Run(brand) &&
                 Run("wimextract " + copy + " 1 /Windows/System/oeminfo.ini /Windows/System32/config/SOFTWARE /ProgramData"
                     " --preserve-dir-structure --no-acls --dest-dir=" + (dir / "added").string() + " >/dev/null");
    std::ofstream(dir / "commands") << "add " << (dir / "added").string() << " /\n";
    if (!ready) {
        std::fputs("pelmora_bench_wim: the image could not be made or branded (wimlib's tools, FUSE as root)\n", stderr);
        fs::remove_all(dir);
        return 1;
    }
    std::vector<double> pelmora, wimupdate;
    for (int i = 0; i < runs; ++i) {
        Run(fresh);
        pelmora.push_back(Timed(brand));
        Run(fresh);
        wimupdate.push_back(Timed(update));
        if (pelmora.back() < 0 || wimupdate.back() < 0) {
            std::fputs("pelmora_bench_wim: a run failed\n", stderr);
            fs::remove_all(dir);
            return 1;
        }
    }
    std::printf("image: %d filler files, WIM %.1f MiB; %d runs each\n", fillers,
                static_cast<double>(fs::file_size(base)) / (1024 * 1024), runs);
    std::printf("pelmora-cli --image apply-oem  median %8.1f ms\n", Median(pelmora));
    std::printf("wimupdate adding the same files median %8.1f ms\n", Median(wimupdate));
    std::printf("ratio of medians (target at most 1.5): %.2f\n", Median(pelmora) / Median(wimupdate));
    fs::remove_all(dir);
    return 0;
}
