#pragma once
// Runs the searches of the Puzzelhulp window on threads of their own, so that the window
// answers every event while one runs. A newer search tells the older one to stop, and
// only the answer of the newest reaches the window.

#include <QObject>
#include <QString>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "search/solver_table/solver_table.h"

namespace taalspoor {

class SearchWorker : public QObject {
    Q_OBJECT
public:
    explicit SearchWorker(std::filesystem::path folder, QObject* parent = nullptr);
    // Stops every search and waits for it: they stop within a block of the list.
    ~SearchWorker() override;

    // Starts the search; one still running is told to stop, and its answer never comes.
    void start(const SolverSearch& search, SolverQuery query);
    // Stops the running search; no answer comes.
    void cancel();
    bool running() const { return running_; }

signals:
    // The answer is shared, not copied: it may hold millions of letters.
    void finished(std::shared_ptr<const taalspoor::SolverOutcome> outcome);
    // A pattern the search refuses, a file it cannot read, too little memory: whatever
    // ended the search, in a line for the window.
    void failed(const QString& message);

private:
    struct Job {
        std::atomic<bool> stop{false};
        std::atomic<bool> done{false};
        std::jthread thread;
    };
    void stop_all();
    void deliver(std::uint64_t number, const std::function<void()>& answer);
    void deliver_failure(std::uint64_t number, const QString& message);

    SolverTables tables_;
    std::vector<std::unique_ptr<Job>> jobs_;
    std::uint64_t newest_ = 0;
    bool running_ = false;
};

}  // namespace taalspoor
