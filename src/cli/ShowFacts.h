#pragma once

#include "oem/AppServices.h"

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace pelmora::cli {

// One fact of show, under its printed name; the installed ones are yes/no questions.
struct ShowFact {
    std::string name;
    std::string text;
    std::optional<bool> flag;
};

struct ShowFacts {
    std::vector<ShowFact> facts;
    // Why a stored value could not be read: then no fact may be printed, as a blank would lie.
    std::optional<std::string> unread;
};

// What show prints, in its order, gathered once for both of its forms.
ShowFacts GatherShowFacts(AppServices& services);

// Says on err why the facts could not be read; true when it did.
bool ReportUnread(const ShowFacts& shown, std::ostream& err);

}  // namespace pelmora::cli
