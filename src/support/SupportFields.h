#pragma once

#include "oem/SupportInfo.h"

namespace pelmora {

// The editor's fields: its text box, the stored value under the OEM key, the SupportInfo member.
// In the order Load reads them; Apply stores all but the first two in the same order.
struct SupportField {
    const char* control;
    const char* valueName;
    std::string SupportInfo::*member;
};

inline constexpr SupportField kSupportFields[] = {
    {"Text2", "Manufacture", &SupportInfo::Manufacturer},
    {"Text3", "Model", &SupportInfo::Model},
    {"Text1", "web addres", &SupportInfo::WebAddress},
    {"Text4", "E-MAIL", &SupportInfo::EMail},
    {"Text5", "ADDRES", &SupportInfo::PostalAddress},
    {"Text7", "TELEPHONE", &SupportInfo::Telephone},
    {"Text8", "FAX", &SupportInfo::Fax},
    {"Text9", "OWNER", &SupportInfo::Owner},
    {"Text6", "ADD2", &SupportInfo::Address2},
    {"Text11", "company", &SupportInfo::Company},
    {"Text12", "date", &SupportInfo::Date},
};

// Manufacturer and model are read only; Apply stores the fields from here on.
inline constexpr int kFirstStoredField = 2;

}  // namespace pelmora
