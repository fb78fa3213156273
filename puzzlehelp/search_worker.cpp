#include "puzzlehelp/search_worker.h"

#include <QMetaObject>

#include <new>

#include "base/file_error.h"
#include "window_support/latin1_text.h"
#include "wordlist/kept_files.h"

namespace taalspoor {

SearchWorker::SearchWorker(std::filesystem::path folder, QObject* parent) : QObject(parent), tables_(folder, std::make_shared<KeptFiles>(folder)) {}

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

void SearchWorker::deliver_failure(std::uint64_t number, const QString& message) {
    deliver(number, [this, message] { emit failed(message); });
}

void SearchWorker::start(const SolverSearch& search, SolverQuery query) {
    cancel();
    const std::uint64_t number = newest_;
    running_ = true;
    auto job = std::make_unique<Job>();
    Job* const mine = job.get();
    job->thread = std::jthread([this, mine, number, &search, query = std::move(query)] {
        // Whatever ends the search ends it here, as a line in the window: the program goes on.
        try {
            auto outcome = run_solver_query(search, query, tables_, [mine] { return mine->stop.load(); });
            if (outcome) {
                auto shared = std::make_shared<const SolverOutcome>(std::move(*outcome));
                deliver(number, [this, shared] { emit finished(shared); });
            }
        } catch (const QueryError& error) {
            deliver_failure(number, from_latin1(error.message()));
        } catch (const FileError& error) {
            deliver_failure(number, from_latin1(error.what()));
        } catch (const std::bad_alloc&) {
            deliver_failure(number, QString::fromUtf8(out_of_memory_note));
        } catch (const std::exception& error) {
            deliver_failure(number, QStringLiteral("de zoekopdracht liep vast: %1").arg(QString::fromLocal8Bit(error.what())));
        } catch (...) {
            deliver_failure(number, QStringLiteral("de zoekopdracht liep vast"));
        }
        mine->done = true;
    });
    jobs_.push_back(std::move(job));
}

}  // namespace taalspoor
