#pragma once

#include <string>

namespace pelmora {

// The line a registry store writes to stderr the first time it fails,
// "<running program>: warning: <why>", for programs whose windows show only some failures.
// `warned` is the store's own flag.
void WarnOnce(bool& warned, const std::string& why);

// For a program that reports every failure itself (the console tool): the warning would say
// the same thing twice.
void QuietStoreWarnings();

}  // namespace pelmora
