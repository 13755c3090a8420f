#include "CliArgs.h"
#include "Commands.h"
#include "ConsoleDialogs.h"
#include "branding/FactoryBackup.h"
#include "branding/OemInformation.h"
#include "branding/RegExport.h"
#include "branding/UnattendExport.h"
#include "oem/CommandScope.h"
#include "oem/FailureReport.h"
#include "oem/OemFileLocations.h"
#include "platform/FolderEntries.h"
#include "registry/RegReadCheck.h"

#include <algorithm>
#include <filesystem>

namespace pelmora::cli {

namespace {

// The one FILE a command writes.
std::string FileArgument(std::span<const std::string> args)
{
    const ParsedArgs parsed = ParseOptions(args, {});
    ExpectPositionals(parsed, {"FILE"});
    if (parsed.positionals[0].empty())
        throw UsageError("FILE is empty");
    return parsed.positionals[0];
}

int Written(CliContext& context, const Status& status, const std::string& what, const std::string& path)
{
    if (!status) {
        context.err << what << " was not written to " << path << ": " << Why(status) << ".\n";
        return 1;
    }
    context.out << what << " was written to " << path << ".\n";
    return 0;
}

bool NothingBranded(const OemValues& values)
{
    return std::all_of(values.begin(), values.end(), [](const OemValueText& value) { return value.text.empty(); });
}

// The logo the answer file's Logo value names, copied where the share carries it; none when there
// is no logo or it was copied, else why the answer file cannot be written.
std::optional<std::string> CarryLogo(CliContext& context, const std::string& logoValue, const std::string& target)
{
    if (logoValue.empty())
        return std::nullopt;
    if (!NamesShareLogo(logoValue))
        return "the Logo value names " + logoValue + ", not the System32\\oemlogo.bmp a distribution share carries";
    const std::optional<std::string> logo =
        LogoFileFromValue(logoValue, FindWindowsDir(context.services.windowsDirectory));
    std::string bytes;
    if (!logo)
        return "the logo " + logoValue + " is not in this Windows directory";
    if (const Status read = context.services.files.ReadFile(*logo, kFactoryFileLimit, bytes); !read)
        return "the logo " + *logo + " could not be read: " + Why(read);
    std::error_code error;
    std::filesystem::create_directories(PathFromUtf8(target).parent_path(), error);
    if (error)
        return "the folder for " + target + " could not be made: " + error.message();
    if (const Status written = context.services.files.WriteFile(target, bytes); !written)
        return "the logo was not written to " + target + ": " + Why(written);
    return std::nullopt;
}

}  // namespace

int ExportUnattendCommand(std::span<const std::string> args, CliContext& context)
{
    const std::string path = FileArgument(args);
    const RegReadCheck reads(context.services.registry);
    const OemValues values = ReadOemInformation(context.services.registry);
    // A value that could not be read would be exported as one that is not set.
    if (const std::optional<std::string> unread = reads.Failure()) {
        context.err << "The answer file was not written to " << path << ": the stored values could not be read: "
                    << Why(*unread) << ".\n";
        return 1;
    }
    // An empty OEMInformation element would brand nothing and look like it did.
    if (NothingBranded(values)) {
        context.err << "The answer file was not written to " << path
                    << ": nothing is branded here (no OEMInformation value is set).\n";
        return 1;
    }
    const std::string& logoValue = TextOf(values, OemValue::Logo);
    const std::string logoTarget = ShareLogoPath(path);
    if (const auto problem = CarryLogo(context, logoValue, logoTarget)) {
        context.err << "The answer file was not written to " << path << ": " << *problem << ".\n";
        return 1;
    }
    const int status =
        Written(context, ExportUnattend(context.services.files, context.xml, values, path), "The answer file", path);
    if (status == 0 && !logoValue.empty())
        context.out << "Its logo was written beside it, as a distribution share carries it: " << logoTarget << ".\n";
    return status;
}

int ExportRegCommand(std::span<const std::string> args, CliContext& context)
{
    const std::string path = FileArgument(args);
    return Written(context, ExportReg(context.services.files, context.services.registry, path), "The registry file",
                   path);
}

int RestoreFactoryCommand(std::span<const std::string> args, CliContext& context)
{
    ExpectPositionals(ParseOptions(args, {}), {});
    AppServices& services = context.services;
    const std::string windowsDir = FindWindowsDir(services.windowsDirectory);
    if (windowsDir.empty()) {
        context.err << "No Windows directory was found, so there is no factory branding to put back.\n";
        return 1;
    }
    // Like every command that changes the branding: one at a time, its values in one transaction.
    ConsoleDialogs dialogs(context.out, context.err);
    CommandScope scope(services, dialogs);
    if (!scope)
        return dialogs.ExitStatus();
    const OemFileLocations locations = OemFileLocations::From(windowsDir);
    const BrandingPlaces places =
        LocateBranding(services.programData, windowsDir, locations.LogoPath, locations.InfoPath);
    const FactoryRestore restore = RestoreFactoryBranding(scope.Files(), services.registry, places);
    if (restore.refusal) {
        context.err << *restore.refusal << '\n';
        return 1;
    }
    FailureReport failures;
    CheckAll(failures, restore.steps);
    scope.Finish(failures);
    if (!failures.Empty()) {
        context.err << failures.Text("The factory branding was not fully put back.") << '\n';
        return 1;
    }
    context.out << "The factory branding was put back.\n";
    return 0;
}

}  // namespace pelmora::cli
