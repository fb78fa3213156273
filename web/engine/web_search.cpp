#include "web/engine/web_search.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "base/file_error.h"
#include "base/file_names.h"
#include "base/latin1.h"
#include "base/whole_number.h"
#include "search/board/board_search.h"
#include "search/modes/answering_dialogs.h"
#include "search/modes/search_driver.h"
#include "search/modes/word_length_mode.h"
#include "web/engine/json_text.h"
#include "wordlist/y_list_builder.h"

namespace taalspoor::web {

namespace {

const std::string* value_of(const Question& question, std::string_view name) {
    for (const auto& [key, value] : question)
        if (key == name) return &value;
    return nullptr;
}

bool flag_in(const Question& question, std::string_view name) {
    const std::string* value = value_of(question, name);
    return value && *value != "0";
}

// Every page's lines, the separators among them, and which separators the own list's
// words follow (its words come after a page's separator, before the next page).
class RowsSink final : public ResultSink {
public:
    RowsSink(std::vector<SolverRow>& rows, std::set<std::size_t>& own_list_follows)
        : rows_(rows), own_list_follows_(own_list_follows) {}
    void append_line(std::string_view line) override {
        if (own_part_) own_list_follows_.insert(rows_.size() - 1 - own_lines_++);
        rows_.push_back({std::string(line)});
    }
    void separator() override {
        rows_.push_back({std::string(separator_line)});
        own_part_ = true;
        own_lines_ = 0;
    }
    void page_full() override {}
    void page_ended() { own_part_ = false; }

private:
    std::vector<SolverRow>& rows_;
    std::set<std::size_t>& own_list_follows_;
    bool own_part_ = false;
    std::size_t own_lines_ = 0;
};

}  // namespace

WebSearch::WebSearch(std::filesystem::path folder) : folder_(folder), tables_(std::move(folder)) {}

std::string WebSearch::answer(std::uint64_t count, const char* search_name, const std::vector<std::string>& notes,
                              const std::string& error, bool cut_short) const {
    JsonArray note_list, heading;
    for (const std::string& note : notes) note_list.add(note);
    for (const std::string& line : heading_) heading.add(line);
    return JsonObject()
        .number("count", count)
        .flag("cutShort", cut_short)
        .raw("heading", heading.text())
        .number("rows", rows_.size())
        .add("search", search_name)
        .raw("notes", note_list.text())
        .add("error", error.empty() ? nullptr : error.c_str())
        .text();
}

std::string WebSearch::ask(const Question& question) {
    rows_.clear();
    own_list_follows_.clear();
    heading_.clear();
    search_ = nullptr;
    counted_ = false;
    try {
        if (const std::string* name = value_of(question, "zoek")) {
            const SolverSearch* search = solver_search(*name);
            if (!search) return answer(0, nullptr, {}, "onbekende zoekopdracht " + utf8_to_latin1_lossy(*name));
            return ask_solver(*search, question);
        }
        return ask_mode(question);
    } catch (const FileError& e) {
        return answer(0, nullptr, {}, e.what());
    } catch (const QueryError& e) {
        return answer(0, search_ ? search_->name : nullptr, {}, e.message());
    } catch (const std::bad_alloc&) {
        return answer(0, search_ ? search_->name : nullptr, {}, out_of_memory_note);
    } catch (const std::exception& e) {
        return answer(0, search_ ? search_->name : nullptr, {}, std::string("de zoekopdracht liep vast: ") + e.what());
    }
}

std::string WebSearch::ask_solver(const SolverSearch& search, const Question& question) {
    search_ = &search;
    std::vector<GivenOption> given;
    // A board stands in the address under the search's name, its lines separated by /.
    const std::string text_key = search.text_from_file ? search.name : "q";
    for (const auto& [key, value] : question) {
        if (key == "zoek" || key == text_key) continue;
        // An option the search does not take is refused, as taalspoor-zoek refuses it.
        const TakenOption* taken = search.taken("--" + key);
        if (!taken) return answer(0, search.name, {}, "--" + utf8_to_latin1_lossy(key) + " hoort niet bij " + search.option);
        given.push_back({taken, utf8_to_latin1_lossy(value)});
    }
    const std::string* text = value_of(question, text_key);
    std::string asked_text = text ? utf8_to_latin1_lossy(*text) : std::string();
    if (search.text_from_file) std::replace(asked_text.begin(), asked_text.end(), '/', '\n');
    // A link names what differs from what the page starts a search with.
    auto query = solver_query_of(search, std::move(asked_text), std::move(given), Defaults::interactive);
    if (const auto* refused = std::get_if<QueryError>(&query)) return answer(0, search.name, {}, refused->message());
    // The page draws every row's bar; the text has the counts only where they were asked.
    SolverQuery& asked = std::get<SolverQuery>(query);
    counted_ = asked.counted;
    asked.counted = search.columns.count;
    SolverOutcome outcome = *run_solver_query(search, asked, tables_, [] { return false; });
    std::vector<std::string> notes;
    if (outcome.cut_short) notes.emplace_back(cut_short_note);
    if (const auto kept = kept_rows_note(outcome)) notes.push_back(*kept);
    if (!outcome.nothing_left.empty()) notes.push_back(outcome.nothing_left);
    for (const std::string& warning : outcome.warnings) notes.push_back(warning);
    // Under the moves, the tiles not yet seen.
    if (search.columns.moves && !asked.unseen) {
        UnseenTiles unseen = unseen_tiles(asked);
        notes.insert(notes.end(), unseen.warnings.begin(), unseen.warnings.end());
        notes.push_back(unseen.line());
    }
    heading_ = std::move(outcome.heading);
    rows_ = std::move(outcome.rows);
    return answer(outcome.in_all, search.name, notes, {}, outcome.cut_short);
}

std::string WebSearch::ask_mode(const Question& question) {
    SearchState state;
    const std::string* mode = value_of(question, "modus");
    const auto number = mode ? whole_number(*mode) : std::optional<long long>(1);
    if (!number || *number < 1 || *number > 11) return answer(0, nullptr, {}, "modus moet tussen 1 en 11 liggen");
    state.chosen_mode = static_cast<Mode>(*number);
    state.case_sensitive = flag_in(question, "hoofdletters");
    if (flag_in(question, "y-lijst")) {
        std::error_code ignored;
        if (!std::filesystem::exists(folder_ / y_list_name, ignored)) {
            NoEvents events;
            build_y_list(folder_, [] { return false; }, events);
            std::filesystem::remove(folder_ / y_intermediate_name, ignored);
        }
        state.list_file_name = y_list_name;
        state.y_list_in_use = true;
    }
    std::optional<int> word_length;
    if (const std::string* length = value_of(question, "lengte"))
        if (const auto n = whole_number(*length)) word_length = static_cast<int>(std::clamp<long long>(*n, 0, 1000));
    const std::string* typed = value_of(question, "q");
    const std::string text = typed ? utf8_to_latin1_lossy(*typed) : std::string();
    if (!first_character_acceptable(text)) return answer(0, nullptr, {}, first_character_message);

    std::string refusal;
    AnsweringDialogs dialogs(word_length, [&](std::string_view message) { refusal = message; });
    RowsSink sink(rows_, own_list_follows_);
    NoEvents events;
    SearchContext ctx{state, sink, dialogs, events, folder_};
    const auto next_page = [&] {
        sink.page_ended();
        return true;
    };
    if (run_pages(ctx, current_query_for_search(text, state.case_sensitive), next_page) == PagesEnd::refused)
        return answer(0, nullptr, {}, refusal);
    const auto separators = std::count_if(rows_.begin(), rows_.end(), [](const SolverRow& r) { return r.text == separator_line; });
    return answer(rows_.size() - static_cast<std::size_t>(separators), nullptr, {}, {});
}

std::string WebSearch::rows(std::size_t from, std::size_t count) const {
    JsonArray out;
    for (std::size_t k = from; k < rows_.size() && k < from + count; ++k) {
        const SolverRow& row = rows_[k];
        out.raw(JsonObject()
                    .add("text", row.text)
                    .add("leftover", row.leftover)
                    .add("explanation", row.explanation)
                    .number("count", row.count)
                    .flag("separator", !search_ && row.text == separator_line)
                    .flag("ownFollow", !search_ && own_list_follows_.count(k) > 0)
                    .text());
    }
    return out.text();
}

std::string WebSearch::text() const {
    std::string out;
    for (const std::string& line : heading_) append_text(out, line + "\n", true);
    const RowColumns plain_lines;
    for (const SolverRow& row : rows_) {
        append_row_line(out, row, search_ ? search_->columns : plain_lines, counted_, true);
        out += '\n';
    }
    return out;
}

}  // namespace taalspoor::web
