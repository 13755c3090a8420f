#include "branding/UnattendExport.h"

#include "branding/Utf16.h"
#include "platform/FolderEntries.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace pelmora {

namespace {

// XML 1.0 holds neither most control characters nor the two non-characters at the plane's end.
bool XmlCanHold(const std::string& text)
{
    for (const char16_t unit : Utf16FromUtf8(text)) {
        if ((unit < 0x20 && unit != '\t' && unit != '\n' && unit != '\r') || unit == 0xFFFE || unit == 0xFFFF)
            return false;
    }
    return true;
}

void WriteComponent(XmlDocument& document, const OemValues& values)
{
    document.StartElement("component");
    document.Attribute("name", "Microsoft-Windows-Shell-Setup");
    document.Attribute("processorArchitecture", "amd64");
    document.Attribute("publicKeyToken", "31bf3856ad364e35");
    document.Attribute("language", "neutral");
    document.Attribute("versionScope", "nonSxS");
    document.DeclareNamespace("wcm", "http://schemas.microsoft.com/WMIConfig/2002/State");
    document.DeclareNamespace("xsi", "http://www.w3.org/2001/XMLSchema-instance");
    document.StartElement("OEMInformation");
    for (const OemValue value : kOemValues) {
        const std::string& text = TextOf(values, value);
        if (text.empty())
            continue;
        document.StartElement(OemValueName(value));
        document.Text(text);
        document.EndElement();
    }
    document.EndElement();  // OEMInformation
    document.EndElement();  // component
}

}  // namespace

std::optional<std::string> RefuseForXml(const OemValues& values)
{
    for (const OemValueText& value : values) {
        if (!XmlCanHold(value.text))
            return std::string(OemFieldLabel(value.value)) +
                   " contains a control character, which an answer file cannot hold. Nothing was saved.";
    }
    return std::nullopt;
}

std::optional<std::string> UnattendDocument(XmlWriterPort& xml, const OemValues& values, std::string& error)
{
    if (const auto refusal = RefuseForXml(values)) {
        error = *refusal;
        return std::nullopt;
    }
    const auto document = xml.NewDocument();
    document->StartElement("unattend");
    document->DeclareNamespace("", "urn:schemas-microsoft-com:unattend");
    document->StartElement("settings");
    document->Attribute("pass", "specialize");
    WriteComponent(*document, values);
    document->EndElement();  // settings
    document->EndElement();  // unattend
    return document->Finish(error);
}

std::string ShareLogoPath(const std::string& answerPath)
{
    const std::filesystem::path folder = PathFromUtf8(answerPath).parent_path();
    return Utf8FromPath(folder / "$OEM$" / "$$" / "System32" / "oemlogo.bmp");
}

bool NamesShareLogo(const std::string& logoValue)
{
    constexpr std::string_view kTail = "\\system32\\oemlogo.bmp";
    if (logoValue.size() < kTail.size())
        return false;
    std::string tail = logoValue.substr(logoValue.size() - kTail.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == kTail;
}

Status ExportUnattend(FilePort& files, XmlWriterPort& xml, const OemValues& values, const std::string& path)
{
    std::string error;
    const std::optional<std::string> document = UnattendDocument(xml, values, error);
    if (!document)
        return Status::Failed(error);
    return files.WriteFile(path, *document);
}

}  // namespace pelmora
