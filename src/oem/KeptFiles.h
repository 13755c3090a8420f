#pragma once

#include "platform/FilePort.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// The files as one command writes them: before a file is first replaced or deleted, its old
// content (or that there was none) is kept, so PutBack can leave every file as the command found
// it. A file whose old content cannot be read is not changed: it could not be put back.
class KeptFiles : public FilePort {
public:
    // Told of each file before its first change, with its old content; a failure refuses the change.
    using BeforeFirstChange = std::function<Status(const std::string& path, const std::optional<std::string>& bytes)>;

    explicit KeptFiles(FilePort& real, BeforeFirstChange beforeFirstChange = {})
        : m_Real(real), m_BeforeFirstChange(std::move(beforeFirstChange))
    {
    }

    Status WriteFile(const std::string& path, std::string_view bytes) override;
    Status DeleteFile(const std::string& path) override;
    bool Exists(const std::string& path) override { return m_Real.Exists(path); }
    Status ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override
    {
        return m_Real.ReadFile(path, maxBytes, bytes);
    }
    Status CheckFolder(const std::string& folder) override { return m_Real.CheckFolder(folder); }

    // Puts back every file changed since the last Forget, the latest first; what could not be put
    // back, one line each ("<path> could not be put back: <reason>."), none when all were.
    std::vector<std::string> PutBack();
    // The changes stay: nothing is put back from here on.
    void Forget() { m_Kept.clear(); }

private:
    struct Kept {
        std::string path;
        std::optional<std::string> bytes;  // none: there was no file
        bool changed = false;
    };

    // The entry for `path`, keeping its old content first; none when that cannot be read.
    Kept* Keep(const std::string& path, Status& refused);

    FilePort& m_Real;
    BeforeFirstChange m_BeforeFirstChange;
    std::vector<Kept> m_Kept;
};

}  // namespace pelmora
