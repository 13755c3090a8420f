#pragma once

#include <string>

namespace pelmora {

// Outcome of a file or registry write. `error` is the system's own text for the failure.
struct Status {
    bool ok = true;
    std::string error;

    static Status Ok() { return {}; }
    static Status Failed(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

}  // namespace pelmora
