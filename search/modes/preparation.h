#pragma once
// What a mode makes of a query: either a refusal, with the message the user gets, or a
// search ready to run.

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "search/modes/front_end.h"
#include "search/modes/mode_search.h"

namespace taalspoor {

struct Refusal {
    BoxKind kind = BoxKind::information;
    std::string message;     // empty: nothing is shown
    bool backslash = false;  // refused by backslashcontrole: the backslash flag is set
};

using Preparation = std::variant<Refusal, ModeSearch>;

// The modes that take no backslash refuse a query that holds one, with a warning.
std::optional<Refusal> backslashcontrole(std::string_view query);

}  // namespace taalspoor
