#include "ImageOption.h"

#include <algorithm>
#include <string_view>

namespace pelmora::cli {

bool CommandOnlyReads(const std::vector<std::string>& args)
{
    if (args.empty())
        return true;
    static const std::string_view kReaders[] = {"show", "check-profile", "export-unattend", "export-reg",
                                                "export-profile"};
    const std::string& command = args.front();
    if (std::find(std::begin(kReaders), std::end(kReaders), command) != std::end(kReaders))
        return true;
    if (command == "reg")
        return args.size() > 1 && args[1] == "query";
    return std::find(args.begin(), args.end(), "--dry-run") != args.end();
}

}  // namespace pelmora::cli
