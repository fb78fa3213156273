#pragma once
// A search made ready by a mode: its matcher with its pass rules, behind one type, so
// that the table of modes can hand out any mode's search. The matcher stays a template
// parameter of its pass: the word loop makes no virtual call.

#include <memory>
#include <string_view>

#include "search/modes/front_end.h"
#include "search/scan/matcher.h"
#include "search/modes/mode_pass.h"

namespace taalspoor {

class ModeSearch {
public:
    template <Matcher M>
    ModeSearch(M matcher, const PassRules& rules) : model_(std::make_shared<Held<M>>(std::move(matcher))), rules_(rules) {}

    // The pass with the state, the sink, the boxes and the events of `ctx`.
    PassOutcome run(SearchContext& ctx) const { return model_->run(ctx, rules_); }

    const PassRules& rules() const { return rules_; }
    // The same matcher under other rules (a test that wants every match at once).
    ModeSearch with_rules(const PassRules& rules) const {
        ModeSearch other = *this;
        other.rules_ = rules;
        return other;
    }

    // The matcher's answers one word at a time, for references that read a list plainly.
    bool matches_list_word(std::string_view word) const { return model_->matches_list_word(word); }
    bool matches_own_line(std::string_view line) const { return model_->matches_own_line(line); }
    bool ends_scan(std::string_view word) const { return model_->ends_scan(word); }

private:
    struct Model {
        virtual ~Model() = default;
        virtual PassOutcome run(SearchContext& ctx, const PassRules& rules) const = 0;
        virtual bool matches_list_word(std::string_view word) const = 0;
        virtual bool matches_own_line(std::string_view line) const = 0;
        virtual bool ends_scan(std::string_view word) const = 0;
    };
    template <Matcher M>
    struct Held final : Model {
        explicit Held(M m) : matcher(std::move(m)) {}
        PassOutcome run(SearchContext& ctx, const PassRules& rules) const override {
            return run_scan_pass(ctx, rules, matcher);
        }
        bool matches_list_word(std::string_view word) const override { return matcher.matches_list_word(word); }
        bool matches_own_line(std::string_view line) const override { return taalspoor::matches_own_line(matcher, line); }
        bool ends_scan(std::string_view word) const override { return taalspoor::ends_scan(matcher, word); }
        M matcher;
    };

    std::shared_ptr<const Model> model_;
    PassRules rules_;
};

}  // namespace taalspoor
