#include "CliArgs.h"
#include "Commands.h"
#include "ConsoleDialogs.h"
#include "ConsoleMainWindow.h"
#include "oem/CommandScope.h"

#include <filesystem>

namespace pelmora::cli {

namespace {

// The open-file dialog answers with a full path; so does the console, or the stored logo path
// would depend on the folder the command ran in.
std::string FullPath(const std::string& utf8)
{
    const std::filesystem::path path(std::u8string(utf8.begin(), utf8.end()));
    const std::u8string full = std::filesystem::absolute(path).lexically_normal().u8string();
    return std::string(full.begin(), full.end());
}

}  // namespace

int ApplyLogoCommand(std::span<const std::string> args, CliContext& context)
{
    const ParsedArgs parsed = ParseOptions(args, context.options);
    ExpectPositionals(parsed, {"FILE"});
    if (parsed.positionals[0].empty())
        throw UsageError("FILE is empty");

    ConsoleDialogs dialogs(context.out, context.err);
    ConsoleMainWindow window(context.services, dialogs);
    dialogs.SetFileToOpen(FullPath(parsed.positionals[0]));
    window.Presenter().SelectLogo();
    // A picture that did not load leaves the old path box: installing now would install that.
    if (dialogs.Refused())
        return dialogs.ExitStatus();
    if (parsed.Has("no-store"))
        window.Presenter().ApplyLogo();
    else
        window.Presenter().ApplySelected();
    return dialogs.ExitStatus();
}

int RemoveLogoCommand(std::span<const std::string> args, CliContext& context)
{
    ExpectPositionals(ParseOptions(args, {}), {});
    ConsoleDialogs dialogs(context.out, context.err);
    // Held from the window's reads: the path it loads decides whether there is a logo to remove.
    const CommandLockHold lock(context.services, dialogs);
    if (!lock)
        return dialogs.ExitStatus();
    ConsoleMainWindow window(context.services, dialogs);
    window.Presenter().RemoveLogo();
    return dialogs.ExitStatus();
}

}  // namespace pelmora::cli
