// The choice of the word list: the standard list, or the y-version list, built from the
// standard list the first time it is chosen.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScopedValueRollback>
#include <system_error>

#include "app/main_window.h"
#include "app/window_boxes.h"
#include "app/window_events.h"
#include "wordlist/y_list_builder.h"

using namespace taalspoor;

void TForm1::show_list_in_use() {
    StandaardN1->setChecked(!state_.y_list_in_use);
    nlwrdisoindeyversie1->setChecked(state_.y_list_in_use);
    Label7->setVisible(state_.y_list_in_use);
}

void TForm1::StandaardN1Click() {
    // A build still under way is for a list the user no longer wants.
    if (building_y_list_) state_.stop_flag = true;
    use_list(false);
}

void TForm1::nlwrdisoindeyversie1Click() {
    // The build under way makes the list in use when it is done.
    if (building_y_list_) {
        show_list_in_use();
        return;
    }
    std::error_code ignored;
    if (!std::filesystem::exists(folder_ / y_list_name, ignored)) {
        boxes_->show_message(BoxKind::information,
                             "Na Ok wordt de hulpfile <nlwrdiso y-versie.v3> aangemaakt.\nEven geduld s.v.p. ...");
        if (!build_y_list_file()) {
            // Still the standard list; also when the y-version list was in use and its
            // file has gone, as no search could read it.
            use_list(false);
            return;
        }
    }
    use_list(true);
}

namespace {
// The hourglass over the whole program, gone again however the build ends.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};
}  // namespace

bool TForm1::build_y_list_file() {
    std::string failure;
    {
        const QScopedValueRollback building(building_y_list_, true);
        const WaitCursor hourglass;
        // The window stays usable meanwhile: the stop button, the check box, an edit of
        // the query or the choice of the standard list end the build.
        state_.stop_flag = false;
        try {
            return build_y_list(folder_, [this] { return state_.stop_flag; }, *events_) == YListBuild::built;
        } catch (const FileError& error) {
            failure = error.what();
        }
    }
    boxes_->show_message(BoxKind::error, failure);
    return false;
}

void TForm1::use_list(bool y_list) {
    const std::string name = y_list ? y_list_name : standard_list_name;
    // A pending page's offset points into the list it came from.
    if (name != state_.list_file_name && (state_.continuation_offset != 0 || state_.stored_query_is_page_start))
        drop_search();
    state_.list_file_name = name;
    state_.y_list_in_use = y_list;
    show_list_in_use();
}

