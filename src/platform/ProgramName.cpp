#include "platform/ProgramName.h"

#include <filesystem>

namespace pelmora {

std::string ExecutableNameOf(std::string_view path)
{
    return std::filesystem::path(path).stem().string();
}

}  // namespace pelmora
