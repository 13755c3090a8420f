#include "branding/BrandingPlaces.h"

#include <cstdlib>

namespace pelmora {

// Off Windows the Windows directory is a folder of this machine; the value must name the path the
// installation will see once it runs.
std::string WindowsSystemRoot(const std::string&)
{
    const char* configured = std::getenv("PELMORA_SYSTEM_ROOT");
    std::string root = configured && *configured ? configured : "C:\\Windows";
    while (root.size() > 1 && (root.back() == '\\' || root.back() == '/'))
        root.pop_back();
    return root;
}

}  // namespace pelmora
