#include "app/LogoCommands.h"

#include "app/LocateOemFiles.h"
#include "app/MainWindowControls.h"
#include "branding/BrandingChange.h"
#include "branding/LogoMirror.h"
#include "branding/OemInformation.h"
#include "oem/CommandScope.h"
#include "oem/FailureReport.h"
#include "platform/FileNameCase.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

namespace pelmora {

LogoCommands::LogoCommands(ViewPort& view, DialogPort& dialogs, AppServices& services,
                           const std::optional<std::string>& unreadAtStart)
    : m_View(view), m_Dialogs(dialogs), m_Services(services), m_UnreadAtStart(unreadAtStart)
{
}

void LogoCommands::Select()
{
    // The dialog starts with the name it last returned, through either choose command.
    const std::string chosen = m_Dialogs.AskOpenFile({"Bitmap Only|*.bmp", "Open Bitmap", 4, m_DialogFileName});
    if (chosen.empty())
        return;
    m_DialogFileName = chosen;

    // Path box and holder change together, so the path shown always names the held picture.
    std::string why;
    auto picture = m_Services.pictures.Load(chosen, why);
    if (!picture) {
        ShowStop(m_Dialogs, "The picture could not be loaded from " + chosen + ": " + Why(why) + ".");
        return;
    }
    const std::string pathBox = ShownFileName(chosen);
    m_View.SetText(form1::kPathBox, pathBox);
    Hold(std::move(picture), pathBox);
}

void LogoCommands::ApplySelected()
{
    CommandScope scope(m_Services, m_Dialogs);
    if (!scope)
        return;
    std::optional<FailureReport> failures = Install(scope.Files());
    if (!failures)
        return;
    // Stored and committed with the Logo value before the message, so a path that was not stored
    // is reported instead of it.
    failures->Check(
        WriteRegString(m_Services.registry, RegRoot::LocalMachine, kReadKey, "", m_View.Text(form1::kPathBox)),
        "The logo's path was not stored");
    scope.Finish(*failures);
    ReportInstalled(*failures);
}

void LogoCommands::Apply()
{
    CommandScope scope(m_Services, m_Dialogs);
    if (!scope)
        return;
    if (std::optional<FailureReport> failures = Install(scope.Files())) {
        scope.Finish(*failures);
        ReportInstalled(*failures);
    }
}

void LogoCommands::Remove()
{
    if (m_View.Text(form1::kPathBox).empty()) {
        if (m_UnreadAtStart) {
            ShowStop(m_Dialogs, "The logo was not removed: the stored values could not be read when the program "
                                "started (" + Why(*m_UnreadAtStart) + "), so the empty path box does not show what "
                                "is stored. Start the program again.");
            return;
        }
        m_Dialogs.ShowMessage("no logo to remove", "Corvexa", MessageStyle::Stop);
        return;
    }
    const std::optional<OemFileLocations> locations = LocateOemFiles(m_View, m_Dialogs);
    if (!locations)
        return;
    CommandScope scope(m_Services, m_Dialogs);
    if (!scope)
        return;
    const BrandingPlaces places = BrandingPlacesOf(*locations, m_Services);
    if (const auto refusal = RefuseBrandingChange(m_Services.files, m_Services.registry, places, {})) {
        ShowStop(m_Dialogs, *refusal);
        return;
    }

    const Status deleted = scope.Files().DeleteFile(locations->LogoPath);
    if (!deleted) {
        ShowStop(m_Dialogs, "The logo was not removed: " + locations->LogoPath + " could not be deleted: " +
                                Why(deleted) + ".");
        return;
    }
    RegistryApi& registry = m_Services.registry;
    FailureReport failures;
    CheckAll(failures, RemoveLogoMirror(scope.Files(), registry, places));
    failures.Check(WriteRegString(registry, RegRoot::LocalMachine, kReadKey, "", ""),
                   "The logo's stored path was not cleared");
    scope.Finish(failures);
    if (failures.Empty())
        m_View.SetPicture(form1::kCurrentLogo, nullptr);
    // Read back: a read that fails leaves the path box as it is rather than showing it empty.
    const RegReadCheck readBack(registry);
    const std::string stored = ReadRegString(registry, RegRoot::LocalMachine, kReadKey, "", "");
    const std::optional<std::string> unread = readBack.Failure();
    if (!unread)
        m_View.SetText(form1::kPathBox, stored);
    if (!failures.Empty()) {
        ShowStop(m_Dialogs, failures.Text("The logo was not fully removed."));
        return;
    }
    if (unread) {
        ShowStop(m_Dialogs, "The logo was removed, but its stored path could not be read back: " + Why(*unread) + ".");
        return;
    }
    m_Dialogs.ShowMessage("This will removing oemlogo", "Pelmora", MessageStyle::Exclamation);
}

void LogoCommands::ShowLogoAt(const std::string& logoPath)
{
    std::string why;
    m_View.SetPicture(form1::kCurrentLogo, m_Services.pictures.Load(logoPath, why));
}

void LogoCommands::Hold(std::shared_ptr<const Picture> picture, const std::string& pathBoxText)
{
    m_Held = std::move(picture);
    m_HeldFor = pathBoxText;
    m_View.SetPicture(form1::kHeldPicture, m_Held);
}

bool LogoCommands::EnsurePictureForPathBox(const std::string& pathBox, std::string& why)
{
    if (m_Held && m_HeldFor == pathBox)
        return true;
    auto picture = m_Services.pictures.Load(pathBox, why);
    if (!picture)
        return false;
    Hold(std::move(picture), pathBox);
    return true;
}

std::optional<FailureReport> LogoCommands::Install(FilePort& files)
{
    const std::string pathBox = m_View.Text(form1::kPathBox);
    if (pathBox.empty()) {
        m_Dialogs.ShowMessage("Could not Complete your request.please select an logo to apply", "Pelmora",
                              MessageStyle::Stop);
        return std::nullopt;
    }
    const std::optional<OemFileLocations> locations = LocateOemFiles(m_View, m_Dialogs);
    if (!locations)
        return std::nullopt;

    std::string why;
    if (!EnsurePictureForPathBox(pathBox, why)) {
        ShowStop(m_Dialogs, "The logo was not saved: the picture could not be loaded from " + pathBox + ": " +
                                Why(why) + ".");
        return std::nullopt;
    }
    const std::optional<std::string> bmp = m_Services.pictures.EncodeBmp(*m_Held);
    if (!bmp) {
        ShowStop(m_Dialogs, "The logo was not saved: the picture could not be converted to a bitmap.");
        return std::nullopt;
    }
    const BrandingPlaces places = BrandingPlacesOf(*locations, m_Services);
    if (const auto refusal = RefuseBrandingChange(m_Services.files, m_Services.registry, places, LogoValue(places))) {
        ShowStop(m_Dialogs, *refusal);
        return std::nullopt;
    }
    const Status written = files.WriteFile(locations->LogoPath, *bmp);
    if (!written) {
        ShowStop(m_Dialogs, "The logo was not saved: " + locations->LogoPath + " could not be written: " +
                                Why(written) + ".");
        return std::nullopt;
    }

    m_InstalledAt = locations->LogoPath;
    if (auto installed = m_Services.pictures.Load(locations->LogoPath, why))
        m_View.SetPicture(form1::kCurrentLogo, std::move(installed));
    FailureReport failures;
    CheckAll(failures, InstallLogoMirror(files, m_Services.pictures, m_Services.registry, places, *m_Held));
    return failures;
}

void LogoCommands::ReportInstalled(const FailureReport& failures)
{
    if (!failures.Empty()) {
        ShowLogoAt(m_InstalledAt);
        ShowStop(m_Dialogs, failures.Text("The logo was not fully saved."));
        return;
    }
    m_Dialogs.ShowMessage(
        "you selected logo has Succesfully saved. to display this logo you must type model & manufacture's name",
        "Pelmora", MessageStyle::Information);
}

}  // namespace pelmora
