#pragma once

#include <string>

namespace pelmora {

// GetWindowsDirectoryA's contract: copies the directory into `buffer` of `size` characters and
// returns its length without the NUL; when `size` is too small returns the size needed
// including the NUL; 0 on failure.
class WindowsDirectorySource {
public:
    virtual ~WindowsDirectorySource() = default;
    virtual unsigned GetWindowsDirectory(char* buffer, unsigned size) = 0;
    // The WIM image the directory was mounted from ("FILE:INDEX"), for what a program reports;
    // empty for any other directory.
    virtual std::string ImageName() const { return {}; }
};

// The two-call lookup: ask for the size, then for the text in a buffer of exactly that size.
// Empty when the platform reports no directory.
std::string FindWindowsDir(WindowsDirectorySource& source);

}  // namespace pelmora
