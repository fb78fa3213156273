#include "search/lingo/lingo_game.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <limits>
#include <optional>
#include <random>
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
// number below 64 (`small`): the places right and elsewhere are bit masks worked out
// without a branch (a letter is elsewhere when it is among the answer's letters not in
// their place); only a letter the guess has twice or more and marks elsewhere is counted
// out, place by place. N is the number of squares, so that the loops unroll (0: as many as
// the guess has).
template <std::size_t N>
class GuessScorer {
public:
    GuessScorer(std::span<const std::uint8_t> guess, bool small) : guess_(guess), small_(small) {
        for (std::size_t k = 0; k < guess.size() && small; ++k) letter_bit_[k] = std::uint64_t{1} << guess[k];
        for (std::size_t k = 0; k < guess.size(); ++k)
            for (std::size_t j = 0; j < guess.size(); ++j)
                if (j < k && guess[j] == guess[k]) {
                    again_ |= 1u << k;
                    earlier_same_[k] |= 1u << j;
                }
    }

    LingoCode code(const std::uint8_t* answer) const {
        const std::size_t n = N ? N : guess_.size();
        if (!small_) return lingo_code(guess_, {answer, n});
        std::uint64_t elsewhere = 0;  // the answer's letters not in their place
        unsigned right = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const unsigned same = guess_[k] == answer[k];
            right |= same << k;
            elsewhere |= static_cast<std::uint64_t>(1 - same) << answer[k];
        }
        unsigned yellow = 0;
        for (std::size_t k = 0; k < n; ++k)
            yellow |= static_cast<unsigned>((elsewhere & letter_bit_[k]) != 0) << k;
        yellow &= ~right;
        if (again_ & yellow) yellow = counted_out(answer, right, yellow);
        return 2 * code_of_places[right] + code_of_places[yellow];
    }

private:
    // A letter the guess has twice is elsewhere only as often as the answer has it in the
    // places not right: the places after that are absent. (Its first place not right is
    // elsewhere whenever the answer has the letter elsewhere.)
    unsigned counted_out(const std::uint8_t* answer, unsigned right, unsigned yellow) const {
        for (std::size_t k = 0; k < guess_.size(); ++k) {
            if (!((again_ & yellow) >> k & 1)) continue;
            unsigned in_answer = 0;
            for (std::size_t j = 0; j < guess_.size(); ++j) in_answer += !(right >> j & 1) && answer[j] == guess_[k];
            const auto taken = static_cast<unsigned>(std::popcount(earlier_same_[k] & ~right));
            if (in_answer <= taken) yellow &= ~(1u << k);
        }
        return yellow;
    }

    // The uitslag of a set of places, each marked elsewhere (1); twice that, each right.
    static constexpr std::array<LingoCode, 1u << longest_lingo_word> code_of_places = [] {
        std::array<LingoCode, 1u << longest_lingo_word> codes{};
        for (unsigned places = 0; places < codes.size(); ++places)
            for (LingoCode k = 0, power = 1; k < longest_lingo_word; ++k, power *= 3)
                if (places >> k & 1) codes[places] += power;
        return codes;
    }();

    std::span<const std::uint8_t> guess_;
    bool small_;
    unsigned again_ = 0;  // the places whose letter the guess has in an earlier place too
    std::array<unsigned, longest_lingo_word> earlier_same_{};  // for each place, the places before it with its letter
    std::array<std::uint64_t, longest_lingo_word> letter_bit_{};  // each place's letter as a bit, when small
};

// The uitslagen of one guess over a set of answers: how many answers and how much
// weight each gives. Kept between guesses, emptied where it was filled.
class Partition {
public:
    Partition(std::size_t squares, bool small)
        : small_(small), count_(all_right(squares) + 1, 0), mass_(count_.size(), 0), touched_(count_.size()) {}

    // The words still to find after the guess, summed over the answers by weight: a class
    // of k answers leaves k for each, the guess itself (when it is one) none. A sum that
    // grows past `bound` is left there, as no more answers can make it smaller: nullopt.
    std::optional<double> left(const LingoWords& words, std::size_t guess, bool guess_is_an_answer,
                               const LingoWords& answers, double bound) {
        switch (words.squares) {
            case 5: return left_of<5>(words, guess, guess_is_an_answer, answers, bound);
            case 6: return left_of<6>(words, guess, guess_is_an_answer, answers, bound);
            case 7: return left_of<7>(words, guess, guess_is_an_answer, answers, bound);
            case 8: return left_of<8>(words, guess, guess_is_an_answer, answers, bound);
            default: return left_of<0>(words, guess, guess_is_an_answer, answers, bound);
        }
    }

private:
    template <std::size_t N>
    std::optional<double> left_of(const LingoWords& words, std::size_t guess, bool guess_is_an_answer,
                                  const LingoWords& answers, double bound) {
        clear();
        const GuessScorer<N> scorer(words.word(guess), small_);
        const std::uint8_t* letters = answers.letters.data();
        const std::size_t n = words.squares;
        // Adding an answer of weight p to a class of k answers and weight m adds
        // (m + p)(k + 1) - m k = m + p k + p to the sum.
        double sum = guess_is_an_answer ? -words.prior[guess] : 0;
        std::size_t since_check = 0;
        for (std::size_t a = 0; a < answers.size(); ++a) {
            const LingoCode code = scorer.code(letters + a * n);
            const double p = answers.prior[a];
            touched_[touched_count_] = code;  // kept only when the class was empty
            touched_count_ += count_[code] == 0;
            sum += mass_[code] + p * count_[code] + p;
            ++count_[code];
            mass_[code] += p;
            if (++since_check == 64) {
                since_check = 0;
                if (sum > bound) return std::nullopt;
            }
        }
        return sum;
    }

    void clear() {
        for (std::size_t k = 0; k < touched_count_; ++k) count_[touched_[k]] = 0, mass_[touched_[k]] = 0;
        touched_count_ = 0;
    }
    bool small_;
    std::vector<std::uint32_t> count_;
    std::vector<double> mass_;
    std::vector<LingoCode> touched_;  // the classes filled, the first touched_count_ of them
    std::size_t touched_count_ = 0;
};

constexpr std::size_t most_parts = 8;

// Runs body(from, to, partition, part) over [0, n) in a part for each core (at most
// most_parts), each with a partition of its own; in one part where there are no threads
// (the web page's module).
template <class Body>
void in_parts(std::size_t n, std::size_t squares, bool small, Body body) {
    std::size_t parts = 1;
#if !defined(__EMSCRIPTEN__)
    if (n >= 256) parts = std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, most_parts);
#endif
    std::vector<std::thread> helpers;
    for (std::size_t p = 1; p < parts; ++p)
        helpers.emplace_back([&, p] {
            Partition partition(squares, small);
            body(n * p / parts, n * (p + 1) / parts, partition, p);
        });
    Partition partition(squares, small);
    body(0, n / parts, partition, 0);
    for (std::thread& helper : helpers) helper.join();
}

struct Scored {
    std::size_t word;
    double left;        // expected words still to find, summed by weight
    bool possible;
    double prior;
};

}  // namespace

std::optional<LingoAdvice> lingo_advice(const LingoWords& words, const std::vector<std::size_t>& possible,
                                        const std::function<bool()>& should_stop) {
    double total = 0;
    for (const std::size_t a : possible) total += words.prior[a];
    if (possible.size() == 1) return LingoAdvice{possible.front(), 0};
    std::vector<bool> is_answer(words.size(), false);
    for (const std::size_t a : possible) is_answer[a] = true;
    const bool small = std::all_of(words.letters.begin(), words.letters.end(), [](std::uint8_t l) { return l < 64; });

    // Most guesses are left after a part of the answers once a good one is known: the
    // answers in a mixed order, so that a part sums like the whole, and first the guesses
    // whose letters most answers hold, which tend to be good.
    std::vector<std::size_t> mixed = possible;
    std::mt19937 mix(20261210);
    std::shuffle(mixed.begin(), mixed.end(), mix);
    LingoWords answers{.squares = words.squares};  // one after the other, as they are read
    for (const std::size_t a : mixed) {
        const auto word = words.word(a);
        answers.letters.insert(answers.letters.end(), word.begin(), word.end());
        answers.prior.push_back(words.prior[a]);
    }
    std::vector<std::uint32_t> holding(256, 0);
    for (const std::size_t a : possible) {
        std::array<bool, 256> seen{};
        for (const std::uint8_t letter : words.word(a))
            if (!seen[letter]) seen[letter] = true, ++holding[letter];
    }
    std::vector<std::pair<std::uint64_t, std::size_t>> promise(words.size());
    for (std::size_t g = 0; g < words.size(); ++g) {
        std::array<bool, 256> seen{};
        std::uint64_t held = 0;
        for (const std::uint8_t letter : words.word(g))
            if (!seen[letter]) seen[letter] = true, held += holding[letter];
        promise[g] = {held, g};
    }
    std::sort(promise.begin(), promise.end(), std::greater<>());

    const auto better = [](const Scored& a, const Scored& b) {
        return std::tie(a.left, b.possible, b.prior, a.word) < std::tie(b.left, a.possible, a.prior, b.word);
    };
    // The best of the first few, worked out whole, bounds the others.
    constexpr std::size_t first_few = 16;
    Partition partition(words.squares, small);
    Scored best{0, std::numeric_limits<double>::infinity(), false, 0};
    for (std::size_t k = 0; k < std::min(first_few, promise.size()); ++k) {
        const std::size_t g = promise[k].second;
        const auto left = partition.left(words, g, is_answer[g], answers, best.left * (1 + 1e-12));
        if (!left) continue;
        const Scored scored{g, *left, is_answer[g], words.prior[g]};
        if (better(scored, best)) best = scored;
    }
    // A guess may equal the best and win on its ties: only one that is surely worse is left.
    // The bound shrinks as any part finds a better guess.
    std::atomic<double> bound = best.left * (1 + 1e-12);
    std::vector<Scored> bests(most_parts, best);  // the best of each part
    // The first part asks should_stop() now and then and tells the others.
    std::atomic<bool> stopped = false;
    in_parts(words.size(), words.squares, small, [&](std::size_t from, std::size_t to, Partition& own, std::size_t part) {
        for (std::size_t k = from; k < to; ++k) {
            if ((k - from) % 64 == 0) {
                if (part == 0 && should_stop && should_stop()) stopped = true;
                if (stopped.load(std::memory_order_relaxed)) return;
            }
            const std::size_t g = promise[k].second;
            const auto left = own.left(words, g, is_answer[g], answers, bound.load(std::memory_order_relaxed));
            if (!left) continue;
            const Scored scored{g, *left, is_answer[g], words.prior[g]};
            if (!better(scored, bests[part])) continue;
            bests[part] = scored;
            const double tighter = scored.left * (1 + 1e-12);
            for (double now = bound.load(); tighter < now && !bound.compare_exchange_weak(now, tighter);) {}
        }
    });
    if (stopped) return std::nullopt;
    best = *std::min_element(bests.begin(), bests.end(), better);
    return LingoAdvice{best.word, best.left / total};
}

}  // namespace taalspoor
