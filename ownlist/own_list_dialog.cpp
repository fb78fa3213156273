#include "ownlist/own_list_dialog.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QWindow>
#include <optional>

#include "ownlist/engine/own_list_file.h"
#include "search/modes/search_state.h"
#include "window_support/latin1_text.h"
#include "window_support/pixel_font.h"

using namespace taalspoor;

namespace {

constexpr int dialog_width = 374;
constexpr int dialog_height = 251;
constexpr QPoint dialog_position{5, 30};
constexpr int panel_height = 26;
constexpr int item_height = 14;

// Every line of the list is one item of the same height, however the font measures.
class FixedHeightItems final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), item_height};
    }
};

// The item keeps the line's bytes: what is shown may not say which bytes the file holds.
constexpr int line_bytes_role = Qt::UserRole;

std::string bytes_of(const QListWidgetItem& item) {
    const QByteArray bytes = item.data(line_bytes_role).toByteArray();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

std::string known_word_warning(const std::string& word) {
    return "Het woord \n       <" + word + ">\nstaat al in de Standaardlijst \nof in de Extralijst.\n\n"
           "Het wordt daarom niet geaccepteerd.";
}

}  // namespace

Tlijstdlg::Tlijstdlg(QWidget* parent, const SearchContext& search) : QDialog(parent), search_(search) {
    setObjectName(QStringLiteral("lijstdlg"));
    setWindowTitle(QStringLiteral("Eigen lijst"));
    setFont(pixel_font(QStringLiteral("Courier New"), 11));
    resize(dialog_width, dialog_height);
    move(dialog_position);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    ListBox1->setItemDelegate(new FixedHeightItems(ListBox1));
    ListBox1->installEventFilter(this);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(panel_height);
    Panel1->setFont(pixel_font(QStringLiteral("Arial"), 11));

    toevoegbtn = new QPushButton(QStringLiteral("Woord toevoegen"), Panel1);
    toevoegbtn->setObjectName(QStringLiteral("toevoegbtn"));
    toevoegbtn->setGeometry(3, 3, 98, 21);
    // Enter in the list is no request to add a word.
    toevoegbtn->setAutoDefault(false);
    connect(toevoegbtn, &QPushButton::clicked, this, &Tlijstdlg::toevoegbtnClick);

    Label1 = new QLabel(QStringLiteral(" Verwijder een woord: -Selecteer en toets Delete"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(115, 7);
    Label1->adjustSize();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ListBox1);
    layout->addWidget(Panel1);
}

std::vector<std::string> Tlijstdlg::items() const {
    std::vector<std::string> lines;
    for (int i = 0; i < ListBox1->count(); ++i) lines.push_back(bytes_of(*ListBox1->item(i)));
    return lines;
}

std::optional<std::string> Tlijstdlg::fill_list() {
    ListBox1->clear();
    std::vector<std::string> lines;
    try {
        lines = read_own_list_file(search_.folder);
    } catch (const FileError& error) {
        list_read_ = false;
        return error.what();
    }
    list_read_ = true;
    sort_for_display(lines);
    for (const std::string& line : lines) {
        auto* item = new QListWidgetItem(from_latin1(line), ListBox1);
        item->setData(line_bytes_role, QByteArray(line.data(), static_cast<qsizetype>(line.size())));
    }
    return std::nullopt;
}

void Tlijstdlg::maaklijst() {
    if (const auto failure = fill_list()) search_.dialogs.show_message(BoxKind::error, *failure);
}

// Runs whenever the dialog becomes the active window, also after each of its boxes. A
// file that cannot be read was reported when the dialog opened; saying so after every
// box would bring the box back for ever.
void Tlijstdlg::FormActivate() { fill_list(); }

bool Tlijstdlg::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(event);
}

// The native window exists only once shown; installing the key preview again changes nothing.
void Tlijstdlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWindow* window = windowHandle()) window->installEventFilter(this);
}

bool Tlijstdlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == windowHandle() && FormKeyDown(key)) return true;
        if (watched == ListBox1 && key.key() == Qt::Key_Delete) {
            ListBox1KeyDown();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Sees every key of the dialog before its controls do; the keys it acts on go no further.
bool Tlijstdlg::FormKeyDown(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Escape:
            reject();
            return true;
        case Qt::Key_W:  // with or without Shift, Ctrl or Alt
            toevoegbtnClick();
            return true;
        default:
            return false;
    }
}

void Tlijstdlg::toevoegbtnClick() {
    if (adding_) return;
    const QScopedValueRollback adding(adding_, true);

    const std::string word = search_.dialogs.ask_text("Eigen toevoeging", "Vul in", "").value_or(std::string());
    if (word.empty() || word.front() == ' ') return;
    if (!own_list_can_hold(word)) {
        search_.dialogs.show_message(BoxKind::warning, unstorable_word_warning);
        return;
    }
    try {
        // The check clears the stop flag it shares with the searches; a stop asked of a
        // search this dialog has suspended must survive it.
        const bool stop_asked = search_.state.stop_flag;
        const bool known = dubbelcontrole(search_, word);
        const bool check_cut_short = search_.state.stop_flag;
        search_.state.stop_flag = stop_asked || check_cut_short;
        // A check that did not read to the end proves nothing: the word is not added.
        if (check_cut_short) return;
        if (known) {
            search_.dialogs.show_message(BoxKind::warning, known_word_warning(word));
            return;
        }
        append_own_word(search_.folder, word);
    } catch (const FileError& error) {
        search_.dialogs.show_message(BoxKind::error, error.what());
        return;
    }
    maaklijst();
}

void Tlijstdlg::ListBox1KeyDown() {
    // An empty list has no word to offer.
    if (ListBox1->count() == 0) return;
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    const int index = selected.isEmpty() ? 0 : ListBox1->row(selected.front());
    const std::string word = bytes_of(*ListBox1->item(index));
    // The list may be refilled while the question is up, when the dialog becomes active
    // again; it then holds the same lines in the same order, so the index still holds.
    if (search_.dialogs.ask_yes_no(BoxKind::confirmation, "Het woord <" + word + "> verwijderen?") &&
        index < ListBox1->count())
        delete ListBox1->takeItem(index);
    rewrite_from_list();
}

void Tlijstdlg::done(int result) {
    if (isVisible()) FormClose();
    QDialog::done(result);
}

void Tlijstdlg::FormClose() {
    if (list_read_) rewrite_from_list();
}

void Tlijstdlg::rewrite_from_list() {
    try {
        rewrite_own_list(search_.folder, items());
    } catch (const FileError& error) {
        search_.dialogs.show_message(BoxKind::error, error.what());
    }
}
