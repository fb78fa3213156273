#include "accessories/result_files.h"

#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <filesystem>
#include <system_error>

#include "accessories/text_file.h"
#include "window_support/latin1_text.h"
#include "search/modes/front_end.h"
#include "wordlist/file_writing.h"

namespace taalspoor {

namespace {

std::filesystem::path file_path(const QString& name) { return QFile::encodeName(name).toStdString(); }

QString full_name(const QString& name) { return QFileInfo(name).absoluteFilePath(); }

// A name typed without extension means the text file of that name, unless a file of
// exactly that name is what was picked.
std::optional<QString> existing_file_choice(FileDialogs& files, const QString& title) {
    const std::optional<QString> chosen = files.choose_file(FileDialogPurpose::open, title);
    if (!chosen) return std::nullopt;
    if (QFileInfo::exists(*chosen)) return full_name(*chosen);
    return full_name(with_default_extension(*chosen));
}

}  // namespace

void save_result(const QPlainTextEdit& memo, FileDialogs& files, UserDialogs& boxes, WriteLayer& layer) {
    const QString text = memo.toPlainText();
    save_lines_as_result(text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n')), files, boxes, layer);
}

void load_result(QPlainTextEdit& memo, FileDialogs& files, UserDialogs& boxes) {
    const std::optional<QString> name = existing_file_choice(files, QStringLiteral("Zoekresultaat opvragen"));
    if (!name) return;
    try {
        // Read whole before the list changes, so that a failure leaves it as it was.
        const QStringList lines = read_text_file_lines(file_path(*name), to_latin1(*name));
        memo.setPlainText(lines.join(QLatin1Char('\n')));
    } catch (const FileError& error) {
        boxes.show_message(BoxKind::error, error.what());
    }
}

void delete_chosen_file(FileDialogs& files, UserDialogs& boxes) {
    const std::optional<QString> name = existing_file_choice(files, QStringLiteral("File verwijderen"));
    if (!name) return;
    const std::string shown_name = to_latin1(*name);
    if (!boxes.ask_yes_no(BoxKind::information, "Wilt U file " + shown_name + " echt wissen?")) return;
    std::error_code error;
    if (!std::filesystem::remove(file_path(*name), error) && !error)
        error = std::make_error_code(std::errc::no_such_file_or_directory);
    if (error) boxes.show_message(BoxKind::error, FileError(shown_name, FileAction::remove, error.value()).what());
}

}  // namespace taalspoor
