#pragma once

#include <string>

namespace pelmora {

// The text fields of the branding: the eleven of oeminfo.ini, in the order its full layout uses
// them, then the ones only current Windows shows (branding/BrandingFields.h has every fact of each).
struct SupportInfo {
    std::string Manufacturer;
    std::string Model;
    std::string WebAddress;
    std::string EMail;
    std::string PostalAddress;
    std::string Address2;
    std::string Telephone;
    std::string Fax;
    std::string Owner;
    std::string Company;
    std::string Date;
    std::string SupportProvider;
    std::string SupportHours;
    std::string SupportAppUrl;

    bool operator==(const SupportInfo&) const = default;
};

}  // namespace pelmora
