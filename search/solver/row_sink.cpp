#include "search/solver/row_sink.h"

#include <algorithm>

namespace taalspoor {

RowSink::RowSink(const SolverQuery& query, SolverTables& tables, RowOrder order)
    : most_rows_(query.most_rows),
      threshold_(static_cast<std::uint32_t>(std::min<std::size_t>(query.threshold, UINT32_MAX))),
      needs_counts_(query.counted || query.threshold > 0 || query.most_common_first),
      most_common_first_(query.most_common_first),
      order_(order) {
    if (needs_counts_) counts_ = tables.counts();
}

bool RowSink::better(const Kept& a, const Kept& b) const {
    if (order_ == RowOrder::most_squares_first && a.row.squares != b.row.squares) return a.row.squares > b.row.squares;
    if (most_common_first_ && a.row.count != b.row.count) return a.row.count > b.row.count;
    return a.place < b.place;
}

bool RowSink::better_than_worst(const FoundWord& row) const {
    if (heap_.size() < most_rows_) return true;
    if (most_rows_ == 0) return false;
    // A row found later than every kept one wins only by its own order or its count.
    return better({row, found_}, heap_.front());
}

bool RowSink::would_keep(FoundWord& row) {
    if (needs_counts_) row.count = counts_->count(row.word);
    if (row.count < threshold_) return false;
    if (better_than_worst(row)) {
        counted_ = true;
        return true;
    }
    ++found_;
    return false;
}

void RowSink::add(FoundWord row) {
    if (!counted_ && needs_counts_) row.count = counts_->count(row.word);
    counted_ = false;
    if (row.count < threshold_) return;
    const auto worse = [this](const Kept& a, const Kept& b) { return better(a, b); };
    Kept kept{std::move(row), found_++};
    if (heap_.size() < most_rows_) {
        heap_.push_back(std::move(kept));
        std::push_heap(heap_.begin(), heap_.end(), worse);
    } else if (most_rows_ > 0 && better(kept, heap_.front())) {
        std::pop_heap(heap_.begin(), heap_.end(), worse);
        heap_.back() = std::move(kept);
        std::push_heap(heap_.begin(), heap_.end(), worse);
    }
}

void RowSink::add_ranked(SolverRow row) {
    ++found_;
    if (ranked_.size() < most_rows_) ranked_.push_back(std::move(row));
}

SolverOutcome RowSink::outcome() && {
    std::sort_heap(heap_.begin(), heap_.end(), [this](const Kept& a, const Kept& b) { return better(a, b); });
    SolverOutcome outcome;
    outcome.heading = std::move(heading_);
    outcome.nothing_left = std::move(nothing_left_);
    outcome.warnings = std::move(warnings_);
    outcome.in_all = found_;
    outcome.cut_short = cut_short_;
    outcome.rows = std::move(ranked_);
    outcome.rows.reserve(heap_.size());
    for (Kept& k : heap_)
        outcome.rows.push_back({std::move(k.row.word), std::move(k.row.leftover), std::move(k.row.explanation), k.row.count,
                                std::move(k.row.blanks)});
    return outcome;
}

}  // namespace taalspoor
