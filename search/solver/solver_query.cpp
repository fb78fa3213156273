#include "search/solver/solver_query.h"

#include <algorithm>

#include "base/file_names.h"

namespace taalspoor {

std::shared_ptr<const WordCounts> SolverTables::counts() {
    const std::lock_guard lock(mutex_);
    if (!counts_) counts_ = std::make_shared<const WordCounts>(WordCounts::read(folder_ / word_counts_name));
    return counts_;
}

std::shared_ptr<const IjExceptions> SolverTables::exceptions() {
    const std::lock_guard lock(mutex_);
    if (!exceptions_) exceptions_ = std::make_shared<const IjExceptions>(IjExceptions::read(folder_ / ij_exceptions_name));
    return exceptions_;
}

std::shared_ptr<const IjExceptions> SolverTables::exceptions_for(const SolverQuery& query) {
    return query.ij_one_square ? exceptions() : std::make_shared<const IjExceptions>();
}

std::string SolverTables::lists_stamp() const {
    std::string stamp;
    for (const char* name : {standard_list_name, own_list_name}) {
        std::error_code missing;
        const auto size = std::filesystem::file_size(folder_ / name, missing);
        const auto changed = std::filesystem::last_write_time(folder_ / name, missing);
        stamp += missing ? std::string("-;")
                         : std::to_string(size) + "@" +
                               std::to_string(static_cast<long long>(changed.time_since_epoch().count())) + ";";
    }
    return stamp;
}

}  // namespace taalspoor
