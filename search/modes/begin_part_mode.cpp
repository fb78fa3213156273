#include "search/modes/begin_part_mode.h"


namespace taalspoor {

EarlyEndTests::Which begin_part_tests(std::string_view begin_part, bool standard_list) {
    // Words that begin with an apostrophe stand apart from the letters, so their first
    // letter ends nothing. The y-version list keeps the order of the list it was made
    // from: a converted word (brij... written bry...) stands among words with a smaller
    // letter where it has its y, so there no test may conclude from the second or third
    // letter. A hyphen in third place (the 's- words) gets no test either.
    return {.first_letter = standard_list && byte_at(begin_part, 0) != '\'',
            .second_letter = standard_list,
            .third_letter = standard_list && byte_at(begin_part, 2) != '-'};
}

BeginPartMatcher::BeginPartMatcher(std::string_view query, bool case_sensitive, bool standard_list)
    : begin_part_(query, case_sensitive),
      early_end_(query, begin_part_tests(query, standard_list)),
      filter_(begin_part_filter(begin_part_)) {}

Preparation prepare_begin_part_mode(const std::string& query, const SearchState& state) {
    if (auto refusal = backslashcontrole(query)) return *refusal;
    return ModeSearch(BeginPartMatcher(query, state.case_sensitive, !state.y_list_in_use),
                      PassRules{.start_offset = index_start(state, query)});
}

}  // namespace taalspoor
