#include "registry/MachineFacts.h"

#include "registry/RegistryPaths.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include <pwd.h>
#include <unistd.h>

namespace pelmora {

namespace {

std::string ReadWholeFile(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string_view Trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

// The shell-style value of an os-release line: quotes removed, backslash escapes resolved.
std::string Unquote(std::string_view value)
{
    value = Trim(value);
    if (value.size() < 2 || (value.front() != '"' && value.front() != '\'') || value.back() != value.front())
        return std::string(value);
    const char quote = value.front();
    value = value.substr(1, value.size() - 2);
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (quote == '"' && value[i] == '\\' && i + 1 < value.size())
            ++i;
        text += value[i];
    }
    return text;
}

}  // namespace

std::string OwnerFromAccount(std::string_view gecos, std::string_view login)
{
    const std::string_view fullName = Trim(gecos.substr(0, gecos.find(',')));
    return std::string(fullName.empty() ? login : fullName);
}

std::string PrettyNameFromOsRelease(std::string_view osRelease)
{
    std::istringstream lines{std::string(osRelease)};
    std::string line;
    while (std::getline(lines, line)) {
        const std::string_view trimmed = Trim(line);
        if (trimmed.substr(0, 12) == "PRETTY_NAME=")
            return Unquote(trimmed.substr(12));
    }
    return {};
}

std::string ProductIdFromMachineId(std::string_view machineId)
{
    std::string digits;
    for (const char c : machineId) {
        if (std::isxdigit(static_cast<unsigned char>(c)))
            digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    constexpr std::size_t kGroups = 4;
    constexpr std::size_t kGroupSize = 5;
    if (digits.size() < kGroups * kGroupSize)
        return std::string(Trim(machineId));
    std::string id;
    for (std::size_t group = 0; group < kGroups; ++group) {
        if (group > 0)
            id += '-';
        id += digits.substr(group * kGroupSize, kGroupSize);
    }
    return id;
}

MachineFacts ReadMachineFacts()
{
    MachineFacts facts;
    if (const passwd* account = ::getpwuid(::getuid()))
        facts.registeredOwner = OwnerFromAccount(account->pw_gecos ? account->pw_gecos : "", account->pw_name);
    facts.productId = ProductIdFromMachineId(ReadWholeFile("/etc/machine-id"));
    std::string osRelease = ReadWholeFile("/etc/os-release");
    if (osRelease.empty())
        osRelease = ReadWholeFile("/usr/lib/os-release");
    facts.productName = PrettyNameFromOsRelease(osRelease);
    return facts;
}

std::vector<RegistrySeedValue> RegistrationSeed(const MachineFacts& facts)
{
    const RegRoot machine = RegRoot::LocalMachine;
    return {
        {machine, kCurrentVersionKey, "RegisteredOwner", facts.registeredOwner},
        {machine, kCurrentVersionKey, "ProductId", facts.productId},
        {machine, kCurrentVersionKey, "ProductName", facts.productName},
    };
}

}  // namespace pelmora
