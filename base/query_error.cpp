#include "base/query_error.h"

namespace taalspoor {

std::string QueryError::message() const {
    if (about_an_option()) return option + " " + what;
    if (place == 0) return "Fout in het patroon: " + what;
    return "Fout in het patroon op plaats " + std::to_string(place) + ": " + what;
}

}  // namespace taalspoor
