#include "platform/ProgramData.h"

#include "platform/FolderEntries.h"

namespace pelmora {

std::string FindProgramDataDir(const std::string& windowsDir)
{
    std::string folder = windowsDir;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    const auto slash = folder.rfind('/');
    if (folder.empty() || slash == std::string::npos || folder == "/")
        return "";
    const std::string parent = slash == 0 ? "/" : folder.substr(0, slash);
    return EntryIgnoringCase(parent, "ProgramData");
}

}  // namespace pelmora
