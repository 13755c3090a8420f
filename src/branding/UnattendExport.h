#pragma once

#include "branding/OemInformation.h"
#include "platform/FilePort.h"
#include "platform/XmlWriterPort.h"

#include <optional>
#include <string>

namespace pelmora {

// The stop message for the first value an XML document cannot hold (a control character other
// than tab and line breaks), naming the field; none when every one can.
std::optional<std::string> RefuseForXml(const OemValues& values);

// An unattend answer file that sets the values in the specialize pass: the component
// Microsoft-Windows-Shell-Setup for amd64 holding OEMInformation, one element per non-empty
// value. Null when the writer fails or a value is refused; `error` then says why.
std::optional<std::string> UnattendDocument(XmlWriterPort& xml, const OemValues& values, std::string& error);

// Where a distribution share carries the logo for an answer file at `answerPath`: beside it,
// $OEM$/$$/System32/oemlogo.bmp, which setup copies into the Windows directory's System32.
std::string ShareLogoPath(const std::string& answerPath);

// The Logo value an answer file may give: one naming System32\oemlogo.bmp, the file the share
// carries.
bool NamesShareLogo(const std::string& logoValue);

// The answer file written to `path`, replacing it atomically.
Status ExportUnattend(FilePort& files, XmlWriterPort& xml, const OemValues& values, const std::string& path);

}  // namespace pelmora
