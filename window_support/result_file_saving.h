#pragma once
// What the windows share of result files: the file dialogs, which go through FileDialogs
// so that the choice can come from elsewhere than a person, and the writing of lines as
// a result file, whole or not at all.

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "wordlist/file_writing.h"

class QWidget;

namespace taalspoor {

class UserDialogs;

enum class FileDialogPurpose { save, open };

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The name of the chosen file as the dialog gives it; nullopt when cancelled.
    virtual std::optional<QString> choose_file(FileDialogPurpose purpose, const QString& title) = 0;
};

// Qt's file dialogs, with the two filter choices and the default extension; each opens
// in the folder the previous one ended in.
class PlatformFileDialogs final : public FileDialogs {
public:
    PlatformFileDialogs(QWidget* owner, QString start_folder);
    std::optional<QString> choose_file(FileDialogPurpose purpose, const QString& title) override;

private:
    QWidget* owner_;
    QString folder_;
};

inline const QStringList result_file_filters{QStringLiteral("tekst-files (*.txt)"), QStringLiteral("alles (*.*)")};
inline const QString result_file_extension = QStringLiteral("txt");

// The name with ".txt" behind it when its file name has no extension.
QString with_default_extension(const QString& name);

// The lines, each ended by carriage return and line feed, in ISO 8859-1.
std::string result_file_bytes(const QStringList& lines);

// Asks for a file with the title of the result menu's "Bewaren" and writes the lines
// into it as a result file. A file of the program's own (the own list, a word list, the
// counts) is refused, and an existing file replaced only after a Yes. A failure shows an
// error box and leaves the file on disk as it was.
void save_lines_as_result(const QStringList& lines, FileDialogs& files, UserDialogs& boxes,
                          WriteLayer& layer = system_write_layer());

}  // namespace taalspoor
