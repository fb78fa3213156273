#include "search/modes/preparation.h"

namespace taalspoor {

std::optional<Refusal> backslashcontrole(std::string_view query) {
    if (query.find('\\') == std::string_view::npos) return std::nullopt;
    return Refusal{BoxKind::warning, "In deze optie is het teken \\ ongewenst", true};
}

}  // namespace taalspoor
