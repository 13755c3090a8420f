#pragma once

#include "oem/AppServices.h"
#include "oem/FailureReport.h"
#include "platform/DialogPort.h"
#include "platform/ViewPort.h"

#include <memory>
#include <optional>
#include <string>

namespace pelmora {

// The main window's logo commands, with the picture they hold between them.
class LogoCommands {
public:
    // `unreadAtStart`: why start-up could not read the stored fields, if it could not.
    LogoCommands(ViewPort& view, DialogPort& dialogs, AppServices& services,
                 const std::optional<std::string>& unreadAtStart);

    void Select();         // choose a picture: the path box and the held picture change together
    void ApplySelected();  // install it, then store its path
    void Apply();          // install it only
    void Remove();

private:
    void Hold(std::shared_ptr<const Picture> picture, const std::string& pathBoxText);
    // Installs the picture the path box names through `files` (the command's): none after a stop
    // message, when oemlogo.bmp was not written; else what of the rest (its mirror) was not saved.
    std::optional<FailureReport> Install(FilePort& files);
    // The success message, or the stop message listing what was not saved instead of it.
    void ReportInstalled(const FailureReport& failures);
    // Current Logo shows the file at `logoPath` again (none when there is none), once a command
    // that failed has put it back.
    void ShowLogoAt(const std::string& logoPath);
    bool EnsurePictureForPathBox(const std::string& pathBox, std::string& why);

    ViewPort& m_View;
    DialogPort& m_Dialogs;
    AppServices& m_Services;
    const std::optional<std::string>& m_UnreadAtStart;

    std::shared_ptr<const Picture> m_Held;  // the selection holder Image3
    std::string m_HeldFor;                  // the path box text the held picture was loaded for
    std::string m_DialogFileName;           // cdlg's file name: shared by both choose commands
    std::string m_InstalledAt;              // where the last Install wrote oemlogo.bmp
};

}  // namespace pelmora
