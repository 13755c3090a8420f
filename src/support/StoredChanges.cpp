#include "support/StoredChanges.h"

#include "support/SupportFields.h"

namespace pelmora {

SupportInfo MergeStoredChanges(const SupportInfo& loaded, const SupportInfo& stored, const SupportInfo& typed,
                               const KeepTypedQuestion& keepTyped)
{
    SupportInfo merged = typed;
    for (const SupportField& field : kSupportFields) {
        const std::string& before = loaded.*field.member;
        const std::string& now = stored.*field.member;
        const std::string& mine = typed.*field.member;
        if (now == before || now == mine)
            continue;  // nobody else changed it, or both made the same change
        if (mine == before || !keepTyped(field.label, now, mine))
            merged.*field.member = now;
    }
    return merged;
}

}  // namespace pelmora
