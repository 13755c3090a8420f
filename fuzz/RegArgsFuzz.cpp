// The arguments of `pelmora-cli reg`, split at NUL bytes: anything is a request or a usage
// error, never another failure, and a key as printed reads back as the same key.
#include "FuzzCheck.h"

#include "CliArgs.h"
#include "RegArgs.h"

#include <algorithm>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace pelmora::cli;
    const std::string_view text = pelmora::fuzz::Text(data, size);
    std::vector<std::string> args;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\0', start), text.size());
        args.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    try {
        const RegRequest request = ParseRegArgs(args);
        const RegKeyName key = ParseRegKey(request.key.Display());
        PELMORA_FUZZ_CHECK(key.root == request.key.root);
        PELMORA_FUZZ_CHECK(key.path == request.key.path);
    } catch (const UsageError&) {
    }
    return 0;
}
