#pragma once

#include "platform/Status.h"

#include <cstddef>
#include <string>

namespace pelmora {

struct RegularFileRead {
    Status status;
    std::string bytes;  // at most the limit asked for
    bool cut = false;   // the file holds more than that
};

// Reads a file that something else may have put in place: it is opened without waiting (a pipe
// or a device at the path would wait for a writer forever), taken only when it is a regular
// file (links followed), and read up to `limit` bytes. Anything else fails with a text that
// says what is there.
RegularFileRead ReadRegularFile(const std::string& path, std::size_t limit);

}  // namespace pelmora
