#pragma once

#include "platform/MemoryView.h"

namespace pelmora::testing {

// The tests' windows are the console's: a table of control texts and pictures.
using FakeView = MemoryView;

}  // namespace pelmora::testing
