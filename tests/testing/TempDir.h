#pragma once

#include <filesystem>
#include <string>

namespace pelmora::testing {

// A fresh folder of its own under the system's temporary folder, removed with everything in it
// when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_Path; }
    // A path inside the folder (plain ASCII names keep it the same text on every platform).
    std::string File(const std::string& name) const;

private:
    std::filesystem::path m_Path;
};

// The whole content of a file, byte for byte; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

}  // namespace pelmora::testing
