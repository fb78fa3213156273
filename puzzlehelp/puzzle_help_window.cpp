#include "puzzlehelp/puzzle_help_window.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "puzzlehelp/result_rows_model.h"
#include "puzzlehelp/search_worker.h"
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

void PuzzleHelpWindow::build_controls() {
    auto* layout = new QVBoxLayout(this);

    auto* choice_row = new QHBoxLayout;
    choice_row->addWidget(new QLabel(QStringLiteral("Zoeken naar:"), this));
    pattern_choice = named(new QRadioButton(QStringLiteral("&Patroon"), this), "pattern_choice",
                           QStringLiteral("Een patroon van hokjes: letters, . of ? voor een hokje, * voor nul of meer,\n"
                                          "[abc] een van deze, [^abc] geen van deze, @ klinker, # medeklinker,\n"
                                          "1 tot 9 dezelfde letter"));
    rack_choice = named(new QRadioButton(QStringLiteral("&Woorden uit letters"), this), "rack_choice",
                        QStringLiteral("Alle woorden die met deze letters te leggen zijn; een . of ? is een blanco"));
    anagram_choice = named(new QRadioButton(QStringLiteral("&Anagrammen"), this), "anagram_choice",
                           QStringLiteral("Combinaties van woorden die samen precies deze letters hebben"));
    search_choice_ = new QButtonGroup(this);
    for (QRadioButton* choice : {pattern_choice, rack_choice, anagram_choice}) {
        search_choice_->addButton(choice);
        choice_row->addWidget(choice);
    }
    pattern_choice->setChecked(true);
    choice_row->addStretch();
    layout->addLayout(choice_row);

    auto* query_row = new QHBoxLayout;
    auto* query_label = new QLabel(QStringLiteral("&Zoek:"), this);
    query_field = named(new QLineEdit(this), "query_field",
                        QStringLiteral("Typ het patroon of de letters; er wordt gezocht zodra u even stopt met typen"));
    query_field->setClearButtonEnabled(true);
    query_label->setBuddy(query_field);
    query_row->addWidget(query_label);
    query_row->addWidget(query_field, 1);
    layout->addLayout(query_row);

    error_line = named(new QLabel(this), "error_line", QStringLiteral("Wat er aan het patroon schort"));
    error_line->setStyleSheet(QStringLiteral("color: #c00000;"));
    error_line->setWordWrap(true);
    error_line->hide();
    layout->addWidget(error_line);

    auto* options_box = new QGroupBox(QStringLiteral("Opties"), this);
    options_ = new QFormLayout(options_box);
    ij_one_square = named(new QCheckBox(QStringLiteral("&ij is één hokje"), this), "ij_one_square",
                          QStringLiteral("Telt ij als één hokje en één letter, zoals in een kruiswoordraadsel"));
    ij_one_square->setChecked(true);
    case_sensitive = named(new QCheckBox(QStringLiteral("&hoofdlettergevoelig"), this), "case_sensitive",
                           QStringLiteral("Hoofdletters en accenten tellen precies zoals u ze typt"));
    options_->addRow(ij_one_square);
    options_->addRow(case_sensitive);

    auto* length_row = new QWidget(this);
    auto* length_layout = new QHBoxLayout(length_row);
    length_layout->setContentsMargins(0, 0, 0, 0);
    shortest = named(new QSpinBox(this), "shortest", QStringLiteral("Minstens zoveel hokjes; - is geen grens"));
    longest = named(new QSpinBox(this), "longest", QStringLiteral("Hoogstens zoveel hokjes; - is geen grens"));
    for (QSpinBox* bound : {shortest, longest}) {
        bound->setRange(0, 99);
        bound->setSpecialValueText(QStringLiteral("-"));
    }
    auto* to_label = new QLabel(QStringLiteral("&tot"), this);
    to_label->setBuddy(longest);
    length_layout->addWidget(shortest);
    length_layout->addWidget(to_label);
    length_layout->addWidget(longest);
    length_layout->addStretch();
    auto* length_label = new QLabel(QStringLiteral("&Lengte van"), this);
    length_label->setBuddy(shortest);
    options_->addRow(length_label, length_row);

    with_letters = named(new QLineEdit(this), "with_letters",
                         QStringLiteral("Het woord heeft minstens deze letters (ee: twee keer een e)"));
    without_letters = named(new QLineEdit(this), "without_letters", QStringLiteral("Het woord heeft geen van deze letters"));
    options_->addRow(QStringLiteral("&Met letters:"), with_letters);
    options_->addRow(QStringLiteral("Zo&nder letters:"), without_letters);

    most_words = named(new QSpinBox(this), "most_words", QStringLiteral("Hoogstens zoveel woorden in een combinatie"));
    most_words->setRange(1, 6);
    most_words->setValue(3);
    with_word = named(new QLineEdit(this), "with_word", QStringLiteral("Alleen combinaties met dit woord"));
    options_->addRow(QStringLiteral("Aantal w&oorden:"), most_words);
    options_->addRow(QStringLiteral("Met woo&rd:"), with_word);

    auto* common_row = new QWidget(this);
    auto* common_layout = new QHBoxLayout(common_row);
    common_layout->setContentsMargins(0, 0, 0, 0);
    common_only = named(new QCheckBox(QStringLiteral("alleen &gangbare woorden"), this), "common_only",
                        QStringLiteral("Alleen woorden die in een grote verzameling Nederlandse teksten\n"
                                       "minstens zo vaak geteld zijn"));
    threshold = named(new QSpinBox(this), "threshold", QStringLiteral("Hoe vaak een woord minstens geteld moet zijn"));
    threshold->setRange(1, 1'000'000);
    threshold->setValue(10);
    threshold->setSuffix(QStringLiteral(" keer of meer"));
    threshold->setEnabled(false);
    common_layout->addWidget(common_only);
    common_layout->addWidget(threshold);
    common_layout->addStretch();
    options_->addRow(common_row);

    order = named(new QComboBox(this), "order",
                  QStringLiteral("De gangbaarste woorden eerst, of op alfabet;\n"
                                 "bij woorden uit letters komen de langste altijd eerst"));
    order->addItems({QStringLiteral("gangbaarste eerst"), QStringLiteral("alfabetisch")});
    options_->addRow(QStringLiteral("&Volgorde:"), order);
    layout->addWidget(options_box);

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
    results->header()->setStretchLastSection(false);
    results->header()->setSectionResizeMode(ResultRowsModel::text_column, QHeaderView::Stretch);
    results->header()->setSectionResizeMode(ResultRowsModel::leftover_column, QHeaderView::ResizeToContents);
    results->header()->setSectionResizeMode(ResultRowsModel::commonness_column, QHeaderView::Fixed);
    results->header()->resizeSection(ResultRowsModel::commonness_column, fontMetrics().horizontalAdvance(QStringLiteral("Gangbaar")) * 3 / 2);
    layout->addWidget(results, 1);

    count_line = named(new QLabel(this), "count_line", QStringLiteral("Hoeveel er gevonden is en hoeveel er nu getoond wordt"));
    layout->addWidget(count_line);

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

    auto* buttons = new QHBoxLayout;
    copy_button = named(new QPushButton(QStringLiteral("&Kopiëren"), this), "copy_button",
                        QStringLiteral("Kopieert de gekozen woorden (Ctrl+C)"));
    copy_all_button = named(new QPushButton(QStringLiteral("Alles kop&iëren"), this), "copy_all_button",
                            QStringLiteral("Kopieert alle gevonden woorden"));
    save_button = named(new QPushButton(QStringLiteral("&Bewaren..."), this), "save_button",
                        QStringLiteral("Bewaart alle gevonden woorden als resultaatbestand"));
    close_button = named(new QPushButton(QStringLiteral("&Sluiten"), this), "close_button",
                         QStringLiteral("Sluit de puzzelhulp (Esc)"));
    for (QPushButton* button : {copy_button, copy_all_button, save_button, close_button}) {
        // Enter in the query field searches at once; it presses no button.
        button->setAutoDefault(false);
        buttons->addWidget(button);
        if (button == save_button) buttons->addStretch();
    }
    layout->addLayout(buttons);
    connect(copy_button, &QPushButton::clicked, this, &PuzzleHelpWindow::copy_selected);
    connect(copy_all_button, &QPushButton::clicked, this, &PuzzleHelpWindow::copy_all);
    connect(save_button, &QPushButton::clicked, this, &PuzzleHelpWindow::save_results);
    connect(close_button, &QPushButton::clicked, this, &QDialog::reject);

    connect(search_choice_, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (!on) return;
        show_options_of_search();
        query_changed();
    });
    connect(query_field, &QLineEdit::textChanged, this, &PuzzleHelpWindow::query_changed);
    connect(query_field, &QLineEdit::returnPressed, this, [this] {
        pause_.stop();
        start_search();
    });
    for (QCheckBox* box : {ij_one_square, case_sensitive, common_only})
        connect(box, &QCheckBox::toggled, this, &PuzzleHelpWindow::query_changed);
    connect(common_only, &QCheckBox::toggled, threshold, &QSpinBox::setEnabled);
    for (QSpinBox* box : {shortest, longest, most_words, threshold})
        connect(box, &QSpinBox::valueChanged, this, &PuzzleHelpWindow::query_changed);
    for (QLineEdit* field : {with_letters, without_letters, with_word})
        connect(field, &QLineEdit::textChanged, this, &PuzzleHelpWindow::query_changed);
    connect(order, &QComboBox::currentIndexChanged, this, &PuzzleHelpWindow::query_changed);
    connect(results, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        emit word_chosen(from_latin1(model_->all_rows()[static_cast<std::size_t>(index.row())].text));
    });
}

void PuzzleHelpWindow::show_options_of_search() {
    const bool pattern = pattern_choice->isChecked(), rack = rack_choice->isChecked(), anagrams = anagram_choice->isChecked();
    options_->setRowVisible(shortest->parentWidget(), !anagrams);  // the row that holds both bounds
    options_->setRowVisible(with_letters, pattern);
    options_->setRowVisible(without_letters, pattern);
    options_->setRowVisible(most_words, anagrams);
    options_->setRowVisible(with_word, anagrams);
    options_->setRowVisible(order, pattern || rack);
    results->setColumnHidden(ResultRowsModel::leftover_column, !rack);
    query_field->setPlaceholderText(pattern ? QStringLiteral("bijvoorbeeld b?enk*  of  k.1.1  of  @#@#@#")
                                    : rack  ? QStringLiteral("bijvoorbeeld aeinrst  of  kt.. (een . is een blanco)")
                                            : QStringLiteral("bijvoorbeeld kruiswoordraadsel"));
}

SolverQuery PuzzleHelpWindow::query() const {
    SolverQuery q;
    q.search = pattern_choice->isChecked() ? SolverSearch::pattern
               : rack_choice->isChecked()  ? SolverSearch::rack
                                           : SolverSearch::anagrams;
    q.text = to_latin1(query_field->text());
    q.ij_one_square = ij_one_square->isChecked();
    q.exact = case_sensitive->isChecked();
    q.shortest = static_cast<std::size_t>(shortest->value());
    q.longest = static_cast<std::size_t>(longest->value());
    q.with_letters = to_latin1(with_letters->text());
    q.without_letters = to_latin1(without_letters->text());
    q.most_words = static_cast<std::size_t>(most_words->value());
    q.with_word = to_latin1(with_word->text());
    q.threshold = common_only->isChecked() ? static_cast<std::uint32_t>(threshold->value()) : 0;
    q.order = order->currentIndex() == 0 ? SolverOrder::most_common_first : SolverOrder::list;
    q.counted = true;  // for the bars
    return q;
}

bool PuzzleHelpWindow::searching() const { return pause_.isActive() || worker_->running(); }

void PuzzleHelpWindow::query_changed() {
    worker_->cancel();
    pause_.start();
}

void PuzzleHelpWindow::start_search() {
    if (query_field->text().trimmed().isEmpty()) {
        worker_->cancel();
        error_line->hide();
        model_->clear();
        in_all_ = 0;
        count_line->clear();
        return;
    }
    worker_->start(query());
}

void PuzzleHelpWindow::show_outcome(const SolverOutcome& outcome) {
    error_line->hide();
    in_all_ = outcome.in_all;
    cut_short_ = outcome.cut_short;
    model_->set_rows(outcome.rows, anagram_choice->isChecked());
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
    const bool sets = anagram_choice->isChecked();
    QString line;
    if (sets) {
        line = cut_short_ ? QStringLiteral("minstens %1 combinaties (het zoeken is afgebroken)").arg(number(in_all_))
               : in_all_ == 1 ? QStringLiteral("1 combinatie")
                              : QStringLiteral("%1 combinaties").arg(number(in_all_));
        if (kept < in_all_) line += QStringLiteral(", de beste %1 bewaard").arg(number(kept));
    } else {
        line = kept == 1 ? QStringLiteral("1 woord") : QStringLiteral("%1 woorden").arg(number(kept));
    }
    if (shown < kept) line += QStringLiteral(", toont 1 tot %1").arg(number(shown));
    count_line->setText(line);
}

QStringList PuzzleHelpWindow::lines_of(const std::vector<std::size_t>& rows) const {
    QStringList lines;
    for (const std::size_t row : rows) lines << from_latin1(model_->all_rows()[row].text);
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
