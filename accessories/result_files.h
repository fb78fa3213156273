#pragma once
// Result files: the lines of the result list kept in a text file, such a file (or any
// text file) loaded back into the list, and a file deleted.

#include "window_support/result_file_saving.h"

class QPlainTextEdit;

namespace taalspoor {

class UserDialogs;

// The three entries of the result menu. A failure shows an error box and leaves the
// list and the file on disk as they were.
void save_result(const QPlainTextEdit& memo, FileDialogs& files, UserDialogs& boxes,
                 WriteLayer& layer = system_write_layer());
void load_result(QPlainTextEdit& memo, FileDialogs& files, UserDialogs& boxes);
void delete_chosen_file(FileDialogs& files, UserDialogs& boxes);

}  // namespace taalspoor
