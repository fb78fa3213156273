#pragma once
// How the matches of one pass are cut into pages. The pass asks the policy at every
// match whether the page takes it; the first match a full page does not take begins
// the next page.

#include <cstddef>

namespace taalspoor {

inline constexpr int page_limit = 500;
inline constexpr int listing_page_limit = 200;

enum class PageRule {
    pages_of_500,    // the 501st match begins the next page, which starts at its offset
    unpaged,         // every match is shown
    listing_of_200,  // from the first fitting word on, every word; the 201st names the next page
};

class PagePolicy {
public:
    explicit PagePolicy(PageRule rule) : rule_(rule) {}

    // Does the page take one more match? Counts the matches it takes.
    bool takes_another() {
        const int limit = rule_ == PageRule::pages_of_500 ? page_limit
                          : rule_ == PageRule::listing_of_200 ? listing_page_limit
                                                              : 0;
        if (limit != 0 && shown_ >= limit) return false;
        ++shown_;
        return true;
    }
    // The listing shows every word from the first one that fits on.
    bool lists_on_from_first_fit() const { return rule_ == PageRule::listing_of_200; }
    // The next page is named by its first word rather than by its offset.
    bool next_page_by_word() const { return rule_ == PageRule::listing_of_200; }

private:
    PageRule rule_;
    int shown_ = 0;
};

}  // namespace taalspoor
