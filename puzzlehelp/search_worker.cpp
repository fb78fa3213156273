#include "puzzlehelp/search_worker.h"

#include <QMetaObject>

#include "base/file_error.h"
#include "search/puzzle_pattern.h"
#include "window_support/latin1_text.h"

namespace taalspoor {

SearchWorker::SearchWorker(std::filesystem::path folder, QObject* parent) : QObject(parent), tables_(std::move(folder)) {}

SearchWorker::~SearchWorker() {
    stop_all();
    jobs_.clear();  // joins
}

void SearchWorker::stop_all() {
    for (const auto& job : jobs_) job->stop = true;
    std::erase_if(jobs_, [](const auto& job) { return job->done.load(); });
}

void SearchWorker::cancel() {
    ++newest_;
    running_ = false;
    stop_all();
}

// Runs the answer on the window's thread, if it is still the newest search's.
void SearchWorker::deliver(std::uint64_t number, const std::function<void()>& answer) {
    QMetaObject::invokeMethod(
        this,
        [this, number, answer] {
            if (number != newest_) return;
            running_ = false;
            answer();
        },
        Qt::QueuedConnection);
}

void SearchWorker::start(SolverQuery query) {
    cancel();
    const std::uint64_t number = newest_;
    running_ = true;
    auto job = std::make_unique<Job>();
    Job* const mine = job.get();
    job->thread = std::jthread([this, mine, number, query = std::move(query)] {
        try {
            auto outcome = run_solver_query(query, tables_, [mine] { return mine->stop.load(); });
            if (outcome) {
                auto shared = std::make_shared<const SolverOutcome>(std::move(*outcome));
                deliver(number, [this, shared] { emit finished(*shared); });
            }
        } catch (const PatternError& error) {
            deliver(number, [this, message = from_latin1(error.message())] { emit failed(message); });
        } catch (const FileError& error) {
            deliver(number, [this, message = from_latin1(error.what())] { emit failed(message); });
        }
        mine->done = true;
    });
    jobs_.push_back(std::move(job));
}

}  // namespace taalspoor
