#pragma once

#include "platform/FilePort.h"

namespace pelmora {

// The machine's own files. A write goes to a temporary file in the same folder that replaces the
// old file only once all of it is on disk; error texts are the system's.
//
// Off Windows the temporary file has no name while it is written (where the file system has
// unnamed files), and gets one only for the moment of the rename, so a crash leaves nothing
// behind. Named temporaries carry their writer's process id; before each write, those of
// processes that no longer run are removed from the folder.
class LocalFiles : public FilePort {
public:
    // Named: always a named temporary, as on file systems without unnamed files. None: an
    // existing regular file is rewritten in place, where the file system's own commit makes a
    // command whole (a mounted WIM image) and a file renamed over it would lose its security.
    enum class Temporaries { Unnamed, Named, None };

    explicit LocalFiles(Temporaries temporaries = Temporaries::Unnamed) : m_Temporaries(temporaries) {}

    Status WriteFile(const std::string& path, std::string_view bytes) override;
    Status DeleteFile(const std::string& path) override;
    bool Exists(const std::string& path) override;
    Status ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override;

private:
    Temporaries m_Temporaries;
};

}  // namespace pelmora
