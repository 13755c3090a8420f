#include "platform/NamedLock.h"

#include <charconv>

namespace pelmora {

std::string DescribeLockHolder(const std::string& note)
{
    unsigned long process = 0;
    const char* end = note.data() + note.size();
    const auto [rest, error] = std::from_chars(note.data(), end, process);
    if (error != std::errc() || rest == end || *rest != ' ')
        return {};
    std::string program(rest + 1, end);
    while (!program.empty() && (program.back() == '\n' || program.back() == '\0'))
        program.pop_back();
    if (program.empty())
        return {};
    return program + " (process " + std::to_string(process) + ")";
}

}  // namespace pelmora
