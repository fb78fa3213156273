#include "web/engine/tables_json.h"

#include <variant>

#include "resources/mode_buttons.h"
#include "search/board/board_game.h"
#include "search/modes/mode_table.h"
#include "search/solver_table/solver_table.h"
#include "search/modes/word_length_mode.h"
#include "web/engine/json_text.h"

namespace taalspoor::web {

namespace {

// Where another option's choice narrows the range: [{"option": "spel", "choice": "woordle", "least": 5, "most": 6}].
std::string narrowed_json(const TakenOption& taken) {
    JsonArray narrowed;
    for (const TakenOption::Narrowed& n : taken.narrowed)
        narrowed.raw(JsonObject().add("option", n.option + 2).add("choice", n.choice).number("least", n.range.least)
                          .number("most", n.range.most).text());
    return narrowed.text();
}

// What the page shows of an option: its kind and what the control starts as.
std::string option_json(const TakenOption& taken, const SolverQuery& defaults) {
    const SolverOption& option = *taken.option;
    JsonObject out;
    out.add("name", option.name + 2).add("valueName", taken.shown_value_name()).add_utf8("label", taken.shown_label())
        .add_utf8("tip", taken.shown_tip()).add_utf8("help", option.help).number("least", taken.range.least)
        .number("most", taken.range.most).raw("narrowed", narrowed_json(taken)).add_utf8("noneText", option.none_text)
        .add_utf8("unit", option.unit);
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool SolverQuery::*>) {
                const bool by_default = defaults.*member == option.flag_value;
                out.add("kind", "flag").flag("initial", option.checked_in_window || by_default);
            } else if constexpr (std::is_same_v<Member, void (*)(SolverQuery&)>) {
                out.add("kind", "flag").flag("initial", false);
            } else if constexpr (std::is_same_v<Member, std::size_t SolverQuery::*>) {
                out.add("kind", "number").number("initial", defaults.*member);
            } else if constexpr (std::is_same_v<Member, SquareCount SolverQuery::*>) {
                out.add("kind", "length");
            } else if constexpr (std::is_same_v<Member, std::vector<std::string> SolverQuery::*>) {
                out.add("kind", "list");
            } else if (const auto allowed = choices_of(taken); !allowed.empty()) {
                JsonArray choices;
                for (const std::string& choice : allowed) choices.add(choice);
                out.add("kind", "choice").raw("choices", choices.text()).add("initial", (defaults.*member).c_str());
            } else {
                out.add("kind", "text").add("initial", (defaults.*member).c_str());
            }
        },
        option.sets);
    return out.text();
}

std::string search_json(const SolverSearch& search) {
    JsonArray options;
    for (const TakenOption& taken : search.takes) options.raw(option_json(taken, search.defaults));
    const RowColumns& c = search.columns;
    return JsonObject()
        .add("name", search.name)
        .add("option", search.option)
        .add("valueName", search.value_name)
        .flag("textRequired", search.text == QueryText::required)
        .flag("takesText", search.text != QueryText::none)
        .flag("ownPage", search.own_page)
        .add_utf8("caption", search.caption)
        .add_utf8("placeholder", search.placeholder)
        .add_utf8("tip", search.tip)
        .add_utf8("help", search.help)
        .raw("columns", JsonObject().flag("sets", c.sets).flag("leftover", c.leftover).flag("explanation", c.explanation)
                            .flag("count", c.count).flag("moves", c.moves).text())
        .raw("options", options.text())
        .text();
}

std::string modes_json() {
    JsonArray modes;
    for (const design::ModeButton& button : design::mode_buttons)
        modes.raw(JsonObject()
                      .number("number", static_cast<std::uint64_t>(button.mode))
                      .add("caption", button.caption)
                      .add("hint", button.hint)
                      .flag("takesQuery", !mode_entry(button.mode).start.takes_no_query)
                      .text());
    return modes.text();
}

// The main window's own controls of a search: the case, the list, mode 11's length.
std::string mode_options_json() {
    return JsonArray()
        .raw(JsonObject().add("name", "hoofdletters").add("kind", "flag").add("label", "hoofdlettergevoelig zoeken")
                 .add("tip", "houdt bij  zoeken rekening met hoofdletters").text())
        .raw(JsonObject().add("name", "y-lijst").add("kind", "flag").add("label", "ij geschreven als y (Puzzelaars-alternatief)")
                 .add("tip", "zoekt in nlwrdiso y-versie.v3, de lijst waarin elke ij als y is geschreven").text())
        .raw(JsonObject().add("name", "lengte").add("kind", "number").add("label", "Woordlengte:")
                 .add("tip", "het aantal letters bij zoekwijze 11").number("least", shortest_word_length)
                 .number("most", longest_word_length).number("initial", 6).flag("insteadOfQuery", true).text())
        .text();
}

// The board games' premium squares, a string of 15 signs (. d t w W) a row, for the
// page's board.
std::string boards_json() {
    JsonObject boards;
    for (const char* name : {"wordfeud", "scrabble"}) {
        JsonArray rows;
        for (const auto& row : board_game(name)->layout) rows.add(std::string(row.begin(), row.end()));
        boards.raw(name, rows.text());
    }
    return boards.text();
}

}  // namespace

std::string tables_json() {
    JsonArray searches;
    for (const SolverSearch& search : solver_table()) searches.raw(search_json(search));
    return JsonObject()
        .raw("modes", modes_json())
        .raw("modeOptions", mode_options_json())
        .raw("searches", searches.text())
        .raw("boards", boards_json())
        .text();
}

}  // namespace taalspoor::web
