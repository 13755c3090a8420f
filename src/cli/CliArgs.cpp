#include "CliArgs.h"

#include "CommandTable.h"
#include "NearestName.h"

#include <algorithm>
#include <vector>

namespace pelmora::cli {

bool ParsedArgs::Has(std::string_view name) const
{
    return m_Values.find(name) != m_Values.end();
}

std::optional<std::string> ParsedArgs::Value(std::string_view name) const
{
    const auto it = m_Values.find(name);
    if (it == m_Values.end())
        return std::nullopt;
    return it->second;
}

std::string ParsedArgs::Required(std::string_view name) const
{
    auto value = Value(name);
    if (!value)
        throw UsageError("--" + std::string(name) + " is required");
    return *value;
}

void ParsedArgs::Add(std::string_view name, std::string value)
{
    // A repeated option would silently drop one of the texts: refuse it instead.
    if (!m_Values.emplace(std::string(name), std::move(value)).second)
        throw UsageError("--" + std::string(name) + " is given twice");
}

namespace {

const OptionSpec& FindSpec(std::span<const OptionSpec> specs, std::string_view name)
{
    const auto it = std::find_if(specs.begin(), specs.end(),
                                 [&](const OptionSpec& spec) { return spec.name == name; });
    if (it != specs.end())
        return *it;
    if (const GlobalOption* global = FindGlobalOption(name)) {
        const std::string option = "--" + std::string(global->name);
        throw UsageError(option + " stands before the command: pelmora-cli " + option + " " +
                         std::string(global->valueName) + " COMMAND ...");
    }
    std::vector<std::string_view> names;
    for (const OptionSpec& spec : specs)
        names.push_back(spec.name);
    const std::string nearest = NearestName(name, names);
    throw UsageError("unknown option --" + std::string(name) +
                     (nearest.empty() ? "" : "; did you mean --" + nearest + "?"));
}

bool LooksLikeOption(const std::string& arg)
{
    return arg.size() > 1 && arg[0] == '-';
}

}  // namespace

ParsedArgs ParseOptions(std::span<const std::string> args, std::span<const OptionSpec> specs)
{
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !LooksLikeOption(arg)) {
            parsed.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg.rfind("--", 0) != 0)
            throw UsageError("unknown option " + arg);

        const std::string_view body = std::string_view(arg).substr(2);
        const std::size_t equals = body.find('=');
        const std::string_view name = body.substr(0, equals);
        const OptionSpec& spec = FindSpec(specs, name);
        if (!spec.TakesValue()) {
            if (equals != std::string_view::npos)
                throw UsageError("--" + std::string(name) + " takes no value");
            parsed.Add(name, {});
        } else if (equals != std::string_view::npos) {
            parsed.Add(name, std::string(body.substr(equals + 1)));
        } else if (i + 1 < args.size()) {
            parsed.Add(name, args[++i]);
        } else {
            throw UsageError("--" + std::string(name) + " needs a value");
        }
    }
    return parsed;
}

void ExpectPositionals(const ParsedArgs& parsed, std::initializer_list<std::string_view> names)
{
    if (parsed.positionals.size() > names.size())
        throw UsageError("unexpected argument " + parsed.positionals[names.size()]);
    if (parsed.positionals.size() < names.size())
        throw UsageError("missing " + std::string(names.begin()[parsed.positionals.size()]));
}

}  // namespace pelmora::cli
