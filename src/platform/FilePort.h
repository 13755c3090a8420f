#pragma once

#include "platform/Status.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// Files as the commands see them. Paths are UTF-8 text; the backend converts at the boundary.
class FilePort {
public:
    virtual ~FilePort() = default;

    // Replaces the whole file atomically: on any failure the old file stays byte for byte
    // and no temporary file is left behind. The folder must exist; none is created.
    virtual Status WriteFile(const std::string& path, std::string_view bytes) = 0;

    // Deletes the file. A file that does not exist is not an error.
    virtual Status DeleteFile(const std::string& path) = 0;

    // Whether a file is at the path, links followed; a folder, a pipe or a device is none.
    virtual bool Exists(const std::string& path) = 0;

    // The whole content of a regular file, byte for byte, into `bytes`. Refused (and `bytes` left
    // empty) for a missing file, anything that is not a regular file (a folder, a device, a pipe)
    // and a file larger than `maxBytes`.
    virtual Status ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) = 0;

    // Refuses a folder that files may not be put under (one whose existing parts lead out of the
    // image worked on), before it or anything in it is created. Any folder will do by default.
    virtual Status CheckFolder(const std::string& folder)
    {
        static_cast<void>(folder);
        return Status::Ok();
    }
};

}  // namespace pelmora
