#include "search/modes/search_state.h"

#include "wordlist/two_letter_index.h"

namespace taalspoor {

std::int32_t index_start(const SearchState& state, std::string_view query) {
    return state.y_list_in_use ? 0 : index_lookup(query);
}

}  // namespace taalspoor
