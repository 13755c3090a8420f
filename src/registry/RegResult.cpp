#include "registry/RegResult.h"

namespace pelmora {

std::string DescribeRegResult(long code, const std::string& store, const std::string& path)
{
    switch (code) {
    case kRegSuccess: return "the operation completed successfully";
    case kRegFileNotFound: return "the registry key or value does not exist";
    case kRegAccessDenied: return "access to " + store + " is denied";
    case kRegInvalidHandle: return "the registry key is not open";
    case kRegInvalidParameter: return "the registry call was not valid";
    case kRegMoreData: return "the value is larger than the buffer";
    case kRegKeyDeleted: return "the registry key was deleted while it was open";
    default: return "registry error " + std::to_string(code) + " in " + path;
    }
}

}  // namespace pelmora
