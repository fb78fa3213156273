#include "search/lingo_game.h"

#include <algorithm>
#include <array>
#include <thread>
#include <tuple>

namespace taalspoor {

LingoCode lingo_code(std::span<const std::uint8_t> guess, std::span<const std::uint8_t> answer) {
    const std::size_t n = guess.size();
    // The answer's letters not in their place, counted by letter (the letters are small
    // numbers), then given out to the guess's other places from the left.
    std::array<std::uint8_t, 256> left;
    std::array<LingoCode, longest_lingo_word> digit{};
    LingoCode power = 1;
    LingoCode code = 0;
    for (std::size_t k = 0; k < n; ++k, power *= 3) {
        digit[k] = power;
        left[answer[k]] = left[guess[k]] = 0;
    }
    for (std::size_t k = 0; k < n; ++k) {
        if (guess[k] == answer[k]) code += 2 * digit[k];
        else ++left[answer[k]];
    }
    for (std::size_t k = 0; k < n; ++k)
        if (guess[k] != answer[k] && left[guess[k]] > 0) {
            --left[guess[k]];
            code += digit[k];
        }
    return code;
}

LingoCode code_of_signs(std::string_view signs) {
    LingoCode code = 0;
    for (std::size_t k = signs.size(); k-- > 0;) code = code * 3 + (signs[k] == '+' ? 2 : signs[k] == '?' ? 1 : 0);
    return code;
}

std::string signs_of_code(LingoCode code, std::size_t squares) {
    std::string signs;
    for (std::size_t k = 0; k < squares; ++k, code /= 3) signs += "-?+"[code % 3];
    return signs;
}

std::vector<std::size_t> lingo_left(const LingoWords& words, const std::vector<std::size_t>& possible,
                                    std::span<const std::uint8_t> guess, LingoCode code) {
    std::vector<std::size_t> left;
    for (const std::size_t a : possible)
        if (lingo_code(guess, words.word(a)) == code) left.push_back(a);
    return left;
}

namespace {

// One guess scored against many answers, faster than lingo_code where every letter is a
// number below 64 (`small`): a letter the guess has once is elsewhere in the answer when it
// is among the answer's letters not in their place, worked out without a branch; only a
// letter the guess has twice or more is counted out, place by place.
class GuessScorer {
public:
    GuessScorer(std::span<const std::uint8_t> guess, bool small) : guess_(guess), small_(small) {
        for (std::size_t k = 0, power = 1; k < guess.size(); ++k, power *= 3) {
            digit_[k] = static_cast<LingoCode>(power);
            for (std::size_t j = 0; j < guess.size(); ++j)
                if (j != k && guess[j] == guess[k]) twice_ |= 1u << k;
        }
    }

    LingoCode code(std::span<const std::uint8_t> answer) const {
        if (!small_) return lingo_code(guess_, answer);
        const std::size_t n = guess_.size();
        LingoCode code = 0;
        std::uint64_t elsewhere = 0;  // the answer's letters not in their place
        unsigned right = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const unsigned same = guess_[k] == answer[k];
            code += same * 2 * digit_[k];
            right |= same << k;
            elsewhere |= static_cast<std::uint64_t>(1 - same) << answer[k];
        }
        for (std::size_t k = 0; k < n; ++k) {
            const auto yellow = static_cast<unsigned>(~(right >> k) & (elsewhere >> guess_[k]) & 1);
            code += yellow * digit_[k];
        }
        if (twice_ & ~right) code = counted_out(answer, right, code);
        return code;
    }

private:
    // A letter the guess has twice is elsewhere only as often as the answer has it in the
    // places not right: the places after that are absent.
    LingoCode counted_out(std::span<const std::uint8_t> answer, unsigned right, LingoCode code) const {
        for (std::size_t k = 0; k < guess_.size(); ++k) {
            if (!((twice_ >> k) & 1) || ((right >> k) & 1) || (code / digit_[k]) % 3 != 1) continue;
            std::size_t in_answer = 0, taken = 0;
            for (std::size_t j = 0; j < guess_.size(); ++j) {
                if ((right >> j) & 1) continue;
                in_answer += answer[j] == guess_[k];
                taken += j < k && guess_[j] == guess_[k];
            }
            if (in_answer <= taken) code -= digit_[k];
        }
        return code;
    }

    std::span<const std::uint8_t> guess_;
    bool small_;
    std::array<LingoCode, longest_lingo_word> digit_{};
    unsigned twice_ = 0;  // the places whose letter the guess has more than once
};

// The uitslagen of one guess over a set of answers: how many answers and how much
// weight each gives. Kept between guesses, emptied where it was filled.
class Partition {
public:
    Partition(std::size_t squares, bool small) : small_(small), count_(all_right(squares) + 1, 0), mass_(count_.size(), 0) {}

    void split(const LingoWords& words, std::size_t guess, const std::vector<std::size_t>& answers) {
        clear();
        const GuessScorer scorer(words.word(guess), small_);
        for (const std::size_t a : answers) {
            const LingoCode code = scorer.code(words.word(a));
            if (count_[code]++ == 0) touched_.push_back(code);
            mass_[code] += words.prior[a];
        }
    }
    // The words still to find after the guess, summed over the answers by weight: a class
    // of k answers leaves k for each, the guess itself (when it is one) none.
    double left(bool guess_is_an_answer, double guess_prior, std::size_t squares) const {
        double sum = 0;
        for (const LingoCode code : touched_) sum += mass_[code] * count_[code];
        if (guess_is_an_answer && count_[all_right(squares)] == 1) sum -= guess_prior;
        return sum;
    }
    const std::vector<LingoCode>& codes() const { return touched_; }
    std::size_t count(LingoCode code) const { return count_[code]; }
    double mass(LingoCode code) const { return mass_[code]; }

private:
    void clear() {
        for (const LingoCode code : touched_) count_[code] = 0, mass_[code] = 0;
        touched_.clear();
    }
    bool small_;
    std::vector<std::uint32_t> count_;
    std::vector<double> mass_;
    std::vector<LingoCode> touched_;
};

// Runs body(from, to, partition) over [0, n) in a part for each core, each with a partition
// of its own; in one part where there are no threads (the web page's module).
template <class Body>
void in_parts(std::size_t n, std::size_t squares, bool small, Body body) {
    std::size_t parts = 1;
#if !defined(__EMSCRIPTEN__)
    parts = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, std::min<std::size_t>(n, 8));
#endif
    std::vector<std::thread> helpers;
    for (std::size_t p = 1; p < parts; ++p)
        helpers.emplace_back([&, p] {
            Partition partition(squares, small);
            body(n * p / parts, n * (p + 1) / parts, partition);
        });
    Partition partition(squares, small);
    body(0, n / parts, partition);
    for (std::thread& helper : helpers) helper.join();
}

struct Scored {
    std::size_t word;
    double left;        // expected words still to find, summed by weight
    bool possible;
    double prior;
    double further = 0;  // after one more guess, where looked at
};

// The guess that leaves fewest after it, over these answers; with its expected count.
Scored best_guess(const LingoWords& words, const std::vector<std::size_t>& answers, const std::vector<bool>& is_answer,
                  Partition& partition) {
    Scored best{0, 1e300, false, 0};
    for (std::size_t g = 0; g < words.size(); ++g) {
        partition.split(words, g, answers);
        const Scored scored{g, partition.left(is_answer[g], words.prior[g], words.squares), is_answer[g], words.prior[g]};
        if (std::tie(scored.left, best.possible, best.prior) < std::tie(best.left, scored.possible, scored.prior)) best = scored;
    }
    return best;
}

}  // namespace

LingoAdvice lingo_advice(const LingoWords& words, const std::vector<std::size_t>& possible, std::uint64_t effort) {
    double total = 0;
    for (const std::size_t a : possible) total += words.prior[a];
    if (possible.size() == 1) return {possible.front(), 0};
    std::vector<bool> is_answer(words.size(), false);
    for (const std::size_t a : possible) is_answer[a] = true;

    const bool small = std::all_of(words.letters.begin(), words.letters.end(), [](std::uint8_t l) { return l < 64; });
    std::vector<Scored> scored(words.size());
    in_parts(words.size(), words.squares, small, [&](std::size_t from, std::size_t to, Partition& partition) {
        for (std::size_t g = from; g < to; ++g) {
            partition.split(words, g, possible);
            scored[g] = {g, partition.left(is_answer[g], words.prior[g], words.squares), is_answer[g], words.prior[g]};
        }
    });
    const auto better = [](const Scored& a, const Scored& b) {
        return std::tie(a.left, b.possible, b.prior, a.word) < std::tie(b.left, a.possible, a.prior, b.word);
    };
    std::sort(scored.begin(), scored.end(), better);

    // One guess further: for the best few, what the best next guess leaves in each of
    // their uitslagen.
    const std::uint64_t per_guess = std::uint64_t{words.size()} * possible.size();
    const std::size_t looked_at =
        std::min<std::size_t>({scored.size(), most_looked_further, per_guess ? effort / per_guess : 0});
    if (looked_at > 1) {
        in_parts(looked_at, words.squares, small, [&](std::size_t from, std::size_t to, Partition& partition) {
            Partition inner(words.squares, small);
            std::vector<bool> in_class(words.size(), false);
            for (std::size_t k = from; k < to; ++k) {
                Scored& guess = scored[k];
                partition.split(words, guess.word, possible);
                const std::vector<LingoCode> codes = partition.codes();
                for (const LingoCode code : codes) {
                    if (code == all_right(words.squares) && guess.possible) continue;
                    const std::vector<std::size_t> answers = lingo_left(words, possible, words.word(guess.word), code);
                    if (answers.size() == 1) continue;  // found with the next guess
                    for (const std::size_t a : answers) in_class[a] = true;
                    guess.further += best_guess(words, answers, in_class, inner).left;
                    for (const std::size_t a : answers) in_class[a] = false;
                }
            }
        });
        std::stable_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(looked_at),
                         [&](const Scored& a, const Scored& b) {
                             return std::tie(a.further, a.left, b.possible, b.prior) < std::tie(b.further, b.left, a.possible, a.prior);
                         });
    }
    return {scored.front().word, scored.front().left / total};
}

}  // namespace taalspoor
