#include "search/scan_pass.h"

#include "wordlist/two_letter_index.h"

namespace taalspoor {

std::int32_t index_start(const SearchContext& ctx, std::string_view query) {
    return ctx.state.y_list_in_use ? 0 : index_lookup(query);
}

}  // namespace taalspoor
