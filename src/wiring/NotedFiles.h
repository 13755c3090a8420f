#pragma once

#include "platform/FilePort.h"

namespace pelmora {

// Passes everything on and notes whether a file was written or deleted, so a mounted image is
// committed only when a command changed it.
class NotedFiles final : public FilePort {
public:
    explicit NotedFiles(FilePort& inner) : m_Inner(inner) {}

    Status WriteFile(const std::string& path, std::string_view bytes) override;
    Status DeleteFile(const std::string& path) override;
    bool Exists(const std::string& path) override { return m_Inner.Exists(path); }
    Status ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override
    {
        return m_Inner.ReadFile(path, maxBytes, bytes);
    }
    Status CheckFolder(const std::string& folder) override { return m_Inner.CheckFolder(folder); }

    bool Changed() const { return m_Changed; }

private:
    FilePort& m_Inner;
    bool m_Changed = false;
};

}  // namespace pelmora
