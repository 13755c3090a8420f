#pragma once

#include <functional>
#include <string>
#include <sys/types.h>

struct WIMStruct;  // wimlib's open WIM file

namespace pelmora {

// One image of a WIM file mounted through FUSE in a fresh staging folder (under $TMPDIR, else
// /tmp) by a child process, which serves it until it is unmounted. The child dies with this
// program: then the mount goes uncommitted and the child removes the staging folder itself.
class WimMount {
public:
    // Starts the mount, which goes on while this program does other work until it waits for it;
    // throws std::runtime_error when it cannot be started. `mayMount`, asked with the file as the
    // mount opened it, can stop the mount before it reads the image.
    using MountCheck = std::function<bool(WIMStruct* wim)>;
    WimMount(const std::string& file, unsigned long index, bool readWrite, const MountCheck& mayMount = {});
    // Unmounts without committing, if Unmount was not called.
    ~WimMount();
    WimMount(const WimMount&) = delete;
    WimMount& operator=(const WimMount&) = delete;

    // Returns once the image is served; throws std::runtime_error saying why it is not.
    void WaitUntilMounted();

    const std::string& Root() const { return m_Root; }
    // Whether a file was written or created through the mount (wimlib keeps those apart).
    bool FilesWritten() const;
    // Unmounts, committing the changes to the file in one update when `commit` (with its integrity
    // table renewed when `integrity`). Empty, or why the commit failed (the file then keeps its
    // old content). Removes the staging folder.
    std::string Unmount(bool commit, bool integrity);

private:
    void AwaitMount();
    void CloseReport();
    void EndChild();
    void RemoveStaging();

    std::string m_Staging;  // ours: holds the mount point and wimlib's own staging folder
    std::string m_Root;     // the mount point
    std::string m_Work;     // where wimlib keeps the files written
    pid_t m_Child = -1;
    int m_Report = -1;  // the child says here why the mount failed
    bool m_Mounted = false;
};

}  // namespace pelmora
