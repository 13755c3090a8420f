#pragma once

#include "platform/FilePort.h"

#include <map>
#include <string>

namespace pelmora::testing {

// Forwards to a real file port, except that writes to, deletes of or reads of chosen paths fail
// with the given error before anything on disk is touched.
class FaultyFiles : public FilePort {
public:
    explicit FaultyFiles(FilePort& real) : m_Real(real) {}

    void FailWrites(const std::string& path, std::string error) { m_WriteFaults[path] = std::move(error); }
    void FailDeletes(const std::string& path, std::string error) { m_DeleteFaults[path] = std::move(error); }
    void FailReads(const std::string& path, std::string error) { m_ReadFaults[path] = std::move(error); }
    // As a program killed after `changes` writes and deletes: every later one fails untouched.
    void StopAfter(int changes) { m_ChangesLeft = changes; }
    void Heal()
    {
        m_WriteFaults.clear();
        m_DeleteFaults.clear();
        m_ReadFaults.clear();
        m_ChangesLeft = -1;
    }

    Status WriteFile(const std::string& path, std::string_view bytes) override;
    Status DeleteFile(const std::string& path) override;
    bool Exists(const std::string& path) override { return m_Real.Exists(path); }
    Status ReadFile(const std::string& path, std::size_t maxBytes, std::string& bytes) override;

    int writes = 0;
    int deletes = 0;

private:
    // Whether a change may still happen, counting it down.
    bool Alive();

    FilePort& m_Real;
    int m_ChangesLeft = -1;  // none left at 0; -1: no end
    std::map<std::string, std::string> m_WriteFaults;
    std::map<std::string, std::string> m_DeleteFaults;
    std::map<std::string, std::string> m_ReadFaults;
};

}  // namespace pelmora::testing
