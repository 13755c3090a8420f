#include "branding/StoredChanges.h"

#include "oem/FailureReport.h"
#include "registry/RegReadCheck.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"

namespace pelmora {

namespace {

// A value as a question box shows it: long ones cut (at a character's start) so the box fits.
std::string Quoted(const std::string& value)
{
    constexpr std::size_t kShown = 200;
    if (value.size() <= kShown)
        return "\"" + value + "\"";
    std::size_t end = kShown;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    return "\"" + value.substr(0, end) + "...\"";
}

}  // namespace

SupportInfo MergeStoredChanges(FieldFilter edits, const SupportInfo& loaded, const SupportInfo& stored,
                               const SupportInfo& typed, const KeepTypedQuestion& keepTyped)
{
    SupportInfo merged = typed;
    for (const BrandingField& field : kTextFields) {
        if (!edits(field))
            continue;
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

std::optional<SupportInfo> MergeWithStore(RegistryApi& registry, DialogPort& dialogs, FieldFilter edits,
                                          const SupportInfo& loaded, const SupportInfo& typed, const std::string& what)
{
    const RegReadCheck reads(registry);
    SupportInfo stored;
    for (const BrandingField& field : kTextFields) {
        if (edits(field))
            stored.*field.member = ReadRegString(registry, RegRoot::LocalMachine, kOemKey, field.storedName, "");
    }
    if (const auto failure = reads.Failure()) {
        ShowStop(dialogs, what + " was not saved: the stored values could not be read to see whether another "
                                 "program changed them (" + *failure + ").");
        return std::nullopt;
    }
    return MergeStoredChanges(edits, loaded, stored, typed,
                              [&dialogs](const std::string& label, const std::string& now, const std::string& mine) {
                                  return dialogs.AskYesNo(
                                      label + " was changed by another program while this window was open.\n\n"
                                      "Stored now: " + Quoted(now) + "\nTyped here: " + Quoted(mine) +
                                      "\n\nKeep what you typed here? No keeps the other program's change.",
                                      "Pelmora");
                              });
}

}  // namespace pelmora
