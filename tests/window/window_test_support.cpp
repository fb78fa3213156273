#include "window_test_support.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <fstream>

#include "window_support/latin1_text.h"
#include "search/modes/search_driver.h"
#include "search/modes/search_state.h"

namespace taalspoor::window_testing {

void AnsweringBoxes::show_message(BoxKind kind, std::string_view text) {
    shown.push_back({kind, std::string(text)});
    if (while_shown) while_shown();
}

bool AnsweringBoxes::ask_yes_no(BoxKind kind, std::string_view text) {
    shown.push_back({kind, std::string(text)});
    if (while_shown) while_shown();
    if (yes_no_answers.empty()) return false;
    const bool answer = yes_no_answers.front();
    yes_no_answers.pop_front();
    return answer;
}

std::optional<std::string> AnsweringBoxes::ask_text(std::string_view caption, std::string_view prompt,
                                                    std::string_view initial) {
    questions.emplace_back(prompt);
    asked.push_back({std::string(caption), std::string(prompt), std::string(initial)});
    if (while_shown) while_shown();
    if (text_answers.empty()) return std::nullopt;
    auto answer = text_answers.front();
    text_answers.pop_front();
    return answer;
}

std::vector<std::string> AnsweringBoxes::texts() const {
    std::vector<std::string> out;
    for (const Shown& box : shown) out.push_back(box.text);
    return out;
}

WorkingFolder::WorkingFolder(DataFiles files) {
    if (files == DataFiles::none) return;
    std::filesystem::create_symlink(std::filesystem::path(TAALSPOOR_DATA_DIR) / standard_list_name,
                                    path() / standard_list_name);
    if (files == DataFiles::list_only) return;
    if (files == DataFiles::all_and_tables)
        for (const char* table : {word_counts_name, ij_exceptions_name})
            std::filesystem::create_symlink(std::filesystem::path(TAALSPOOR_DATA_DIR) / table, path() / table);
    write("taalhelp16.txt", "Taalspoor\r\n");
    write("lumman.wav", "RIFF");
}

std::filesystem::path WorkingFolder::path() const { return dir_.path().toStdString(); }

void WorkingFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(path() / name, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool WorkingFolder::holds(const std::string& name) const {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::symlink_status(path() / name, ec));
}

void WorkingFolder::remove(const std::string& name) const { std::filesystem::remove(path() / name); }

// What the windows keep between runs (the Puzzelhulp's size, its rack) goes to a scratch
// place, and each program starts without it.
WorkingFolder& without_kept_settings(WorkingFolder& folder) {
    QStandardPaths::setTestModeEnabled(true);
    QSettings(QStringLiteral("Taalspoor"), QStringLiteral("Puzzelhulp")).clear();
    return folder;
}

Program::Program(DataFiles files) : folder(files), form(std::make_unique<TForm1>(boxes, without_kept_settings(folder).path())) {
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("the main window did not become active");
}

void Program::search(const QString& text) {
    form->Edit1->setText(text);
    press_start();
}

void Program::press_start() { form->startbtn->click(); }

QStringList Program::memo_lines() const {
    const QString text = form->Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old_); }

void type_text(QWidget* widget, const QString& text) {
    for (const uint c : text.toUcs4()) {
        const QString typed = QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, typed);
        QCoreApplication::sendEvent(widget, &release);
    }
}

void when_events_run(std::function<void()> action) {
    QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
}

namespace {
class PageCollector final : public ResultSink {
public:
    void append_line(std::string_view line) override { lines.append(from_latin1(line)); }
    void page_full() override { full = true; }
    QStringList lines;
    bool full = false;
};
class NoBoxes final : public UserDialogs {
public:
    void show_message(BoxKind, std::string_view) override {}
    bool ask_yes_no(BoxKind, std::string_view) override { return false; }
    std::optional<std::string> ask_text(std::string_view, std::string_view, std::string_view) override { return {}; }
};
}  // namespace

QStringList engine_list_words(const std::filesystem::path& folder, Mode mode, const std::string& query,
                              bool case_sensitive) {
    SearchState state;
    state.chosen_mode = mode;
    state.case_sensitive = case_sensitive;
    state.stored_query = query;
    NoBoxes boxes;
    NoEvents events;
    QStringList words;
    for (;;) {
        PageCollector page;
        SearchContext ctx{state, page, boxes, events, folder};
        run_dispatch(ctx, Dispatch::mode_driver);
        words += list_part(page.lines);
        if (!page.full) return words;
    }
}

QStringList list_part(const QStringList& lines) {
    const qsizetype separator = lines.indexOf(QStringLiteral("   ==="));
    return separator < 0 ? lines : lines.mid(0, separator);
}

QStringList own_part(const QStringList& lines) {
    const qsizetype separator = lines.indexOf(QStringLiteral("   ==="));
    return separator < 0 ? QStringList() : lines.mid(separator + 1);
}

}  // namespace taalspoor::window_testing
