#pragma once

#include "platform/FilePort.h"

namespace pelmora {

// The machine's own files. A write goes to a temporary file in the same folder that replaces the
// old file only once all of it is on disk; error texts are the system's.
class LocalFiles : public FilePort {
public:
    Status WriteFile(const std::string& path, std::string_view bytes) override;
    Status DeleteFile(const std::string& path) override;
    bool Exists(const std::string& path) override;
    Status ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
};

}  // namespace pelmora
