#include "branding/BrandingPlaces.h"

namespace pelmora {

std::string WindowsSystemRoot(const std::string& windowsDir)
{
    std::string root = windowsDir;
    while (root.size() > 1 && (root.back() == '\\' || root.back() == '/'))
        root.pop_back();
    return root;
}

}  // namespace pelmora
