#include "window_support/result_file_saving.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <filesystem>

#include "base/file_names.h"
#include "search/modes/front_end.h"
#include "window_support/latin1_text.h"

namespace taalspoor {

PlatformFileDialogs::PlatformFileDialogs(QWidget* owner, QString start_folder)
    : owner_(owner), folder_(std::move(start_folder)) {}

std::optional<QString> PlatformFileDialogs::choose_file(FileDialogPurpose purpose, const QString& title) {
    QFileDialog dialog(owner_, title, folder_);
    dialog.setNameFilters(result_file_filters);
    dialog.setDefaultSuffix(result_file_extension);
    if (purpose == FileDialogPurpose::save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Saving asks itself before it replaces a file, in the program's own words.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    folder_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().constFirst();
}

QString with_default_extension(const QString& name) {
    if (QFileInfo(name).fileName().contains(QLatin1Char('.'))) return name;
    return name + QLatin1Char('.') + result_file_extension;
}

std::string result_file_bytes(const QStringList& lines) {
    std::string bytes;
    for (const QString& line : lines) bytes += to_latin1(line) + "\r\n";
    return bytes;
}

void save_lines_as_result(const QStringList& lines, FileDialogs& files, UserDialogs& boxes, WriteLayer& layer) {
    const std::optional<QString> chosen = files.choose_file(FileDialogPurpose::save, QStringLiteral("Opbergen van het zoekresultaat"));
    if (!chosen) return;
    const QFileInfo file(with_default_extension(*chosen));
    const QString name = file.absoluteFilePath();
    // The own list and the program's data are never replaced by a result; any other file
    // only when the user says so.
    if (is_program_file_name(to_latin1(file.fileName()))) {
        boxes.show_message(BoxKind::warning, "<" + to_latin1(file.fileName()) +
                                                 "> is een bestand van Taalspoor zelf en wordt niet vervangen door "
                                                 "een zoekresultaat. Kies een andere naam.");
        return;
    }
    if (file.exists() &&
        !boxes.ask_yes_no(BoxKind::confirmation, "Het bestand <" + to_latin1(name) + "> bestaat al. Wilt u het vervangen?"))
        return;
    try {
        replace_file_whole(QFile::encodeName(name).toStdString(), result_file_bytes(lines), to_latin1(name), layer);
    } catch (const FileError& error) {
        boxes.show_message(BoxKind::error, error.what());
    }
}

}  // namespace taalspoor
