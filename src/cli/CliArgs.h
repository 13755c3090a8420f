#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::cli {

// A command line that does not fit the command's form: the usage is printed and the status is 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string_view name;       // without the leading "--"
    std::string_view valueName;  // how the help names its value; empty for a flag, which takes none
    bool optional = true;        // the help shows it in brackets

    constexpr bool TakesValue() const { return !valueName.empty(); }
};

// Options as "--name value" or "--name=value", flags as "--name"; "--" ends the options.
class ParsedArgs {
public:
    std::vector<std::string> positionals;

    bool Has(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;
    // The value of an option the command cannot do without.
    std::string Required(std::string_view name) const;

    void Add(std::string_view name, std::string value);

private:
    std::map<std::string, std::string, std::less<>> m_Values;
};

ParsedArgs ParseOptions(std::span<const std::string> args, std::span<const OptionSpec> specs);

// Refuses a command line with more or fewer plain arguments than the command takes; `names`
// are the arguments' names for the message.
void ExpectPositionals(const ParsedArgs& parsed, std::initializer_list<std::string_view> names);

}  // namespace pelmora::cli
