#pragma once

#include "oem/SupportInfo.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pelmora {

// The values current Windows reads under OEMInformation.
enum class OemValue { Logo, Manufacturer, Model, SupportAppURL, SupportHours, SupportPhone, SupportProvider, SupportURL };

// The window whose text box edits a field.
enum class FieldWindow { Main, SupportEditor, CurrentWindows };

// One branding field, everything about it in one place. Every list of fields (the windows'
// boxes, the console's options and help, profiles, show, the exports, the viewer) is read from
// kBrandingFields, so a new field is one row here plus its text box in its window's design.
struct BrandingField {
    std::string SupportInfo::*member;  // null for the logo, which is a picture, not a text
    FieldWindow window;
    const char* control;     // the text box in that window's design
    const char* storedName;  // the value under the program's OEM key
    const char* option;      // pelmora-cli's option (--web), without the dashes
    const char* profileKey;  // the key in a JSON profile
    std::optional<OemValue> oemValue;  // the OEMInformation value it mirrors to
    const char* infoLine;    // its line in oeminfo.ini; null when the file has none
    const char* label;       // how windows and messages name it
    std::size_t limit;       // the most characters OEMInformation takes; 0: no limit
};

inline constexpr BrandingField kBrandingFields[] = {
    // The logo first: only its OEMInformation value and its profile key are text.
    {nullptr, FieldWindow::Main, "Text1", "", "logo", "logo", OemValue::Logo, nullptr, "The logo's path", 256},
    {&SupportInfo::Manufacturer, FieldWindow::Main, "Text2", "Manufacture", "manufacturer", "manufacturer",
     OemValue::Manufacturer, "MANUFACTURER", "Manufacturer", 256},
    {&SupportInfo::Model, FieldWindow::Main, "Text3", "Model", "model", "model", OemValue::Model, "MODEL", "Model", 256},
    {&SupportInfo::WebAddress, FieldWindow::SupportEditor, "Text1", "web addres", "web", "web", OemValue::SupportURL,
     "line3", "Web Address", 2083},
    {&SupportInfo::EMail, FieldWindow::SupportEditor, "Text4", "E-MAIL", "email", "email", std::nullopt, "line4",
     "E-Mail", 0},
    {&SupportInfo::PostalAddress, FieldWindow::SupportEditor, "Text5", "ADDRES", "address", "address", std::nullopt,
     "line5", "Postal Address", 0},
    {&SupportInfo::Address2, FieldWindow::SupportEditor, "Text6", "ADD2", "address2", "address2", std::nullopt, "line6",
     "Address2", 0},
    {&SupportInfo::Telephone, FieldWindow::SupportEditor, "Text7", "TELEPHONE", "telephone", "telephone",
     OemValue::SupportPhone, "line7", "Telephone", 256},
    {&SupportInfo::Fax, FieldWindow::SupportEditor, "Text8", "FAX", "fax", "fax", std::nullopt, "line8", "Fax", 0},
    {&SupportInfo::Owner, FieldWindow::SupportEditor, "Text9", "OWNER", "owner", "owner", std::nullopt, "line11",
     "Owner", 0},
    {&SupportInfo::Company, FieldWindow::SupportEditor, "Text11", "company", "company", "company", std::nullopt,
     "line12", "Company", 0},
    {&SupportInfo::Date, FieldWindow::SupportEditor, "Text12", "date", "date", "date", std::nullopt, "line13", "Date",
     0},
    {&SupportInfo::SupportProvider, FieldWindow::CurrentWindows, "Text1", "SupportProvider", "provider", "provider",
     OemValue::SupportProvider, nullptr, "Support Provider", 256},
    {&SupportInfo::SupportHours, FieldWindow::CurrentWindows, "Text2", "SupportHours", "hours", "hours",
     OemValue::SupportHours, nullptr, "Support Hours", 256},
    {&SupportInfo::SupportAppUrl, FieldWindow::CurrentWindows, "Text3", "SupportAppURL", "app-url", "app-url",
     OemValue::SupportAppURL, nullptr, "Support App", 256},
};

// The rows after the logo: the text fields, in the order profiles and the help list them.
inline constexpr std::span<const BrandingField> kTextFields{std::begin(kBrandingFields) + 1, std::end(kBrandingFields)};

inline constexpr const BrandingField& kLogoField = kBrandingFields[0];

const BrandingField* FindFieldByKey(std::string_view profileKey);
const BrandingField& FieldOf(OemValue value);

}  // namespace pelmora
