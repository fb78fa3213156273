#include "app/memo_lines.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "window_support/latin1_text.h"

namespace taalspoor {

MemoLines::MemoLines(QPlainTextEdit& memo, QPushButton& start_button) : memo_(memo), start_button_(start_button) {}

void MemoLines::append_line(std::string_view line) {
    pending_.append(from_latin1(line));
    ++count_;
}

void MemoLines::separator() {
    append_line(separator_line);
    separator_written_ = true;
}

void MemoLines::page_full() { start_button_.setText(QStringLiteral("&verder zoeken")); }

void MemoLines::clear() {
    pending_.clear();
    memo_.clear();
    count_ = 0;
    separator_written_ = false;
}

void MemoLines::show_pending() {
    if (pending_.isEmpty()) return;
    memo_.appendPlainText(pending_.join(QLatin1Char('\n')));
    pending_.clear();
}

std::optional<int> MemoLines::found_words() const {
    if (count_ == 0) return std::nullopt;
    return count_ - (separator_written_ ? 1 : 0);
}

}  // namespace taalspoor
