#include "puzzlehelp/lingo_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "puzzlehelp/lingo_square.h"
#include "puzzlehelp/search_worker.h"
#include "puzzlehelp/solver_option_controls.h"
#include "window_support/latin1_text.h"

namespace taalspoor {

namespace {

constexpr int pause_ms = 150;

// How many tries the game gives.
int tries_of(bool woordle) { return woordle ? 6 : 5; }

}  // namespace

LingoPage::LingoPage(std::filesystem::path folder, QWidget* parent)
    : QWidget(parent), lingo_(*solver_search("lingo")), worker_(new SearchWorker(std::move(folder), this)) {
    build_controls();
    pause_.setSingleShot(true);
    pause_.setInterval(pause_ms);
    connect(&pause_, &QTimer::timeout, this, &LingoPage::ask);
    connect(worker_, &SearchWorker::finished, this, &LingoPage::show_outcome);
    connect(worker_, &SearchWorker::failed, this, &LingoPage::show_failure);
    new_grid();
}

LingoPage::~LingoPage() {
    delete worker_;  // its searches end before the page's parts go
}

void LingoPage::build_controls() {
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    auto* settings = new QFormLayout;
    game = new QComboBox(this);
    game->setObjectName(QStringLiteral("game"));
    game->addItems({QStringLiteral("Lingo (ij is één hokje, de eerste letter gegeven)"), QStringLiteral("Woordle")});
    length = new QSpinBox(this);
    length->setObjectName(QStringLiteral("length"));
    const TakenOption& squares = *lingo_.taken("--lengte");
    length->setRange(static_cast<int>(squares.range.least), static_cast<int>(squares.range.most));
    length->setValue(static_cast<int>(lingo_.defaults.length.least));
    length->setSuffix(QStringLiteral(" hokjes"));
    first_letter = new QLineEdit(this);
    first_letter->setObjectName(QStringLiteral("first_letter"));
    first_letter->setMaxLength(2);
    first_letter->setToolTip(QString::fromUtf8(lingo_.taken("--begin")->shown_tip()));
    const TakenOption& counted = *lingo_.taken("--drempel");
    threshold = new QSpinBox(this);
    threshold->setObjectName(QStringLiteral("threshold"));
    fit_number_box(*threshold, counted);
    settings->addRow(QStringLiteral("&Spel:"), game);
    settings->addRow(QStringLiteral("&Lengte:"), length);
    settings->addRow(QStringLiteral("&Eerste letter:"), first_letter);
    settings->addRow(QString::fromUtf8(counted.shown_label()), threshold);
    left->addLayout(settings);
    grid_ = new QGridLayout;
    grid_->setSpacing(4);
    left->addLayout(grid_);
    new_game = new QPushButton(QStringLiteral("&Nieuw spel"), this);
    new_game->setObjectName(QStringLiteral("new_game"));
    new_game->setAutoDefault(false);
    left->addWidget(new_game, 0, Qt::AlignLeft);
    left->addStretch();
    layout->addLayout(left);

    auto* right = new QVBoxLayout;
    advice_line = new QLabel(this);
    advice_line->setObjectName(QStringLiteral("advice_line"));
    QFont bigger = advice_line->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    bigger.setBold(true);
    advice_line->setFont(bigger);
    advice_line->setToolTip(QStringLiteral("De poging die naar verwachting de minste woorden overlaat"));
    count_line = new QLabel(this);
    count_line->setObjectName(QStringLiteral("count_line"));
    possible = new QListWidget(this);
    possible->setObjectName(QStringLiteral("possible"));
    possible->setToolTip(QStringLiteral("De woorden die nog kunnen, de waarschijnlijkste eerst"));
    right->addWidget(advice_line);
    right->addWidget(count_line);
    right->addWidget(possible, 1);
    layout->addLayout(right, 1);

    connect(game, &QComboBox::currentIndexChanged, this, &LingoPage::new_grid);
    connect(length, &QSpinBox::valueChanged, this, &LingoPage::new_grid);
    connect(first_letter, &QLineEdit::textChanged, this, &LingoPage::new_grid);
    connect(threshold, &QSpinBox::valueChanged, this, &LingoPage::changed);
    connect(new_game, &QPushButton::clicked, this, &LingoPage::new_grid);
}

void LingoPage::new_grid() {
    const bool woordle = game->currentIndex() == 1;
    SolverQuery chosen = lingo_.defaults;
    chosen.game = woordle ? "woordle" : "lingo";
    const NumberRange squares = lingo_.taken("--lengte")->range_for(chosen);
    length->setRange(static_cast<int>(squares.least), static_cast<int>(squares.most));
    first_letter->setEnabled(!woordle);
    for (auto& row : squares_)
        for (LingoSquare* square : row) delete square;
    for (QLabel* note : notes_) delete note;
    squares_.assign(static_cast<std::size_t>(tries_of(woordle)), {});
    notes_.clear();
    const QString first = woordle ? QString() : first_letter->text().trimmed().toLower();
    for (int row = 0; row < tries_of(woordle); ++row) {
        for (int column = 0; column < length->value(); ++column) {
            auto* square = new LingoSquare(this);
            square->setObjectName(QStringLiteral("square_%1_%2").arg(row).arg(column));
            square->set_woordle(woordle);
            if (column == 0 && !first.isEmpty()) {
                square->set_letters(first);
                square->set_given(true);
            }
            // A confirmed row's signs may still change; the row being typed asks nothing yet.
            connect(square, &LingoSquare::changed, this, [this, row] {
                if (row < confirmed_) changed();
            });
            connect(square, &LingoSquare::letter_typed, this, [this, row, column](const QString& letter) { typed(row, column, letter); });
            connect(square, &LingoSquare::erase_asked, this, [this, row, column] { erase(row, column); });
            connect(square, &LingoSquare::next_asked, this, [this, row, column] { move_on(row, column); });
            connect(square, &LingoSquare::tab_asked, this, [this, row, column] { tab_on(row, column); });
            connect(square, &LingoSquare::confirm_asked, this, [this, row] { confirm(row); });
            connect(square, &LingoSquare::previous_asked, this, [this, row, column] { move_back(row, column); });
            grid_->addWidget(square, row, column);
            square->show();  // now, not at the next turn: it may take the focus at once
            squares_[static_cast<std::size_t>(row)].push_back(square);
        }
        auto* note = new QLabel(this);
        note->setObjectName(QStringLiteral("note_%1").arg(row));
        note->setStyleSheet(QStringLiteral("color: #c00000;"));
        grid_->addWidget(note, row, length->value());
        notes_.push_back(note);
    }
    last_row_ = last_column_ = -1;
    confirmed_ = 0;
    won_ = false;
    // Typing the first letter or choosing the game keeps the focus where it is.
    open_row(0, new_game->hasFocus());
    changed();
}

int LingoPage::first_open_column(int row) const {
    int column = square(row, 0)->given() ? 1 : 0;
    while (column + 1 < length->value() && !square(row, column)->letters().isEmpty()) ++column;
    return column;
}

void LingoPage::open_row(int row, bool take_focus) {
    for (int r = 0; r < rows(); ++r)
        for (LingoSquare* s : squares_[static_cast<std::size_t>(r)]) s->setEnabled(r <= row);
    if (row >= rows()) return;
    // Tab from the settings goes to the row being typed.
    setTabOrder(threshold, square(row, square(row, 0)->given() ? std::min(1, length->value() - 1) : 0));
    if (game->currentIndex() == 0)
        for (int column = 0; column < length->value(); ++column)
            for (int before = 0; before < row; ++before)
                if (square(before, column)->sign() == QLatin1Char('+') && !square(row, column)->given()) {
                    square(row, column)->set_letters(square(before, column)->letters());
                    square(row, column)->set_sign(QLatin1Char('+'));
                }
    if (take_focus && length->value() > (square(row, 0)->given() ? 1 : 0)) square(row, first_open_column(row))->setFocus();
}

void LingoPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!won_ && confirmed_ < rows()) square(confirmed_, first_open_column(confirmed_))->setFocus();
}

bool LingoPage::guessed(int row) const {
    for (const LingoSquare* s : squares_[static_cast<std::size_t>(row)])
        if (s->sign() != QLatin1Char('+')) return false;
    return true;
}

void LingoPage::confirm(int row) {
    if (won_ || row != confirmed_) return;
    if (!filled(row)) {
        row_note(row)->setText(QStringLiteral("typ eerst het hele woord"));
        return;
    }
    row_note(row)->clear();
    confirmed_ = row + 1;
    won_ = guessed(row);
    if (won_) {
        advice_line->setText(QStringLiteral("Geraden in %1!").arg(row + 1));
        new_game->setFocus();
    } else {
        open_row(confirmed_, true);
        if (confirmed_ == rows()) new_game->setFocus();
    }
    changed();
}

void LingoPage::typed(int row, int column, const QString& letter) {
    // With ij one square (Lingo), a j typed straight after an i joins it.
    const bool joins = game->currentIndex() == 0 && letter == QStringLiteral("j") && row == last_row_ &&
                       column == last_column_ + 1 && square(row, last_column_)->letters() == QStringLiteral("i");
    if (won_ || row != confirmed_) return;  // a confirmed row keeps its word
    const int at = joins ? last_column_ : column;
    const QString letters = joins ? QStringLiteral("ij") : letter;
    if (square(row, at)->letters() != letters) square(row, at)->set_sign(QLatin1Char('-'));
    square(row, at)->set_letters(letters);
    last_row_ = row;
    last_column_ = at;
    if (!joins) move_on(row, column);
}

void LingoPage::move_on(int row, int column) {
    // After the last letter the signs follow from the row's first square.
    if (column + 1 < length->value()) square(row, column + 1)->setFocus(Qt::TabFocusReason);
    else square(row, square(row, 0)->given() ? 1 : 0)->setFocus(Qt::TabFocusReason);
}

void LingoPage::tab_on(int row, int column) {
    if (column + 1 < length->value()) square(row, column + 1)->setFocus(Qt::TabFocusReason);
    else new_game->setFocus(Qt::TabFocusReason);
}

void LingoPage::move_back(int row, int column) {
    const int first = square(row, 0)->given() ? 1 : 0;
    if (column > first) square(row, column - 1)->setFocus(Qt::BacktabFocusReason);
    else threshold->setFocus(Qt::BacktabFocusReason);
}

void LingoPage::erase(int row, int column) {
    if (won_ || row != confirmed_) return;
    LingoSquare* here = square(row, column);
    if (here->letters().isEmpty() && column > 0) here = square(row, column - 1);
    here->set_letters(QString());
    here->set_sign(QLatin1Char('-'));
    here->setFocus();
    last_row_ = last_column_ = -1;
}

bool LingoPage::filled(int row) const {
    for (const LingoSquare* s : squares_[static_cast<std::size_t>(row)])
        if (s->letters().isEmpty()) return false;
    return true;
}

std::string LingoPage::guess_of(int row) const {
    QString word, signs;
    for (const LingoSquare* s : squares_[static_cast<std::size_t>(row)]) {
        word += s->letters();
        signs += s->sign();
    }
    return to_latin1(word + QLatin1Char('=') + signs);
}

SolverQuery LingoPage::query() const {
    SolverQuery q = default_query(lingo_);
    q.game = game->currentIndex() == 1 ? "woordle" : "lingo";
    q.length = {static_cast<std::size_t>(length->value()), static_cast<std::size_t>(length->value())};
    if (game->currentIndex() == 0) q.first_square = to_latin1(first_letter->text().trimmed().toLower());
    q.threshold = static_cast<std::size_t>(threshold->value());
    for (int row = 0; row < confirmed_; ++row) q.guesses.push_back(guess_of(row));
    return q;
}

bool LingoPage::searching() const { return pause_.isActive() || worker_->running(); }

void LingoPage::changed() {
    worker_->cancel();
    pause_.start();
}

void LingoPage::ask() {
    for (QLabel* note : notes_) note->clear();
    worker_->start(lingo_, query());
}

int LingoPage::row_named_in(const std::string& message) const {
    for (int row = 0; row < confirmed_; ++row)
        if (message.find(guess_of(row)) != std::string::npos) return row;
    return -1;
}

void LingoPage::show_outcome(const std::shared_ptr<const SolverOutcome>& answer) {
    const SolverOutcome& outcome = *answer;
    if (!won_) advice_line->setText(from_latin1(outcome.heading.size() > 0 ? outcome.heading[0] : std::string()));
    count_line->setText(from_latin1(outcome.heading.size() > 1 ? outcome.heading[1] : std::string()));
    possible->clear();
    for (const SolverRow& row : outcome.rows) {
        auto* item = new QListWidgetItem(from_latin1(row.text), possible);
        item->setToolTip(QStringLiteral("%1 keer geteld").arg(QLocale(QLocale::Dutch).toString(static_cast<qulonglong>(row.count))));
    }
    if (!outcome.nothing_left.empty()) {
        const int row = row_named_in(outcome.nothing_left);
        if (row >= 0) row_note(row)->setText(QStringLiteral("geen woord past hierbij"));
        else count_line->setText(from_latin1(outcome.nothing_left));
    }
    emit answered();
}

void LingoPage::show_failure(const QString& message) {
    const int row = row_named_in(to_latin1(message));
    // The helper names the guess; the row says it without it.
    const int reason = message.indexOf(QStringLiteral("\": "));
    if (row >= 0) row_note(row)->setText(reason >= 0 ? message.mid(reason + 3) : message);
    else count_line->setText(message);
    if (!won_) advice_line->setText(QStringLiteral("advies: -"));
    possible->clear();
    emit answered();
}

}  // namespace taalspoor
