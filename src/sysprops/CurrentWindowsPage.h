#pragma once

#include "branding/OemInformation.h"

#include <QWidget>

#include <string>

namespace pelmora::sysprops {

// The OEMInformation values of the system's registry, read only; none when there is no store or
// no key yet.
OemValues ReadCurrentBranding();

// What current Windows shows of the maker's branding, from the OEMInformation values: the logo
// the Logo value names (mapped back onto `windowsDir`), fitted into 120 x 120 and never scaled
// up, then manufacturer, model, support phone and website, each only when it is set. Without any
// value, a line saying so.
QWidget* BuildCurrentWindowsPage(const std::string& windowsDir, const OemValues& values);

}  // namespace pelmora::sysprops
