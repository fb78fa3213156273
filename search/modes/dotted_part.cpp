#include "search/modes/dotted_part.h"

namespace taalspoor {

DottedPart::DottedPart(std::string_view part, bool case_sensitive)
    : length_(part.size()), map_(case_sensitive ? &detail::byte_tables.fold : &detail::byte_tables.lower_fold) {
    for (std::size_t i = 0; i < part.size(); ++i)
        if (part[i] != '.') fixed_.push_back({static_cast<std::ptrdiff_t>(i), static_cast<unsigned char>(part[i])});
}

void DottedPart::require_letters(WordFilter& filter, int first_at) const {
    for (const Fixed& f : fixed_) filter.require(first_at + static_cast<int>(f.position), bytes_mapped_to(f.letter, *map_));
}

WordFilter whole_word_filter(const DottedPart& pattern) {
    WordFilter filter(WordFilter::Anchor::line_feed);
    filter.require_length(pattern.length());
    pattern.require_letters(filter, -static_cast<int>(pattern.length()));
    return filter;
}

WordFilter end_part_filter(const DottedPart& end_part) {
    WordFilter filter(WordFilter::Anchor::line_feed);
    end_part.require_letters(filter, -static_cast<int>(end_part.length()));
    return filter;
}

WordFilter begin_part_filter(const DottedPart& begin_part) {
    WordFilter filter(WordFilter::Anchor::any_byte);
    begin_part.require_letters(filter, 0);
    if (filter.narrows()) filter.require(-1, ByteClass::line_feed());
    return filter;
}

}  // namespace taalspoor
