#include "CliArgs.h"
#include "CommandTable.h"
#include "ConsoleDialogs.h"
#include "ConsoleMainWindow.h"
#include "app/MainWindowControls.h"
#include "branding/FactoryBackup.h"
#include "oem/CommandScope.h"
#include "oem/FailureReport.h"
#include "oem/OemFileLocations.h"
#include "platform/FolderEntries.h"
#include "profile/MachineBranding.h"
#include "profile/ProfileFields.h"
#include "profile/ProfileReader.h"
#include "profile/ProfileRun.h"
#include "profile/ProfileWriter.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace pelmora::cli {

namespace {

std::string ProfileArgument(const ParsedArgs& parsed)
{
    ExpectPositionals(parsed, {"FILE"});
    if (parsed.positionals[0].empty())
        throw UsageError("FILE is empty");
    return parsed.positionals[0];
}

// The profile, or none after listing its problems.
std::optional<ProfileRead> ReadOrReport(const std::string& path, CliContext& context)
{
    ProfileRead read = ReadProfile(context.services.files, context.services.pictures, path);
    if (read.profile)
        return read;
    context.err << "pelmora-cli: " << path << " is not a valid profile; nothing was changed:\n";
    for (const std::string& problem : read.problems)
        context.err << "  " << problem << '\n';
    return std::nullopt;
}

void PrintDifferences(std::ostream& out, const std::vector<ProfileDifference>& differences)
{
    for (const ProfileDifference& difference : differences)
        out << difference.Line() << '\n';
}

// Remove Logo refuses while the path box is empty; a logo someone else installed is still there
// to remove, so its path is typed in first, as a user would.
bool RemoveLogo(CliContext& context)
{
    ConsoleDialogs dialogs(context.out, context.err);
    ConsoleMainWindow window(context.services, dialogs);
    MemoryView& view = window.View();
    if (view.Text(form1::kPathBox).empty() && !view.Text(form1::kWindowsDir).empty())
        view.SetText(form1::kPathBox, OemFileLocations::From(view.Text(form1::kWindowsDir)).LogoPath);
    window.Presenter().RemoveLogo();
    return !dialogs.Refused();
}

// The options that give the fields of `window` the profile's values.
std::vector<std::string> FieldOptions(FieldWindow window, const BrandingProfile& profile)
{
    std::vector<std::string> args;
    for (const ProfileField& field : kProfileFields) {
        if (field.window == window)
            args.push_back(std::string("--") + field.option + "=" + profile.info.*field.member);
    }
    return args;
}

// The arguments of the console command a step is, from the profile's values.
std::vector<std::string> StepArguments(ProfileStep step, const BrandingProfile& profile)
{
    switch (step) {
    case ProfileStep::InstallLogo:
        return {*profile.logo};
    case ProfileStep::ApplyOem:
        return FieldOptions(FieldWindow::Main, profile);
    case ProfileStep::ApplySupport:
        return FieldOptions(FieldWindow::SupportEditor, profile);
    case ProfileStep::ApplyWindows:
        return FieldOptions(FieldWindow::CurrentWindows, profile);
    case ProfileStep::RemoveLogo:
        break;
    }
    return {};
}

// Each step is the console command of the same name, run from its row of the command table.
bool RunStep(ProfileStep step, const BrandingProfile& profile, CliContext& context)
{
    if (step == ProfileStep::RemoveLogo)
        return RemoveLogo(context);
    const CliCommand* command = FindCommand(StepCommand(step));
    return command != nullptr && RunCommand(*command, StepArguments(step, profile), context) == 0;
}

std::string StepList(const std::vector<ProfileStep>& steps)
{
    std::string list;
    for (const ProfileStep step : steps)
        list += (list.empty() ? "" : ", ") + std::string(StepCommand(step));
    return list;
}

int ReportApplied(const ProfileApplied& applied, bool dryRun, CliContext& context)
{
    if (!applied.before.differences) {
        context.err << "pelmora-cli: the profile was not applied: " << applied.before.error << ".\n";
        return 1;
    }
    if (applied.before.differences->empty()) {
        context.out << "The machine already matches the profile; nothing was changed.\n";
        return 0;
    }
    context.out << "The machine differs from the profile:\n";
    PrintDifferences(context.out, *applied.before.differences);
    if (dryRun) {
        context.out << "apply-profile would run: " << StepList(applied.steps) << ".\n";
        return 0;
    }
    if (applied.refused) {
        context.err << "The profile was not applied: a command was refused, and nothing of the profile was kept.\n";
        return 1;
    }
    if (!applied.after.differences) {
        context.err << "The profile was applied, but the machine could not be compared again: "
                    << applied.after.error << ".\n";
        return 1;
    }
    if (!applied.after.differences->empty()) {
        context.err << "The profile was applied, but the machine still differs from it:\n";
        PrintDifferences(context.err, *applied.after.differences);
        return 1;
    }
    context.out << "The machine now matches the profile.\n";
    return 0;
}

// Beside the profile, named after it: brand.json takes brand-logo.bmp.
std::string LogoCopyPath(const std::string& profilePath, const std::string& source)
{
    const std::filesystem::path profile = PathFromUtf8(profilePath);
    std::filesystem::path name = profile.stem();
    name += "-logo";
    name += PathFromUtf8(source).extension();
    return Utf8FromPath(profile.parent_path() / name);
}

// Why the profile's folder cannot take it; none when it is a folder (the current one for a bare name).
std::optional<std::string> FolderProblem(const std::string& profilePath)
{
    const std::filesystem::path folder = PathFromUtf8(profilePath).parent_path();
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error))
        return std::nullopt;
    const std::string named = "the folder " + Utf8FromPath(folder);
    return std::filesystem::exists(folder, error) ? named + " is not a folder" : named + " does not exist";
}

}  // namespace

int ApplyProfileCommand(std::span<const std::string> args, CliContext& context)
{
    const ParsedArgs parsed = ParseOptions(args, context.options);
    const std::string path = ProfileArgument(parsed);
    const bool dryRun = parsed.Has("dry-run");
    const std::optional<ProfileRead> read = ReadOrReport(path, context);
    if (!read)
        return 2;
    const BrandingProfile& profile = *read->profile;
    const auto run = [&](ProfileStep step) { return RunStep(step, profile, context); };
    if (dryRun)
        return ReportApplied(ApplyProfile(context.services, profile, read->logoPicture.get(), run, true), true, context);
    // One command, whole or not at all: the steps' commands are parts of it, and a profile half
    // applied (one profile's maker beside another's support lines) is never left.
    ConsoleDialogs dialogs(context.out, context.err);
    CommandScope scope(context.services, dialogs);
    if (!scope)
        return dialogs.ExitStatus();
    const ProfileApplied applied = ApplyProfile(context.services, profile, read->logoPicture.get(), run, false);
    if (applied.refused || applied.steps.empty())
        return ReportApplied(applied, false, context);
    FailureReport failures;
    scope.Finish(failures);
    if (!failures.Empty()) {
        context.err << failures.Text("The profile was not applied.") << '\n';
        return 1;
    }
    return ReportApplied(applied, false, context);
}

int CheckProfileCommand(std::span<const std::string> args, CliContext& context)
{
    const std::string path = ProfileArgument(ParseOptions(args, {}));
    const std::optional<ProfileRead> read = ReadOrReport(path, context);
    if (!read)
        return 2;
    const ProfileComparison comparison =
        CompareWithMachine(context.services, *read->profile, read->logoPicture.get());
    if (!comparison.differences) {
        context.err << "pelmora-cli: the machine was not compared with the profile: " << comparison.error << ".\n";
        return 1;
    }
    if (!comparison.differences->empty()) {
        PrintDifferences(context.out, *comparison.differences);
        return 1;
    }
    context.out << "The machine matches the profile.\n";
    return 0;
}

int ExportProfileCommand(std::span<const std::string> args, CliContext& context)
{
    const std::string path = ProfileArgument(ParseOptions(args, {}));
    // Before the logo is copied there: a missing folder is what stops both files.
    if (const std::optional<std::string> problem = FolderProblem(path)) {
        context.err << "The profile was not written to " << path << ": " << *problem << ".\n";
        return 1;
    }
    AppServices& services = context.services;
    const MachineBranding machine = ReadMachineBranding(services);
    std::optional<std::string> logoName;
    if (const std::optional<std::string> source = MachineLogoFile(machine, services.files)) {
        const std::string copy = LogoCopyPath(path, *source);
        if (FullPathOf(copy) == FullPathOf(path))
            throw UsageError("FILE would be overwritten by its own logo: give the profile another name");
        std::string bytes;
        Status status = services.files.ReadFile(*source, kFactoryFileLimit, bytes);
        if (status)
            status = services.files.WriteFile(copy, bytes);
        if (!status) {
            context.err << "The logo was not copied from " << *source << " to " << copy << ": " << Why(status)
                        << ". The profile was not written.\n";
            return 1;
        }
        logoName = Utf8FromPath(PathFromUtf8(copy).filename());
        context.out << "The logo was copied to " << copy << ".\n";
    }
    const SupportInfo fields = MachineFields(machine);
    if (const Status written = services.files.WriteFile(path, ProfileText(fields, logoName)); !written) {
        context.err << "The profile was not written to " << path << ": " << Why(written) << ".\n";
        return 1;
    }
    context.out << "The profile was written to " << path << ".\n";
    if (fields.Manufacturer.empty() || fields.Model.empty())
        context.err << "The machine has no manufacturer or model: fill them in before the profile is applied.\n";
    return 0;
}

}  // namespace pelmora::cli
