#include "platform/LocalProcesses.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace pelmora {

namespace {

// The file a program name stands for: a name with a slash as it is, else the first executable
// of that name on PATH; empty when there is none.
std::string ResolveProgram(const std::string& program)
{
    if (program.find('/') != std::string::npos)
        return program;
    const char* path = std::getenv("PATH");
    std::string folders = path && *path ? path : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string folder = end > start ? folders.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

// Runs in the started program's process before exec: only async-signal-safe calls from here on.
[[noreturn]] void BecomeProgram(const char* path, char* const* argv, int reportFd)
{
    ::setsid();
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &standard, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execve(path, argv, environ);
    const int error = errno;
    [[maybe_unused]] const ssize_t reported = ::write(reportFd, &error, sizeof error);
    ::_exit(127);
}

}  // namespace

// Two forks: the middle process ends at once and is reaped here, so the program is nobody's child
// to wait for and never lingers as a zombie. A pipe closed by exec tells whether it started.
bool LocalProcesses::StartDetached(const std::string& program, const std::vector<std::string>& arguments, int)
{
    const std::string path = ResolveProgram(program);
    if (path.empty())
        return false;
    std::vector<std::string> strings{program};
    strings.insert(strings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& s : strings)
        argv.push_back(s.data());
    argv.push_back(nullptr);

    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t middle = ::fork();
    if (middle == 0) {
        ::close(report[0]);
        const pid_t started = ::fork();
        if (started == 0)
            BecomeProgram(path.c_str(), argv.data(), report[1]);
        if (started < 0) {
            const int error = errno;
            [[maybe_unused]] const ssize_t reported = ::write(report[1], &error, sizeof error);
        }
        ::_exit(0);
    }
    ::close(report[1]);
    if (middle < 0) {
        ::close(report[0]);
        return false;
    }
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got;
    do
        got = ::read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    ::close(report[0]);
    return got == 0;
}

ProgramCommand LocalProcesses::SystemPropertiesCommand(const std::string& windowsDir) const
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string program =
        error ? std::string("pelmora-sysprops") : (self.parent_path() / "pelmora-sysprops").string();
    return {program, {windowsDir}};
}

}  // namespace pelmora
