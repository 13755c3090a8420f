#include "wiring/WimImage.h"

#include "platform/FolderEntries.h"
#include "wiring/WimMount.h"
#include "wiring/WimLibrary_posix.h"
#include "wiring/WindowsImageCheck.h"


#include <charconv>
#include <memory>
#include <stdexcept>

#include <sys/stat.h>
#include <unistd.h>

namespace pelmora {

namespace {

// The version of WIMs whose resources are compressed together (ESD files).
constexpr std::uint32_t kSolidVersion = 0xE00;

using WimHandle = std::unique_ptr<WIMStruct, decltype(&wimlib_free)>;

std::string WimError(int code)
{
    return Wimlib().errorString(static_cast<wimlib_error_code>(code));
}

bool FileWritable(const std::string& file)
{
    struct stat info {};
    // No write permission bit at all counts, also for root, as it does for a hive.
    return ::stat(file.c_str(), &info) == 0 && (info.st_mode & 0222) != 0 && ::access(file.c_str(), W_OK) == 0;
}

WimFacts FactsOf(WIMStruct* wim, const std::string& file)
{
    wimlib_wim_info info {};
    Wimlib().getWimInfo(wim, &info);
    WimFacts facts;
    for (int image = 1; image <= static_cast<int>(info.image_count); ++image) {
        const char* name = Wimlib().getImageName(wim, image);
        facts.imageNames.emplace_back(name != nullptr ? name : "");
    }
    facts.solid = info.wim_version == kSolidVersion;
    facts.markedReadOnly = info.is_marked_readonly;
    facts.fileReadOnly = !FileWritable(file);
    facts.splitPart = info.total_parts > 1;
    facts.integrityTable = info.has_integrity_table;
    return facts;
}

WimFacts ReadWimFacts(const std::string& file)
{
    WIMStruct* opened = nullptr;
    if (const int code = Wimlib().openWim(file.c_str(), 0, &opened); code != 0)
        throw std::runtime_error("cannot open the WIM file " + file + ": " + WimError(code));
    const WimHandle wim(opened, Wimlib().free);
    return FactsOf(wim.get(), file);
}

std::string ImageList(const WimFacts& facts)
{
    std::string list;
    for (std::size_t i = 0; i < facts.imageNames.size(); ++i)
        list += (i ? ", " : "") + std::to_string(i + 1) + " \"" + facts.imageNames[i] + "\"";
    return list;
}

std::string Images(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " image" : " images");
}

// The installation's Windows folder at the image's root, any letter case.
std::string WindowsFolderOf(const std::string& root, const std::string& imageName)
{
    const auto windows = FindEntryIgnoringCase(root, "Windows");
    std::error_code error;
    if (!windows || !std::filesystem::is_directory(PathFromUtf8(*windows), error))
        throw std::runtime_error("the image " + imageName + " holds no Windows folder");
    if (!FindEntryIgnoringCase(*windows, "System32") && !FindEntryIgnoringCase(*windows, "System"))
        throw std::runtime_error("the Windows folder of the image " + imageName + " holds neither System32 nor System");
    if (const std::string problem = WindowsImageProblem(*windows); !problem.empty())
        throw std::runtime_error(problem);
    return *windows;
}

int RunMounted(WimMount& mount, const WimImageName& name, unsigned long index, const WimFacts& facts,
               WimAccess access, const WimCommand& command, std::string& problem)
{
    const std::string imageName = name.file + ":" + std::to_string(index);
    mount.WaitUntilMounted();
    bool changed = false;
    const int status = command(WindowsFolderOf(mount.Root(), imageName), imageName, changed);
    const bool commit = access == WimAccess::Write && status == 0 && (changed || mount.FilesWritten());
    problem = mount.Unmount(commit, facts.integrityTable);
    if (!problem.empty())
        problem = "the changes were not saved into " + name.file + ", which is as it was: " + problem;
    return status;
}

}  // namespace

WimImageName ParseWimImageName(const std::string& text)
{
    const auto colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size())
        return {text, std::nullopt};
    const char* first = text.data() + colon + 1;
    const char* last = text.data() + text.size();
    unsigned long index = 0;
    const auto [end, error] = std::from_chars(first, last, index);
    if (error == std::errc::result_out_of_range && end == last)
        return {text.substr(0, colon), 0};  // no image has that number
    if (error != std::errc() || end != last)
        return {text, std::nullopt};
    return {text.substr(0, colon), index};
}

WimChoice ChooseWimImage(const WimImageName& name, const WimFacts& facts)
{
    const std::size_t count = facts.imageNames.size();
    if (count == 0)
        return {0, name.file + " holds no image"};
    if (!name.index && count > 1)
        return {0, name.file + " holds " + Images(count) + "; name one as " + name.file + ":INDEX: " + ImageList(facts)};
    const unsigned long index = name.index.value_or(1);
    if (index < 1 || index > count)
        return {0, name.file + " has no image " + std::to_string(index) + "; it holds " + Images(count) + ": " +
                       ImageList(facts)};
    return {index, {}};
}

std::string WimWriteProblem(const WimImageName& name, unsigned long index, const WimFacts& facts)
{
    const std::string exportTo = "wimexport " + name.file + " " + std::to_string(index) + " NEW.wim";
    if (facts.splitPart)
        return name.file + " is one part of a split WIM, which is not changed in place; join the parts with wimjoin "
                           "and brand the joined file";
    if (facts.solid)
        return name.file + " is solid-compressed (an ESD), which is not changed in place; export the image into a "
                           "WIM with '" + exportTo + " --compress=LZX' and brand NEW.wim";
    if (facts.markedReadOnly)
        return name.file + " is marked read-only; export the image into a new WIM with '" + exportTo +
               "' and brand NEW.wim";
    if (facts.fileReadOnly)
        return name.file + " cannot be written; make it writable (chmod u+w " + name.file + ") and run the command again";
    return {};
}

namespace {

// Why the image named may not be used as asked; empty when it may.
std::string RefusalOf(const WimImageName& name, WimAccess access, const WimFacts& facts)
{
    const WimChoice choice = ChooseWimImage(name, facts);
    if (!choice.problem.empty() || access == WimAccess::Read)
        return choice.problem;
    return WimWriteProblem(name, choice.index, facts);
}

}  // namespace

int RunOnWimImage(const std::string& text, WimAccess access, const std::string& program, std::ostream& err,
                  const WimCommand& command)
{
    try {
        const WimImageName name = ParseWimImageName(text);
        Wimlib();  // loaded here, before the mount process is forked, which must find it loaded
        // The image the name would choose is mounted while this process looks at the file; the
        // mount stops by itself before reading the image when the same look refuses it, and the
        // refusal is told from here.
        WimMount mount(name.file, name.index.value_or(1), access == WimAccess::Write,
                       [&](WIMStruct* wim) { return RefusalOf(name, access, FactsOf(wim, name.file)).empty(); });
        const WimFacts facts = ReadWimFacts(name.file);
        if (const std::string problem = RefusalOf(name, access, facts); !problem.empty())
            throw std::runtime_error(problem);
        const WimChoice choice = ChooseWimImage(name, facts);
        std::string problem;
        const int status = RunMounted(mount, name, choice.index, facts, access, command, problem);
        if (problem.empty())
            return status;
        err << program << ": " << problem << '\n';
        return 1;
    } catch (const std::exception& error) {
        err << program << ": " << error.what() << '\n';
        return 1;
    }
}

}  // namespace pelmora
