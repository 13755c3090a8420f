#include "ImageOption.h"

#include "CliArgs.h"
#include "RunCli.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace pelmora::cli {

namespace {

constexpr std::string_view kImageOption = "--image";

std::optional<std::string> TakeImageOption(std::vector<std::string>& args)
{
    if (args.empty())
        return std::nullopt;
    const std::string& arg = args.front();
    std::optional<std::string> value;
    std::ptrdiff_t taken = 1;
    if (arg == kImageOption) {
        if (args.size() < 2)
            throw UsageError("--image needs a value");
        value = args[1];
        taken = 2;
    } else if (arg.rfind(std::string(kImageOption) + "=", 0) == 0) {
        value = arg.substr(kImageOption.size() + 1);
    } else {
        return std::nullopt;
    }
    if (value->empty())
        throw UsageError("--image needs a WIM file: --image FILE.wim[:INDEX]");
    args.erase(args.begin(), args.begin() + taken);
    return value;
}

}  // namespace

TargetOptions TakeTargetOptions(std::vector<std::string>& args)
{
    TargetOptions options;
    for (;;) {
        auto windowsDir = TakeWindowsDirOption(args);
        auto image = TakeImageOption(args);
        if (!windowsDir && !image)
            break;
        if ((windowsDir && options.windowsDir) || (image && options.image))
            throw UsageError(std::string(windowsDir ? "--windows-dir" : "--image") + " is given twice");
        if (windowsDir)
            options.windowsDir = std::move(windowsDir);
        if (image)
            options.image = std::move(image);
    }
    // Two installations would leave it open which one is branded.
    if (options.windowsDir && options.image)
        throw UsageError("--windows-dir and --image name two installations; give one of them");
    return options;
}

bool CommandOnlyReads(const std::vector<std::string>& args)
{
    if (args.empty())
        return true;
    static const std::string_view kReaders[] = {"show", "check-profile", "export-unattend", "export-reg",
                                                "export-profile"};
    const std::string& command = args.front();
    if (std::find(std::begin(kReaders), std::end(kReaders), command) != std::end(kReaders))
        return true;
    if (command == "reg")
        return args.size() > 1 && args[1] == "query";
    return std::find(args.begin(), args.end(), "--dry-run") != args.end();
}

}  // namespace pelmora::cli
