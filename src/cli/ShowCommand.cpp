#include "CliArgs.h"
#include "Commands.h"
#include "ShowEscaping.h"
#include "ShowFacts.h"

namespace pelmora::cli {

int ShowCommand(std::span<const std::string> args, CliContext& context)
{
    const ParsedArgs parsed = ParseOptions(args, context.options);
    ExpectPositionals(parsed, {});
    if (parsed.Has("json"))
        return ShowJson(context);
    const ShowFacts shown = GatherShowFacts(context.services);
    if (ReportUnread(shown, context.err))
        return 1;
    // One line per name, whatever a value holds.
    for (const ShowFact& fact : shown.facts)
        context.out << fact.name << '=' << EscapeForShow(fact.text) << '\n';
    return 0;
}

}  // namespace pelmora::cli
