#include "wiring/WimMount.h"

#include "platform/Descriptor_posix.h"
#include "wiring/WimLibrary_posix.h"


#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <thread>

#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pelmora {

namespace {

namespace fs = std::filesystem;

// A large image's metadata takes a while to read before the mount answers.
constexpr auto kMountWait = std::chrono::seconds(120);

constexpr const char* kStagingPrefix = "pelmora-wim-";

bool IsMountPoint(const std::string& folder, const std::string& parent);

// A mount whose process died before it could end it (killed between mounting and taking the
// signals FUSE ends on) answers nothing; with nobody to commit it, it is let go.
void DetachDeadMount(const std::string& folder)
{
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 && errno == ENOTCONN)
        ::umount2(folder.c_str(), MNT_DETACH);
}

// The folders in `folder` that are empty (wimlib's own staging folder before any write).
void RemoveEmptyFolders(const std::string& folder)
{
    std::error_code error;
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator(); it.increment(error))
        ::rmdir(it->path().c_str());
}

// Empty staging folders a killed run left behind (a signal to its whole process group can end the
// mount before its clean-up). Only empty folders go (rmdir), and only old ones: a run being set up
// is young, a mounted one is skipped, a dead mount let go first.
void SweepLeftStagingFolders(const std::string& parent)
{
    std::error_code error;
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    for (auto it = fs::directory_iterator(parent, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        const std::string staging = it->path().string();
        std::error_code ignored;
        if (it->path().filename().string().rfind(kStagingPrefix, 0) != 0 || it->is_symlink(ignored) ||
            !it->is_directory(ignored) || it->last_write_time(ignored) > cutoff ||
            IsMountPoint(staging + "/image", staging))
            continue;
        DetachDeadMount(staging + "/image");
        ::rmdir((staging + "/image").c_str());
        RemoveEmptyFolders(staging + "/work");
        ::rmdir((staging + "/work").c_str());
        ::rmdir(staging.c_str());
    }
}

std::string MakeStagingFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    const std::string parent = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    SweepLeftStagingFolders(parent);
    std::string pattern = parent + "/" + kStagingPrefix + "XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a staging folder in " + fs::path(pattern).parent_path().string() + ": " +
                                 std::strerror(errno));
    return pattern;
}

bool IsMountPoint(const std::string& folder, const std::string& parent)
{
    struct stat inner {};
    struct stat outer {};
    return ::stat(folder.c_str(), &inner) == 0 && ::stat(parent.c_str(), &outer) == 0 && inner.st_dev != outer.st_dev;
}

// Only folders that are no mount: a recursive removal must never reach into the image.
void RemoveStagingFolder(const std::string& staging, const std::string& root, const std::string& work)
{
    if (IsMountPoint(root, staging))
        return;
    ::rmdir(root.c_str());
    std::error_code error;
    fs::remove_all(work, error);
    ::rmdir(staging.c_str());
}

void QuietStandardStreams()
{
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null < 0)
        return;
    ::dup2(null, STDIN_FILENO);
    ::dup2(null, STDOUT_FILENO);
    ::dup2(null, STDERR_FILENO);
    ::close(null);
    // FUSE's debug mode reports every request there: in blocks, not a system call each.
    static char reports[1 << 16];
    std::setvbuf(stderr, reports, _IOFBF, sizeof reports);
}

// Whether the check lets the mount go on; a check that fails stops it too.
bool MayMount(const WimMount::MountCheck& mayMount, WIMStruct* wim)
{
    try {
        return !mayMount || mayMount(wim);
    } catch (const std::exception&) {
        return false;
    }
}

// The child: mounts the image and serves it until it is unmounted (wimlib's debug mode keeps FUSE
// in the foreground; a daemon would outlive a killed parent). The parent's death ends the FUSE
// loop, which unmounts without committing.
[[noreturn]] void ServeImage(const std::string& file, unsigned long index, bool readWrite,
                             const WimMount::MountCheck& mayMount, const std::string& root, const std::string& work,
                             const std::string& staging, pid_t parent, int reportFd)
{
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != parent)
        ::_exit(1);
    QuietStandardStreams();
    WIMStruct* wim = nullptr;
    int code = Wimlib().openWim(file.c_str(), readWrite ? WIMLIB_OPEN_FLAG_WRITE_ACCESS : 0, &wim);
    if (code == 0 && !MayMount(mayMount, wim))
        code = WIMLIB_ERR_INVALID_PARAM;
    if (code == 0) {
        const int flags = WIMLIB_MOUNT_FLAG_DEBUG | (readWrite ? WIMLIB_MOUNT_FLAG_READWRITE : 0);
        // Not freed: this process ends right after, and the parent waits for that.
        code = Wimlib().mountImage(wim, static_cast<int>(index), root.c_str(), flags, work.c_str());
    }
    // The staging folder goes with the mount, whoever ended it: a signal to the whole process group
    // (a closed session) ends this loop while the parent may not yet be seen gone. A parent that
    // waits hears why the mount failed (a write to a gone reader must not end this process first).
    ::signal(SIGPIPE, SIG_IGN);
    for (const int ending : {SIGTERM, SIGINT, SIGHUP})  // a second one must not cut the clean-up short
        ::signal(ending, SIG_IGN);
    if (code != 0 && ::getppid() == parent)
        (void)!::write(reportFd, &code, sizeof code);
    // Still held by another process (a viewer the windows started) when the loop ended, the mount
    // would stay behind, dead; nothing of it was committed, so it is detached.
    if (IsMountPoint(root, staging))
        ::umount2(root.c_str(), MNT_DETACH);
    RemoveStagingFolder(staging, root, work);
    ::_exit(code == 0 ? 0 : 1);
}

}  // namespace

WimMount::WimMount(const std::string& file, unsigned long index, bool readWrite, const MountCheck& mayMount)
    : m_Staging(MakeStagingFolder()), m_Root(m_Staging + "/image"), m_Work(m_Staging + "/work")
{
    int report[2] = {-1, -1};
    if (::mkdir(m_Root.c_str(), 0700) != 0 || ::mkdir(m_Work.c_str(), 0700) != 0 || ::pipe2(report, O_CLOEXEC) != 0) {
        const int error = errno;
        RemoveStaging();
        throw std::runtime_error(std::string("cannot prepare the staging folder: ") + std::strerror(error));
    }
    const pid_t parent = ::getpid();
    m_Child = ::fork();
    if (m_Child == 0) {
        ::close(report[0]);
        ServeImage(file, index, readWrite, mayMount, m_Root, m_Work, m_Staging, parent, report[1]);
    }
    const int error = errno;
    ::close(report[1]);
    m_Report = report[0];
    if (m_Child < 0) {
        CloseReport();
        RemoveStaging();
        throw std::runtime_error(std::string("cannot start the mount: ") + std::strerror(error));
    }
}

WimMount::~WimMount()
{
    // A mount refused before it was served still ends the normal way, uncommitted.
    if (m_Child > 0 && !m_Mounted) {
        try {
            WaitUntilMounted();
        } catch (const std::exception&) {
        }
    }
    if (m_Child > 0 || m_Mounted)
        Unmount(false, false);
    CloseReport();
}

void WimMount::WaitUntilMounted()
{
    if (m_Mounted || m_Child <= 0)
        return;
    try {
        AwaitMount();
    } catch (...) {
        CloseReport();
        EndChild();
        RemoveStaging();
        throw;
    }
    CloseReport();
}

void WimMount::AwaitMount()
{
    // A change of the mount table wakes this; the timeout only guards against a missed one.
    const Descriptor mounts(::open("/proc/self/mountinfo", O_RDONLY | O_CLOEXEC));
    const auto deadline = std::chrono::steady_clock::now() + kMountWait;
    for (;;) {
        pollfd wait[2] = {{m_Report, POLLIN, 0}, {mounts.Get(), POLLPRI, 0}};  // poll skips a missing one
        ::poll(wait, 2, mounts.Get() >= 0 ? 20 : 2);
        if (wait[0].revents != 0) {
            int code = 0;
            if (::read(m_Report, &code, sizeof code) == static_cast<ssize_t>(sizeof code))
                throw std::runtime_error(Wimlib().errorString(static_cast<wimlib_error_code>(code)));
            throw std::runtime_error("the mount ended before it served the image");
        }
        if (IsMountPoint(m_Root, m_Staging)) {
            m_Mounted = true;
            return;
        }
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("the mount did not answer in time");
    }
}

void WimMount::CloseReport()
{
    if (m_Report >= 0)
        ::close(m_Report);
    m_Report = -1;
}

bool WimMount::FilesWritten() const
{
    // wimlib's own staging folder, in ours, holds every file opened for writing.
    std::error_code error;
    for (const auto& folder : fs::directory_iterator(m_Work, error)) {
        if (!fs::is_empty(folder.path(), error))
            return true;
    }
    return false;
}

std::string WimMount::Unmount(bool commit, bool integrity)
{
    std::string problem;
    if (m_Mounted) {
        int flags = commit ? WIMLIB_UNMOUNT_FLAG_COMMIT : 0;
        if (commit && integrity)
            flags |= WIMLIB_UNMOUNT_FLAG_CHECK_INTEGRITY;
        if (const int code = Wimlib().unmountImage(m_Root.c_str(), flags); code != 0) {
            problem = Wimlib().errorString(static_cast<wimlib_error_code>(code));
            // Whatever held the mount, the changes must not land.
            Wimlib().unmountImage(m_Root.c_str(), WIMLIB_UNMOUNT_FLAG_FORCE);
        }
        m_Mounted = IsMountPoint(m_Root, m_Staging);
    }
    EndChild();
    RemoveStaging();
    return problem;
}

void WimMount::EndChild()
{
    if (m_Child <= 0)
        return;
    // Unmounted, the child ends by itself; otherwise its FUSE loop ends on this, uncommitted.
    if (m_Mounted)
        ::kill(m_Child, SIGTERM);
    int status = 0;
    while (::waitpid(m_Child, &status, 0) < 0 && errno == EINTR) {
    }
    m_Child = -1;
    m_Mounted = IsMountPoint(m_Root, m_Staging);
}

void WimMount::RemoveStaging()
{
    RemoveStagingFolder(m_Staging, m_Root, m_Work);
}

}  // namespace pelmora
