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
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

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
    resize(sizeHint().expandedTo(QSize(560, 640)));
}

PuzzleHelpWindow::~PuzzleHelpWindow() {
    // While the dialog part goes, hiding it may still lay out the list and load rows:
    // nothing may reach the slots of a window that is half gone. The searches are
    // stopped and waited for first.
    delete worker_;
    disconnect(model_, nullptr, this, nullptr);
}

// Two pages: the searches of the solver table, and the Lingo helper's grid.
void PuzzleHelpWindow::build_controls() {
    auto* pages = new QTabWidget(this);
    (new QVBoxLayout(this))->addWidget(pages);
    auto* search_page = new QWidget(pages);
    auto* layout = new QVBoxLayout(search_page);
    lingo_page = new LingoPage(folder_, pages);
    pages->addTab(search_page, QStringLiteral("Zoeken"));
    pages->addTab(lingo_page, QStringLiteral("Lingo"));
    build_search_choice(*layout);
    build_query_field(*layout);

    auto* options_box = new QGroupBox(QStringLiteral("Opties"), this);
    options_ = new SolverOptionControls(*new QFormLayout(options_box), *this);
    layout->addWidget(options_box);
    connect(options_, &SolverOptionControls::changed, this, &PuzzleHelpWindow::query_changed);

    build_results(*layout);
    build_buttons(*layout);
}

// The searches in rows of three, in the table's order.
void PuzzleHelpWindow::build_search_choice(QBoxLayout& layout) {
    constexpr int per_row = 3;
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
    QHeaderView* header = results->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(ResultRowsModel::text_column, QHeaderView::Stretch);
    header->setSectionResizeMode(ResultRowsModel::leftover_column, QHeaderView::ResizeToContents);
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
        count_line->clear();
        return;
    }
    worker_->start(chosen_search(), query());
}

void PuzzleHelpWindow::show_outcome(const SolverOutcome& outcome) {
    error_line->hide();
    in_all_ = outcome.in_all;
    cut_short_ = outcome.cut_short;
    model_->set_outcome(outcome);
    for (const auto column : {ResultRowsModel::leftover_column, ResultRowsModel::explanation_column,
                              ResultRowsModel::commonness_column})
        results->setColumnHidden(column, !model_->has_column(column));
    results->scrollToTop();
    update_count_line();
    emit results_shown();
}

// The results of the last valid query stay until the query is valid again.
void PuzzleHelpWindow::show_error(const QString& message) {
    error_line->setText(message);
    error_line->show();
}

void PuzzleHelpWindow::update_count_line() {
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

FileDialogs& PuzzleHelpWindow::file_dialogs() {
    if (file_dialogs_) return *file_dialogs_;
    if (!platform_file_dialogs_)
        platform_file_dialogs_ =
            std::make_unique<PlatformFileDialogs>(this, QString::fromStdString(std::filesystem::absolute(folder_).string()));
    return *platform_file_dialogs_;
}

void PuzzleHelpWindow::showEvent(QShowEvent* event) {
    // At its first showing the window fits on the screen, whatever the scaling.
    if (!placed_ && screen()) {
        placed_ = true;
        const QRect room = screen()->availableGeometry();
        resize(size().boundedTo(room.size() * 9 / 10));
        move(room.center() - rect().center());
    }
    QDialog::showEvent(event);
    query_field->setFocus();
    query_field->selectAll();
}

}  // namespace taalspoor
