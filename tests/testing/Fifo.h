#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace pelmora::testing {

// A named pipe that nobody writes: whoever opens it to read the way a file is read waits for a
// writer forever. So that a test of such a reader fails instead of hanging, a reader still
// waiting after `patienceSeconds` is let go by a writer that opens and closes the pipe at once,
// and the test can ask whether that had to happen. Removed with the object.
class UnwrittenFifo {
public:
    explicit UnwrittenFifo(std::string path, int patienceSeconds = 10);
    ~UnwrittenFifo();
    UnwrittenFifo(const UnwrittenFifo&) = delete;
    UnwrittenFifo& operator=(const UnwrittenFifo&) = delete;

    const std::string& Path() const { return m_Path; }
    bool ReleasedAReader() const;

private:
    std::string m_Path;
    mutable std::mutex m_Mutex;
    std::condition_variable m_Done;
    bool m_Stopping = false;
    bool m_Released = false;
    std::thread m_Watch;
};

}  // namespace pelmora::testing
