#include "Commands.h"
#include "ShowFacts.h"

#include <nlohmann/json.hpp>

namespace pelmora::cli {

int ShowJson(CliContext& context)
{
    const ShowFacts shown = GatherShowFacts(context.services);
    if (ReportUnread(shown, context.err))
        return 1;
    // show's facts under show's names, in show's order; the yes/no ones as true and false.
    nlohmann::ordered_json facts;
    for (const ShowFact& fact : shown.facts) {
        if (fact.flag)
            facts[fact.name] = *fact.flag;
        else
            facts[fact.name] = fact.text;
    }
    context.out << facts.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    return 0;
}

}  // namespace pelmora::cli
