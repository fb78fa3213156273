#include "search/dotted_part.h"

namespace taalspoor {

DottedPart::DottedPart(std::string_view part, bool case_sensitive)
    : length_(part.size()), map_(case_sensitive ? &detail::byte_tables.fold : &detail::byte_tables.lower_fold) {
    for (std::size_t i = 0; i < part.size(); ++i)
        if (part[i] != '.') fixed_.push_back({static_cast<std::ptrdiff_t>(i), static_cast<unsigned char>(part[i])});
}

}  // namespace taalspoor
