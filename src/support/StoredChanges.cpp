#include "support/StoredChanges.h"

#include <utility>

namespace pelmora {

namespace {

const std::pair<std::string SupportInfo::*, const char*> kLabels[] = {
    {&SupportInfo::Manufacturer, "Manufacturer"}, {&SupportInfo::Model, "Model"},
    {&SupportInfo::WebAddress, "Web Address"},    {&SupportInfo::EMail, "E-Mail"},
    {&SupportInfo::PostalAddress, "Postal Address"}, {&SupportInfo::Address2, "Address2"},
    {&SupportInfo::Telephone, "Telephone"},       {&SupportInfo::Fax, "Fax"},
    {&SupportInfo::Owner, "Owner"},               {&SupportInfo::Company, "Company"},
    {&SupportInfo::Date, "Date"},
};

}  // namespace

SupportInfo MergeStoredChanges(const SupportInfo& loaded, const SupportInfo& stored, const SupportInfo& typed,
                               const KeepTypedQuestion& keepTyped)
{
    SupportInfo merged = typed;
    for (const auto& [member, label] : kLabels) {
        const std::string& before = loaded.*member;
        const std::string& now = stored.*member;
        const std::string& mine = typed.*member;
        if (now == before || now == mine)
            continue;  // nobody else changed it, or both made the same change
        if (mine == before || !keepTyped(label, now, mine))
            merged.*member = now;
    }
    return merged;
}

}  // namespace pelmora
