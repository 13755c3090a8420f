#pragma once

#include <string>

namespace pelmora {

// The eleven text fields of the OEM information, in the order the full layout uses them.
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

    bool operator==(const SupportInfo&) const = default;
};

}  // namespace pelmora
