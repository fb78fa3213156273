#include "puzzlehelp/puzzle_help_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "puzzlehelp/board_page.h"
#include "puzzlehelp/kept_settings.h"
#include "puzzlehelp/lingo_page.h"
#include "puzzlehelp/result_rows_model.h"
#include "puzzlehelp/search_worker.h"
#include "puzzlehelp/solver_option_controls.h"
#include "window_support/latin1_text.h"
#include "window_support/result_file_saving.h"

namespace taalspoor {

namespace {

template <class Control>
Control* named(Control* control, const char* name, const QString& tip) {
    control->setObjectName(QString::fromLatin1(name));
    control->setToolTip(tip);
    return control;
}

QString number(std::uint64_t n) { return QLocale(QLocale::Dutch).toString(static_cast<qulonglong>(n)); }

}  // namespace

PuzzleHelpWindow::PuzzleHelpWindow(std::filesystem::path folder, UserDialogs& boxes, QWidget* parent)
    : QDialog(parent), folder_(std::move(folder)), boxes_(boxes) {
    setObjectName(QStringLiteral("Puzzelhulp"));
    setWindowTitle(QStringLiteral("Puzzelhulp"));
    setModal(false);
    setSizeGripEnabled(true);
    model_ = new ResultRowsModel(this);
    worker_ = new SearchWorker(folder_, this);
    build_controls();
    show_options_of_search();

    pause_.setSingleShot(true);
    pause_.setInterval(pause_ms);
    connect(&pause_, &QTimer::timeout, this, &PuzzleHelpWindow::start_search);
    connect(worker_, &SearchWorker::finished, this, &PuzzleHelpWindow::show_outcome);
    connect(worker_, &SearchWorker::failed, this, &PuzzleHelpWindow::show_error);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &PuzzleHelpWindow::update_count_line);
}

QSize PuzzleHelpWindow::first_size(const QRect& room) {
    // Tall enough for a long answer, wide enough for an explanation beside its word.
    const int width = std::clamp(room.width() * 11 / 20, std::min(760, room.width() * 9 / 10), room.width() * 9 / 10);
    return {width, room.height() * 17 / 20};
}

PuzzleHelpWindow::~PuzzleHelpWindow() {
    // While the dialog part goes, hiding it may still lay out the list and load rows:
    // nothing may reach the slots of a window that is half gone. The searches are
    // stopped and waited for first.
    delete worker_;
    disconnect(model_, nullptr, this, nullptr);
}

// Two pages: the searches of the solver table, and the Lingo helper's grid. On the first,
// the question above and the answer below, with a splitter between them; the options
// fold into one line that says what they are set to, so that the answer has the room.
void PuzzleHelpWindow::build_controls() {
    pages = new QTabWidget(this);
    (new QVBoxLayout(this))->addWidget(pages);
    auto* search_page = new QWidget(pages);
    auto* page_layout = new QVBoxLayout(search_page);
    page_layout->setContentsMargins(4, 4, 4, 4);
    lingo_page = new LingoPage(folder_, pages);
    pages->addTab(search_page, QStringLiteral("Zoeken"));
    pages->addTab(lingo_page, QStringLiteral("Lingo"));
    board_page = new BoardPage(folder_, boxes_, pages);
    board_page->set_file_dialogs(file_dialogs());
    pages->addTab(board_page, QStringLiteral("Bord"));
    // Ctrl+Tab goes to the next page wherever the focus is, also in a control that takes
    // the key itself (a list to choose from).
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)}) {
        auto* shortcut = new QShortcut(keys, this);
        const bool forward = keys[0].key() == Qt::Key_Tab;
        connect(shortcut, &QShortcut::activated, this, [this, forward] {
            pages->setCurrentIndex((pages->currentIndex() + (forward ? 1 : pages->count() - 1)) % pages->count());
        });
    }

    splitter = new QSplitter(Qt::Vertical, search_page);
    splitter->setChildrenCollapsible(false);
    page_layout->addWidget(splitter);
    auto* question = new QWidget(splitter);
    auto* layout = new QVBoxLayout(question);
    layout->setContentsMargins(0, 0, 0, 0);
    build_search_choice(*layout);
    build_query_field(*layout);
    build_options(*layout);
    layout->addStretch();
    auto* answer = new QWidget(splitter);
    auto* answer_layout = new QVBoxLayout(answer);
    answer_layout->setContentsMargins(0, 0, 0, 0);
    build_results(*answer_layout);
    splitter->addWidget(question);
    splitter->addWidget(answer);
    splitter->setStretchFactor(1, 1);
    build_buttons(*page_layout);
}

void PuzzleHelpWindow::build_options(QBoxLayout& layout) {
    options_fold = named(new QToolButton(this), "options_fold", QStringLiteral("Toont of verbergt de opties van de zoekopdracht"));
    options_fold->setCheckable(true);
    options_fold->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    options_fold->setArrowType(Qt::RightArrow);
    options_fold->setAutoRaise(true);
    options_fold->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout.addWidget(options_fold);
    options_box = new QWidget(this);
    options_box->setObjectName(QStringLiteral("options_box"));
    auto* form = new QFormLayout(options_box);
    form->setContentsMargins(24, 0, 0, 0);
    options_ = new SolverOptionControls(*form, *this);
    options_box->hide();
    layout.addWidget(options_box);
    connect(options_, &SolverOptionControls::changed, this, &PuzzleHelpWindow::query_changed);
    connect(options_, &SolverOptionControls::changed, this, &PuzzleHelpWindow::update_options_line);
    connect(options_fold, &QToolButton::toggled, this, [this](bool open) {
        options_box->setVisible(open);
        options_fold->setArrowType(open ? Qt::DownArrow : Qt::RightArrow);
    });
}

void PuzzleHelpWindow::update_options_line() {
    const QString summary = options_->summary();
    options_fold->setText(summary.isEmpty() ? QStringLiteral("Opties") : QStringLiteral("Opties: %1").arg(summary));
}

// The searches in rows of five, in the table's order.
void PuzzleHelpWindow::build_search_choice(QBoxLayout& layout) {
    constexpr int per_row = 5;
    auto* choice_grid = new QGridLayout;
    choice_grid->addWidget(new QLabel(QStringLiteral("Zoeken naar:"), this), 0, 0);
    search_choice_ = new QButtonGroup(this);
    const auto& table = solver_table();
    for (std::size_t k = 0; k < table.size(); ++k) {
        if (table[k].own_page) continue;
        auto* choice = named(new QRadioButton(QString::fromUtf8(table[k].caption), this), table[k].name,
                             QString::fromUtf8(table[k].tip));
        search_choice_->addButton(choice, static_cast<int>(k));
        const auto place = static_cast<int>(search_choices.size());
        choice_grid->addWidget(choice, place / per_row, 1 + place % per_row);
        search_choices.push_back(choice);
    }
    search_choices.front()->setChecked(true);
    choice_grid->setColumnStretch(per_row + 1, 1);
    layout.addLayout(choice_grid);
    connect(search_choice_, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (!on) return;
        show_options_of_search();
        query_changed();
    });
}

void PuzzleHelpWindow::build_query_field(QBoxLayout& layout) {
    auto* query_row = new QHBoxLayout;
    auto* query_label = new QLabel(QStringLiteral("&Zoek:"), this);
    query_field = named(new QLineEdit(this), "query_field",
                        QStringLiteral("Typ het patroon of de letters; er wordt gezocht zodra u even stopt met typen"));
    query_field->setClearButtonEnabled(true);
    query_label->setBuddy(query_field);
    query_row->addWidget(query_label);
    query_row->addWidget(query_field, 1);
    layout.addLayout(query_row);
    connect(query_field, &QLineEdit::textChanged, this, &PuzzleHelpWindow::query_changed);
    connect(query_field, &QLineEdit::returnPressed, this, [this] {
        pause_.stop();
        start_search();
    });

    error_line = named(new QLabel(this), "error_line", QStringLiteral("Wat er aan de zoekopdracht schort"));
    error_line->setStyleSheet(QStringLiteral("color: #c00000;"));
    error_line->setWordWrap(true);
    error_line->hide();
    layout.addWidget(error_line);
}

void PuzzleHelpWindow::build_results(QBoxLayout& layout) {
    results = named(new QTreeView(this), "results",
                    QStringLiteral("Dubbelklik zet het woord in het zoekveld van het hoofdvenster"));
    results->setModel(model_);
    results->setRootIsDecorated(false);
    results->setUniformRowHeights(true);
    results->setAlternatingRowColors(true);
    results->setSelectionMode(QAbstractItemView::ExtendedSelection);
    results->setSelectionBehavior(QAbstractItemView::SelectRows);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setItemDelegateForColumn(ResultRowsModel::commonness_column, new CommonnessBarDelegate(results));
    results->setItemDelegateForColumn(ResultRowsModel::text_column, new BlankLettersDelegate(results));
    results->setTextElideMode(Qt::ElideMiddle);
    QHeaderView* header = results->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(ResultRowsModel::text_column, QHeaderView::Stretch);
    header->setSectionResizeMode(ResultRowsModel::leftover_column, QHeaderView::Interactive);
    header->setSectionResizeMode(ResultRowsModel::explanation_column, QHeaderView::Stretch);
    header->setSectionResizeMode(ResultRowsModel::commonness_column, QHeaderView::Fixed);
    header->resizeSection(ResultRowsModel::commonness_column, fontMetrics().horizontalAdvance(QStringLiteral("Gangbaar")) * 3 / 2);
    layout.addWidget(results, 1);
    connect(results, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        emit word_chosen(ResultRowsModel::text_of(model_->all_rows()[static_cast<std::size_t>(index.row())]));
    });

    count_line = named(new QLabel(this), "count_line", QStringLiteral("Hoeveel er gevonden is en hoeveel er nu getoond wordt"));
    layout.addWidget(count_line);

    auto* copy_action = new QAction(QStringLiteral("&Kopiëren"), this);
    copy_action->setShortcut(QKeySequence::Copy);
    copy_action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    auto* copy_all_action = new QAction(QStringLiteral("Alles kop&iëren"), this);
    auto* save_action = new QAction(QStringLiteral("&Bewaren..."), this);
    connect(copy_action, &QAction::triggered, this, &PuzzleHelpWindow::copy_selected);
    connect(copy_all_action, &QAction::triggered, this, &PuzzleHelpWindow::copy_all);
    connect(save_action, &QAction::triggered, this, &PuzzleHelpWindow::save_results);
    results->addActions({copy_action, copy_all_action, save_action});
    results->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void PuzzleHelpWindow::build_buttons(QBoxLayout& layout) {
    auto* buttons = new QHBoxLayout;
    copy_button = named(new QPushButton(QStringLiteral("Kopiëren"), this), "copy_button",
                        QStringLiteral("Kopieert de gekozen woorden (Ctrl+C)"));
    copy_all_button = named(new QPushButton(QStringLiteral("Alles kopiëren"), this), "copy_all_button",
                            QStringLiteral("Kopieert alle gevonden woorden"));
    save_button = named(new QPushButton(QStringLiteral("&Bewaren..."), this), "save_button",
                        QStringLiteral("Bewaart alle gevonden woorden als resultaatbestand"));
    close_button = named(new QPushButton(QStringLiteral("Sluiten"), this), "close_button",
                         QStringLiteral("Sluit de puzzelhulp (Esc)"));
    for (QPushButton* button : {copy_button, copy_all_button, save_button, close_button}) {
        // Enter in the query field searches at once; it presses no button.
        button->setAutoDefault(false);
        buttons->addWidget(button);
        if (button == save_button) buttons->addStretch();
    }
    layout.addLayout(buttons);
    connect(copy_button, &QPushButton::clicked, this, &PuzzleHelpWindow::copy_selected);
    connect(copy_all_button, &QPushButton::clicked, this, &PuzzleHelpWindow::copy_all);
    connect(save_button, &QPushButton::clicked, this, &PuzzleHelpWindow::save_results);
    connect(close_button, &QPushButton::clicked, this, &QDialog::reject);
}

const SolverSearch& PuzzleHelpWindow::chosen_search() const {
    return solver_table()[static_cast<std::size_t>(std::max(search_choice_->checkedId(), 0))];
}

QRadioButton* PuzzleHelpWindow::choice_of(std::string_view search_name) const {
    for (QRadioButton* choice : search_choices)
        if (choice->objectName() == QString::fromUtf8(search_name.data(), static_cast<int>(search_name.size()))) return choice;
    return nullptr;
}

void PuzzleHelpWindow::show_options_of_search() {
    const SolverSearch& search = chosen_search();
    options_->show_options_of(search);
    query_field->setPlaceholderText(QString::fromUtf8(search.placeholder));
    update_options_line();
}

SolverQuery PuzzleHelpWindow::query() const {
    SolverQuery q = options_->query_for(chosen_search(), to_latin1(query_field->text()));
    q.counted = true;  // for the bars
    return q;
}

bool PuzzleHelpWindow::searching() const { return pause_.isActive() || worker_->running(); }

void PuzzleHelpWindow::query_changed() {
    worker_->cancel();
    pause_.start();
}

void PuzzleHelpWindow::start_search() {
    // A search whose text is optional runs on an empty field too, as taalspoor-zoek does.
    if (chosen_search().text == QueryText::required && query_field->text().trimmed().isEmpty()) {
        worker_->cancel();
        error_line->hide();
        model_->clear();
        in_all_ = 0;
        set_busy(false);
        return;
    }
    worker_->start(chosen_search(), query());
    set_busy(true);
}

void PuzzleHelpWindow::set_busy(bool busy) {
    busy_ = busy;
    if (busy) results->viewport()->setCursor(Qt::BusyCursor);
    else results->viewport()->unsetCursor();
    update_count_line();
}

void PuzzleHelpWindow::show_outcome(const std::shared_ptr<const SolverOutcome>& outcome) {
    error_line->hide();
    in_all_ = outcome->in_all;
    cut_short_ = outcome->cut_short;
    model_->set_outcome(outcome);
    for (const auto column : {ResultRowsModel::leftover_column, ResultRowsModel::explanation_column,
                              ResultRowsModel::commonness_column})
        results->setColumnHidden(column, !model_->has_column(column));
    if (model_->has_column(ResultRowsModel::leftover_column)) {
        // As wide as the leftovers shown, at most a third of the list.
        results->resizeColumnToContents(ResultRowsModel::leftover_column);
        results->setColumnWidth(ResultRowsModel::leftover_column,
                                std::min(results->columnWidth(ResultRowsModel::leftover_column), results->width() / 3));
    }
    results->scrollToTop();
    set_busy(false);
    emit results_shown();
}

// The results of the last valid query stay until the query is valid again.
void PuzzleHelpWindow::show_error(const QString& message) {
    error_line->setText(message);
    error_line->show();
    set_busy(false);
}

void PuzzleHelpWindow::update_count_line() {
    if (busy_) {
        count_line->setText(QStringLiteral("zoeken…"));
        count_line->setToolTip(QStringLiteral("De zoekopdracht loopt; typen of een andere keuze stopt haar"));
        return;
    }
    if (!model_->search()) {
        count_line->clear();
        return;
    }
    const std::size_t kept = model_->all_rows().size(), shown = model_->shown();
    // The rows say which search made them, whatever is chosen now.
    const RowColumns columns = model_->search() ? model_->search()->columns : RowColumns{};
    QString line = QStringLiteral("%1 %2").arg(number(in_all_), QString::fromUtf8(in_all_ == 1 ? row_noun(columns) : rows_noun(columns)));
    if (cut_short_) line = QStringLiteral("minstens %1 (het zoeken is afgebroken)").arg(line);
    if (kept < in_all_) line += QStringLiteral(", de beste %1 bewaard").arg(number(kept));
    if (shown < kept) line += QStringLiteral(", toont 1 tot %1").arg(number(shown));
    count_line->setText(line);
    count_line->setToolTip(cut_short_ ? QString::fromUtf8(cut_short_note)
                                      : QStringLiteral("Hoeveel er gevonden is en hoeveel er nu getoond wordt"));
}

QStringList PuzzleHelpWindow::lines_of(const std::vector<std::size_t>& rows) const {
    // As taalspoor-zoek prints them: the word, then its leftover or explanation after a tab.
    const RowColumns columns = model_->search() ? model_->search()->columns : RowColumns{};
    QStringList lines;
    for (const std::size_t row : rows) {
        std::string line;
        append_row_line(line, model_->all_rows()[row], columns, false, false);
        lines << from_latin1(line);
    }
    return lines;
}

void PuzzleHelpWindow::copy_selected() {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : results->selectionModel()->selectedRows()) rows.push_back(static_cast<std::size_t>(index.row()));
    if (rows.empty()) return;
    std::sort(rows.begin(), rows.end());
    QApplication::clipboard()->setText(lines_of(rows).join(QLatin1Char('\n')));
}

std::vector<std::size_t> PuzzleHelpWindow::every_row() const {
    std::vector<std::size_t> rows(model_->all_rows().size());
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k] = k;
    return rows;
}

void PuzzleHelpWindow::copy_all() { QApplication::clipboard()->setText(lines_of(every_row()).join(QLatin1Char('\n'))); }

void PuzzleHelpWindow::save_results() { save_lines_as_result(lines_of(every_row()), file_dialogs(), boxes_); }

void PuzzleHelpWindow::set_file_dialogs(FileDialogs& dialogs) {
    file_dialogs_ = &dialogs;
    board_page->set_file_dialogs(dialogs);
}

FileDialogs& PuzzleHelpWindow::file_dialogs() {
    if (file_dialogs_) return *file_dialogs_;
    if (!platform_file_dialogs_)
        platform_file_dialogs_ =
            std::make_unique<PlatformFileDialogs>(this, QString::fromStdString(std::filesystem::absolute(folder_).string()));
    return *platform_file_dialogs_;
}

void PuzzleHelpWindow::showEvent(QShowEvent* event) {
    // At its first showing the window takes the size it had last time, if that still
    // fits on the screen, or a size from the screen.
    if (!placed_ && screen()) {
        placed_ = true;
        const QRect room = screen()->availableGeometry();
        const QSettings settings = kept_settings();
        if (!restoreGeometry(settings.value(QStringLiteral("venster")).toByteArray()) || !room.contains(geometry())) {
            resize(first_size(room));
            move(room.center() - rect().center());
        }
        splitter->restoreState(settings.value(QStringLiteral("splitter")).toByteArray());
    }
    QDialog::showEvent(event);
    query_field->setFocus();
    query_field->selectAll();
}

void PuzzleHelpWindow::hideEvent(QHideEvent* event) {
    QSettings settings = kept_settings();
    settings.setValue(QStringLiteral("venster"), saveGeometry());
    settings.setValue(QStringLiteral("splitter"), splitter->saveState());
    QDialog::hideEvent(event);
}

}  // namespace taalspoor
