// The Puzzelhulp window on the real widgets, offscreen: from the end of the pause in
// typing (Enter ends it at once) to the first results painted in the list.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>
#include <optional>

#include "puzzlehelp/puzzle_help_window.h"
#include "puzzlehelp/result_rows_model.h"
#include "search/modes/front_end.h"

namespace {

using namespace taalspoor;

class SilentBoxes final : public UserDialogs {
public:
    void show_message(BoxKind, std::string_view) override {}
    bool ask_yes_no(BoxKind, std::string_view) override { return false; }
    std::optional<std::string> ask_text(std::string_view, std::string_view, std::string_view) override { return {}; }
};

void time_to_results(benchmark::State& state, const char* search, const QString& query) {
    SilentBoxes boxes;
    PuzzleHelpWindow window(TAALSPOOR_DATA_DIR, boxes);
    window.show();
    window.choice_of(search)->setChecked(true);
    std::size_t found = 0;
    bool blank = false;
    // A search before the timed ones: the wordplay searches read their lexicon once a
    // window, at the first search.
    {
        QEventLoop shown;
        QObject::connect(&window, &PuzzleHelpWindow::results_shown, &shown, &QEventLoop::quit);
        window.query_field->setText(query);
        QTest::keyClick(window.query_field, Qt::Key_Return);
        shown.exec();
    }
    for (auto _ : state) {
        // Another text each time, the same search: the pattern and the letters pass over blanks.
        window.query_field->setText(blank ? query + QLatin1Char(' ') : query);
        blank = !blank;
        QEventLoop shown;
        QObject::connect(&window, &PuzzleHelpWindow::results_shown, &shown, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(window.query_field, Qt::Key_Return);
        shown.exec();
        window.results->viewport()->repaint();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        found = window.rows().all_rows().size();
    }
    state.counters["words"] = static_cast<double>(found);
}

void BM_window_pattern_whole_list(benchmark::State& s) { time_to_results(s, "patroon", QStringLiteral("*heid")); }
void BM_window_pattern_seven_squares(benchmark::State& s) { time_to_results(s, "patroon", QStringLiteral("???????")); }
void BM_window_words_from_nine_letters(benchmark::State& s) { time_to_results(s, "uit", QStringLiteral("aeinrstlo")); }
void BM_window_hidden_words(benchmark::State& s) { time_to_results(s, "verborgen", QStringLiteral("Zij kwam na de regen thuis")); }
void BM_window_reversals(benchmark::State& s) { time_to_results(s, "omkeringen", QStringLiteral("bar?")); }
void BM_window_words_in_parts(benchmark::State& s) { time_to_results(s, "delen", QStringLiteral("pa*ma")); }
void BM_window_insertions(benchmark::State& s) { time_to_results(s, "invoegingen", QStringLiteral("t*l")); }
void BM_window_omissions(benchmark::State& s) { time_to_results(s, "weglatingen", QStringLiteral("sch*")); }
void BM_window_sound_alikes(benchmark::State& s) { time_to_results(s, "klinkt-als", QStringLiteral("reis")); }
BENCHMARK(BM_window_pattern_whole_list)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_pattern_seven_squares)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_words_from_nine_letters)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_hidden_words)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_reversals)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_words_in_parts)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_insertions)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_omissions)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_window_sound_alikes)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
