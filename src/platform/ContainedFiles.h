#pragma once

#include "platform/FilePort.h"

#include <string>

namespace pelmora {

// The files of an image that is untrusted input: every path under `root` is resolved without
// leaving it, so a link of the image that leads out (ntfs-3g shows junctions as links too) is
// refused with a message naming it, and nothing outside is written, deleted or read to be copied
// in. A folder of the path is pinned once resolved, so the write lands where it was checked.
// Paths outside the root (a picture or profile the user names) pass through unchanged.
class ContainedFiles final : public FilePort {
public:
    ContainedFiles(FilePort& inner, std::string root);

    Status WriteFile(const std::string& path, std::string_view bytes) override;
    Status DeleteFile(const std::string& path) override;
    // A link that leads out counts as a file, so that reading it meets the refusal.
    bool Exists(const std::string& path) override;
    Status ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override;
    Status CheckFolder(const std::string& folder) override;

private:
    FilePort& m_Inner;
    std::string m_Root;
};

// The root an image given by its Windows directory is contained in: the folder holding that
// directory (its ProgramData lies beside it).
std::string ImageRootOf(const std::string& windowsDir);

// Empty when `path` (under `root`) resolves beneath it, links followed; else the message naming
// the link that leads out, or why it could not be looked at. A missing last part is no failure.
std::string LeavesImage(const std::string& root, const std::string& path);

}  // namespace pelmora
