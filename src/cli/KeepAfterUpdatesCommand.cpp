#include "CliArgs.h"
#include "Commands.h"
#include "ConsoleDialogs.h"
#include "UpdateAction.h"
#include "branding/FactoryBackup.h"
#include "oem/CommandScope.h"
#include "oem/FailureReport.h"
#include "platform/FolderEntries.h"
#include "platform/ProtectedFolder.h"
#include "profile/ProfileReader.h"
#include "profile/ProfileWriter.h"

#include <filesystem>
#include <system_error>

namespace pelmora::cli {

namespace {

Status MakeFolder(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(PathFromUtf8(folder), error);
    if (error)
        return Status::Failed(error.message());
    return Status::Ok();
}

// The kept logos, whatever picture each kept profile had.
std::vector<std::string> KeptLogos(const std::string& keptFolder)
{
    std::vector<std::string> logos;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(PathFromUtf8(keptFolder), error)) {
        const std::string name = Utf8FromPath(entry.path().filename());
        if (name.rfind(KeptLogoName(""), 0) == 0)
            logos.push_back(Utf8FromPath(entry.path()));
    }
    return logos;
}

// Copies the profile's logo beside the kept profile; the name it is kept under.
std::optional<std::string> KeepLogo(const std::string& source, const UpdateActionPlaces& places, FilePort& files,
                                    FailureReport& failures)
{
    const std::string name = KeptLogoName(source);
    std::string bytes;
    Status status = files.ReadFile(source, kFactoryFileLimit, bytes);
    if (status)
        status = files.WriteFile(JoinPath(places.keptFolder, name), bytes);
    failures.Check(status, "The logo was not copied from " + source);
    return name;
}

int Keep(const std::string& path, const UpdateActionPlaces& places, CliContext& context)
{
    FilePort& files = context.services.files;
    const ProfileRead read = ReadProfile(files, context.services.pictures, path);
    if (!read.profile) {
        context.err << "pelmora-cli: " << path << " is not a valid profile; nothing was changed:\n";
        for (const std::string& problem : read.problems)
            context.err << "  " << problem << '\n';
        return 2;
    }
    FailureReport failures;
    failures.Check(MakeFolder(places.keptFolder), "The folder " + places.keptFolder + " was not made");
    // The system account applies what is kept there: no other user may change it.
    if (failures.Empty())
        failures.Check(ProtectFolderForAdministrators(places.keptFolder),
                       "The folder " + places.keptFolder + " was not closed to other users");
    failures.Check(MakeFolder(places.actionFolder), "The folder " + places.actionFolder + " was not made");
    std::optional<std::string> logo;
    if (failures.Empty() && read.profile->logo)
        logo = KeepLogo(*read.profile->logo, places, files, failures);
    if (failures.Empty())
        failures.Check(files.WriteFile(places.profile, ProfileText(read.profile->info, logo)),
                       "The profile was not written to " + places.profile);
    // Only once the new profile names its own: a logo kept before under another extension.
    for (const std::string& old : KeptLogos(places.keptFolder)) {
        if (failures.Empty() && (!logo || PathFromUtf8(old).filename() != PathFromUtf8(*logo)))
            failures.Check(files.DeleteFile(old), "The old kept logo " + old + " was not deleted");
    }
    // The script last: Setup finds it only once what it applies is in place.
    if (failures.Empty())
        failures.Check(files.WriteFile(places.script, UpdateActionScript()),
                       "The custom action was not written to " + places.script);
    if (!failures.Empty()) {
        context.err << failures.Text("The profile is not kept after feature updates.") << '\n';
        return 1;
    }
    context.out << "The profile was kept in " << places.profile << ".\n"
                << "After each feature update Windows Setup runs " << places.script
                << ", which applies it again and logs what it did in after-updates.log beside it.\n";
    const std::string cli = InstalledCliPath(context.services);
    if (cli.empty() || !files.Exists(cli))
        context.err << "pelmora-cli: the script runs " << (cli.empty() ? "Program Files\\Pelmora\\pelmora-cli.exe" : cli)
                    << ", which is not there yet: install the Pelmora package before the next feature update.\n";
    return 0;
}

int Remove(const UpdateActionPlaces& places, CliContext& context)
{
    FilePort& files = context.services.files;
    const bool wasKept = files.Exists(places.script) || files.Exists(places.profile);
    FailureReport failures;
    failures.Check(files.DeleteFile(places.script), "The custom action " + places.script + " was not deleted");
    std::error_code ignored;
    // Only when empty: whatever else is there is not ours.
    std::filesystem::remove(PathFromUtf8(places.actionFolder), ignored);
    failures.Check(files.DeleteFile(places.profile), "The kept profile " + places.profile + " was not deleted");
    for (const std::string& logo : KeptLogos(places.keptFolder))
        failures.Check(files.DeleteFile(logo), "The kept logo " + logo + " was not deleted");
    if (!failures.Empty()) {
        context.err << failures.Text("The kept profile was not fully taken away.") << '\n';
        return 1;
    }
    context.out << (wasKept ? "The kept profile and its custom action were taken away.\n"
                            : "No profile was kept after feature updates; nothing was changed.\n");
    return 0;
}

}  // namespace

int KeepAfterUpdatesCommand(std::span<const std::string> args, CliContext& context)
{
    const ParsedArgs parsed = ParseOptions(args, context.options);
    const bool remove = parsed.Has("remove");
    if (remove)
        ExpectPositionals(parsed, {});
    else
        ExpectPositionals(parsed, {"PROFILE"});
    if (!remove && parsed.positionals[0].empty())
        throw UsageError("PROFILE is empty");
    const UpdateActionPlaces places = LocateUpdateAction(context.services);
    if (places.script.empty()) {
        context.err << "No Windows directory with a ProgramData folder was found, so nothing can be kept there.\n";
        return 1;
    }
    // One command at a time: two keeps at once could leave one's profile with the other's logo.
    ConsoleDialogs dialogs(context.out, context.err);
    const CommandLockHold lock(context.services, dialogs);
    if (!lock)
        return dialogs.ExitStatus();
    return remove ? Remove(places, context) : Keep(parsed.positionals[0], places, context);
}

}  // namespace pelmora::cli
