#include "oem/OemFileLocations.h"

namespace pelmora {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

}  // namespace

std::string OemPath(const std::string& windowsDir, const char* fileName)
{
    return windowsDir + kSeparator + "System" + kSeparator + fileName;
}

OemFileLocations OemFileLocations::From(const std::string& windowsDir)
{
    return {windowsDir, OemPath(windowsDir, "oemlogo.bmp"), OemPath(windowsDir, "oeminfo.ini")};
}

}  // namespace pelmora
