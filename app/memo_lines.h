#pragma once
// The result area as the search sees it. Lines are collected and put into the memo
// once per block (and at the end), so that a long result does not redraw per word.

#include <QStringList>
#include <optional>

#include "search/modes/front_end.h"

class QPlainTextEdit;
class QPushButton;

namespace taalspoor {

class MemoLines final : public ResultSink {
public:
    MemoLines(QPlainTextEdit& memo, QPushButton& start_button);

    void append_line(std::string_view line) override;
    void separator() override;
    void page_full() override;

    int line_count() const { return count_; }

    void clear();
    // Puts the lines appended since the last call into the memo.
    void show_pending();
    // The words found: every line but the separator between the two lists; nullopt when
    // no scan wrote anything at all (no query, or a query refused before the scan).
    std::optional<int> found_words() const;

private:
    QPlainTextEdit& memo_;
    QPushButton& start_button_;
    QStringList pending_;
    int count_ = 0;
    bool separator_written_ = false;
};

}  // namespace taalspoor
