#include "search/modes/search_driver.h"

#include <algorithm>

#include "base/letters.h"
#include "search/modes/mode_table.h"

namespace taalspoor {

std::string current_query_for_search(std::string_view text, bool case_sensitive) {
    return case_sensitive ? std::string(text) : lower_cased(text);
}

bool first_character_acceptable(std::string_view text) {
    const std::size_t before_backslash = std::min(text.find('\\'), text.size());
    if (before_backslash == 0) return true;
    const unsigned char first = upper_byte(static_cast<unsigned char>(text[0]));
    return first == '.' || (first >= 'A' && first <= 'Z') || first == 255;
}

Dispatch plan_dispatch(SearchState& state, const std::string& current_query) {
    const StartRule& start = mode_entry(state.chosen_mode).start;
    if (state.stored_query.empty() || start.query_taken_at_every_start) {
        state.stored_query = current_query;
        state.stored_query_is_page_start = false;
    }
    if (!state.stored_query.empty()) return start.takes_no_query ? Dispatch::nothing : Dispatch::mode_driver;
    return start.takes_no_query ? Dispatch::word_length_mode : Dispatch::nothing_to_search;
}

void run_dispatch(SearchContext& ctx, Dispatch dispatch) {
    switch (dispatch) {
        case Dispatch::nothing:
            return;
        case Dispatch::nothing_to_search:
            ctx.dialogs.show_message(BoxKind::information, no_query_message);
            return;
        case Dispatch::word_length_mode:
        case Dispatch::mode_driver:
            break;
    }
    const ModeEntry& entry = mode_entry(ctx.state.chosen_mode);
    if (entry.start.before_search && !entry.start.before_search(ctx)) return;
    // A copy: a handler that runs while the scan lets events through may empty the stored query.
    const std::string query = ctx.state.stored_query;
    const Preparation prepared = entry.prepare(query, ctx.state);
    if (const auto* refusal = std::get_if<Refusal>(&prepared)) {
        if (!refusal->message.empty()) ctx.dialogs.show_message(refusal->kind, refusal->message);
        if (refusal->backslash) ctx.state.backslash_flag = true;
        return;
    }
    std::get<ModeSearch>(prepared).run(ctx);
}

namespace {

// What run_pages needs to know of a page: its lines and whether it filled.
class PageWatch final : public ResultSink {
public:
    explicit PageWatch(ResultSink& results) : results_(results) {}
    void append_line(std::string_view line) override {
        ++lines;
        results_.append_line(line);
    }
    void separator() override {
        ++lines;
        results_.separator();
    }
    void page_full() override {
        full = true;
        results_.page_full();
    }
    std::size_t lines = 0;
    bool full = false;

private:
    ResultSink& results_;
};

class MessageWatch final : public UserDialogs {
public:
    explicit MessageWatch(UserDialogs& dialogs) : dialogs_(dialogs) {}
    void show_message(BoxKind kind, std::string_view text) override {
        ++shown;
        dialogs_.show_message(kind, text);
    }
    bool ask_yes_no(BoxKind kind, std::string_view text) override { return dialogs_.ask_yes_no(kind, text); }
    std::optional<std::string> ask_text(std::string_view caption, std::string_view prompt,
                                        std::string_view initial) override {
        return dialogs_.ask_text(caption, prompt, initial);
    }
    int shown = 0;

private:
    UserDialogs& dialogs_;
};

}  // namespace

PagesEnd run_pages(SearchContext& ctx, const std::string& current_query, const std::function<bool()>& next_page) {
    MessageWatch dialogs(ctx.dialogs);
    for (;;) {
        PageWatch page(ctx.results);
        SearchContext watched{ctx.state, page, dialogs, ctx.events, ctx.folder};
        const int shown_before = dialogs.shown;
        run_dispatch(watched, plan_dispatch(ctx.state, current_query));
        if (page.lines == 0 && dialogs.shown > shown_before) return PagesEnd::refused;
        if (!page.full || !next_page()) return PagesEnd::searched;
    }
}

}  // namespace taalspoor
