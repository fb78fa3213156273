#include "base/query_error.h"

namespace taalspoor {

std::string QueryError::message() const {
    if (about_an_option()) return option + " " + what;
    const std::string at = place == 0 ? "" : " op plaats " + std::to_string(place);
    if (subject.empty()) return what + at;
    return "Fout in " + subject + at + ": " + what;
}

}  // namespace taalspoor
