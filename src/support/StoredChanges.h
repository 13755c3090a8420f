#pragma once

#include "oem/SupportInfo.h"

#include <functional>
#include <string>

namespace pelmora {

// Asked for a field both this window and another program changed, each to another text: true
// keeps what was typed here, false the other program's change.
using KeepTypedQuestion =
    std::function<bool(const std::string& label, const std::string& stored, const std::string& typed)>;

// What Apply stores when the values may have changed since the editor loaded them: per field, a
// change made on one side only is kept; where both sides changed it differently, `keepTyped`
// chooses. Nothing is dropped without the user's word.
SupportInfo MergeStoredChanges(const SupportInfo& loaded, const SupportInfo& stored, const SupportInfo& typed,
                               const KeepTypedQuestion& keepTyped);

}  // namespace pelmora
