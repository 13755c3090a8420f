#pragma once

#include "oem/SupportInfo.h"
#include "support/SupportEditorControls.h"

namespace pelmora {

// The editor's fields: its text box, the stored value under the OEM key, the SupportInfo member.
// In the order Load reads them; Apply stores all but the first two in the same order.
struct SupportField {
    const char* control;
    const char* valueName;
    std::string SupportInfo::*member;
};

inline constexpr SupportField kSupportFields[] = {
    {sinf::kManufacturer, "Manufacture", &SupportInfo::Manufacturer},
    {sinf::kModel, "Model", &SupportInfo::Model},
    {sinf::kWebAddress, "web addres", &SupportInfo::WebAddress},
    {sinf::kEMail, "E-MAIL", &SupportInfo::EMail},
    {sinf::kPostalAddress, "ADDRES", &SupportInfo::PostalAddress},
    {sinf::kTelephone, "TELEPHONE", &SupportInfo::Telephone},
    {sinf::kFax, "FAX", &SupportInfo::Fax},
    {sinf::kOwner, "OWNER", &SupportInfo::Owner},
    {sinf::kAddress2, "ADD2", &SupportInfo::Address2},
    {sinf::kCompany, "company", &SupportInfo::Company},
    {sinf::kDate, "date", &SupportInfo::Date},
};

// Manufacturer and model are read only; Apply stores the fields from here on.
inline constexpr int kFirstStoredField = 2;

}  // namespace pelmora
