#pragma once

#include "CurrentWindowsPage.h"
#include "OemInfoFile.h"
#include "branding/OemInformation.h"

#include <QWidget>

#include <optional>
#include <string>

namespace pelmora::sysprops {

// The General page of System Properties as the platform would draw it from the OEM files in
// <WindowsDir>/System: the logo at its own size, "Manufactured and supported by:" with the
// manufacturer and model, and a button listing the support lines. A second page shows what
// current Windows shows from `current`, the OEMInformation values. Reads, never writes.
class SysPropsWindow final : public QWidget {
public:
    explicit SysPropsWindow(const std::string& windowsDir, const CurrentBranding& current = {}, QWidget* parent = nullptr);

    // The support lines in a modal box; returns when it is closed.
    void ShowSupportInformation();

private:
    QWidget* BuildGeneralPage(const std::string& windowsDir);
    QWidget* BuildOemBlock(const OemInfo& info);

    std::optional<OemInfo> m_Info;
};

}  // namespace pelmora::sysprops
