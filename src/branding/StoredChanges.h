#pragma once

#include "branding/BrandingFields.h"
#include "oem/SupportInfo.h"
#include "platform/DialogPort.h"
#include "registry/RegistryApi.h"

#include <functional>
#include <optional>
#include <string>

namespace pelmora {

// Which text fields a window edits.
using FieldFilter = bool (*)(const BrandingField& field);

// Asked for a field both this window and another program changed, each to another text: true
// keeps what was typed here, false the other program's change.
using KeepTypedQuestion =
    std::function<bool(const std::string& label, const std::string& stored, const std::string& typed)>;

// What Apply stores when the values may have changed since the window loaded them: per field
// the window edits, a change made on one side only is kept; where both sides changed it
// differently, `keepTyped` chooses. Nothing is dropped without the user's word.
SupportInfo MergeStoredChanges(FieldFilter edits, const SupportInfo& loaded, const SupportInfo& stored,
                               const SupportInfo& typed, const KeepTypedQuestion& keepTyped);

// The same against the values stored now under the program's key (read under the command lock),
// asking the user in a Yes/No box. None when they cannot be read: then a stop box says that
// `what` ("The support information") was not saved.
std::optional<SupportInfo> MergeWithStore(RegistryApi& registry, DialogPort& dialogs, FieldFilter edits,
                                          const SupportInfo& loaded, const SupportInfo& typed, const std::string& what);

}  // namespace pelmora
