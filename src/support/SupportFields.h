#pragma once

#include "branding/BrandingFields.h"
#include "oem/SupportInfo.h"

#include <array>
#include <cstddef>

namespace pelmora {

// The editor's fields: its text box, the stored value under the OEM key, the SupportInfo member.
// They are the branding table's rows of the main window (shown here in hidden boxes of the same
// names) and of this editor, in the table's order; Apply stores all but the first two.
struct SupportField {
    const char* control;
    const char* valueName;
    std::string SupportInfo::*member;
};

// The editor shows the main window's fields too, in hidden boxes.
constexpr bool InSupportEditor(const BrandingField& field)
{
    return field.member != nullptr &&
           (field.window == FieldWindow::Main || field.window == FieldWindow::SupportEditor);
}

namespace detail {

constexpr std::size_t SupportFieldCount()
{
    std::size_t count = 0;
    for (const BrandingField& field : kBrandingFields)
        count += InSupportEditor(field) ? 1 : 0;
    return count;
}

constexpr std::array<SupportField, SupportFieldCount()> MakeSupportFields()
{
    std::array<SupportField, SupportFieldCount()> fields{};
    std::size_t next = 0;
    for (const BrandingField& field : kBrandingFields) {
        if (InSupportEditor(field))
            fields[next++] = {field.control, field.storedName, field.member};
    }
    return fields;
}

}  // namespace detail

inline constexpr auto kSupportFields = detail::MakeSupportFields();

// Manufacturer and model are read only; Apply stores the fields from here on.
inline constexpr int kFirstStoredField = 2;
static_assert(kSupportFields[0].member == &SupportInfo::Manufacturer && kSupportFields[1].member == &SupportInfo::Model);

}  // namespace pelmora
