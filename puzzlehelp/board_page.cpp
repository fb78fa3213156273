#include "puzzlehelp/board_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/file_error.h"
#include "base/whole_file.h"
#include "puzzlehelp/board_grid_widget.h"
#include "puzzlehelp/kept_settings.h"
#include "puzzlehelp/search_worker.h"
#include "search/board/board_game.h"
#include "search/board/board_search.h"
#include "search/modes/front_end.h"
#include "window_support/latin1_text.h"
#include "window_support/result_file_saving.h"
#include "wordlist/file_writing.h"

namespace taalspoor {

namespace {

constexpr int pause_ms = 150;
constexpr const char* kept_board_name = "bord.txt";
enum MoveColumn { score_column, place_column, word_column, rest_column };

// A board file as taalspoor-zoek --bord reads it.
BoardGrid read_board_file(const std::filesystem::path& path, const std::string& name) {
    return read_board_grid(read_whole_file(path, name), "--bord", board_sign);
}

}  // namespace

BoardPage::BoardPage(std::filesystem::path folder, UserDialogs& boxes, QWidget* parent)
    : QWidget(parent), folder_(std::move(folder)), boxes_(boxes), search_(*solver_search("bord")),
      worker_(new SearchWorker(folder_, this)) {
    build_controls();
    pause_.setSingleShot(true);
    pause_.setInterval(pause_ms);
    connect(&pause_, &QTimer::timeout, this, &BoardPage::ask);
    connect(worker_, &SearchWorker::finished, this, &BoardPage::show_outcome);
    connect(worker_, &SearchWorker::failed, this, &BoardPage::show_failure);
    read_kept();
    ask_again();
}

BoardPage::~BoardPage() {
    delete worker_;  // its searches end before the page's parts go
}

void BoardPage::build_controls() {
    auto* layout = new QHBoxLayout(this);
    board = new BoardGridWidget(this);
    board->setObjectName(QStringLiteral("board"));
    layout->addWidget(board, 3);

    auto* right = new QVBoxLayout;
    auto* settings = new QFormLayout;
    game = new QComboBox(this);
    game->setObjectName(QStringLiteral("game"));
    game->addItem(QStringLiteral("Wordfeud"), QStringLiteral("wordfeud"));
    game->addItem(QStringLiteral("Scrabble"), QStringLiteral("scrabble"));
    rack = new QLineEdit(this);
    rack->setObjectName(QStringLiteral("rack"));
    rack->setMaxLength(rack_size);
    rack->setPlaceholderText(QStringLiteral("bijvoorbeeld katerp?"));
    rack->setToolTip(QString::fromUtf8(search_.taken("--rek")->shown_tip()));
    settings->addRow(QStringLiteral("Sp&el:"), game);
    settings->addRow(QStringLiteral("&Rek:"), rack);
    right->addLayout(settings);

    moves = new QTreeWidget(this);
    moves->setObjectName(QStringLiteral("moves"));
    moves->setHeaderLabels({QStringLiteral("Score"), QStringLiteral("Plaats"), QStringLiteral("Woord"), QStringLiteral("Rest")});
    moves->setRootIsDecorated(false);
    moves->setUniformRowHeights(true);
    moves->setAlternatingRowColors(true);
    moves->header()->setStretchLastSection(true);
    moves->header()->setSectionResizeMode(score_column, QHeaderView::ResizeToContents);
    moves->header()->setSectionResizeMode(place_column, QHeaderView::ResizeToContents);
    moves->header()->setSectionResizeMode(word_column, QHeaderView::ResizeToContents);
    moves->setToolTip(QStringLiteral("De zetten, de beste eerst; kies er een om hem op het bord te zien"));
    right->addWidget(moves, 1);
    count_line = new QLabel(this);
    count_line->setObjectName(QStringLiteral("count_line"));
    right->addWidget(count_line);
    unseen_line = new QLabel(this);
    unseen_line->setObjectName(QStringLiteral("unseen_line"));
    unseen_line->setWordWrap(true);
    unseen_line->setToolTip(QString::fromUtf8(search_.taken("--ongezien")->shown_tip()));
    right->addWidget(unseen_line);

    auto* buttons = new QHBoxLayout;
    lay_button = new QPushButton(QStringLiteral("&Leggen"), this);
    lay_button->setToolTip(QStringLiteral("Legt de gekozen zet op het bord en haalt zijn stenen van het rek"));
    open_button = new QPushButton(QStringLiteral("&Openen..."), this);
    open_button->setToolTip(QStringLiteral("Opent een bordbestand: 15 regels van 15 tekens"));
    save_button = new QPushButton(QStringLiteral("Be&waren als..."), this);
    save_button->setToolTip(QStringLiteral("Bewaart het bord als bordbestand, voor taalspoor-zoek --bord"));
    for (QPushButton* button : {lay_button, open_button, save_button}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    lay_button->setEnabled(false);
    right->addLayout(buttons);
    layout->addLayout(right, 2);

    connect(board, &BoardGridWidget::board_changed, this, &BoardPage::changed);
    connect(game, &QComboBox::currentIndexChanged, this, [this] {
        show_layout_of_game();
        changed();
    });
    connect(rack, &QLineEdit::textChanged, this, &BoardPage::changed);
    connect(moves, &QTreeWidget::currentItemChanged, this, &BoardPage::show_chosen_move);
    connect(moves, &QTreeWidget::itemActivated, this, &BoardPage::lay_chosen_move);
    connect(lay_button, &QPushButton::clicked, this, &BoardPage::lay_chosen_move);
    connect(open_button, &QPushButton::clicked, this, &BoardPage::open_board);
    connect(save_button, &QPushButton::clicked, this, &BoardPage::save_board);
    show_layout_of_game();
}

void BoardPage::show_layout_of_game() { board->set_layout(board_game(query().game)->layout); }

SolverQuery BoardPage::query() const {
    SolverQuery q = default_query(search_);
    q.text = board->board_text();
    q.rack = to_latin1(rack->text().trimmed());
    q.game = game->currentData().toString().toStdString();
    q.most_rows = 200;
    return q;
}

bool BoardPage::searching() const { return pause_.isActive() || worker_->running(); }

// The user changed the board, the rack or the game: kept for the next run, and asked again.
void BoardPage::changed() {
    keep();
    ask_again();
}

void BoardPage::ask_again() {
    worker_->cancel();
    show_unseen();
    if (rack->text().trimmed().isEmpty()) {
        moves->clear();
        count_line->setText(QStringLiteral("Typ de letters van uw rek."));
        return;
    }
    count_line->setText(QStringLiteral("zoeken…"));
    pause_.start();
}

void BoardPage::ask() { worker_->start(search_, query()); }

void BoardPage::show_outcome(const std::shared_ptr<const SolverOutcome>& outcome) {
    moves->clear();
    QList<QTreeWidgetItem*> items;
    for (const SolverRow& row : outcome->rows) {
        const QStringList fields = from_latin1(row.text).split(QLatin1Char('\t'));
        auto* item = new QTreeWidgetItem(fields);
        item->setTextAlignment(score_column, Qt::AlignRight | Qt::AlignVCenter);
        items << item;
    }
    moves->addTopLevelItems(items);
    const qulonglong in_all = outcome->in_all;
    count_line->setText(in_all == 0 ? QStringLiteral("Geen zet mogelijk.")
                        : in_all <= static_cast<qulonglong>(items.size())
                            ? QStringLiteral("%1 zetten").arg(in_all)
                            : QStringLiteral("%1 zetten, de beste %2 getoond").arg(in_all).arg(items.size()));
    lay_button->setEnabled(false);
    emit answered();
}

void BoardPage::show_failure(const QString& message) {
    moves->clear();
    count_line->setText(message);
    emit answered();
}

// The unseen tiles need no list: the engine answers them at once, here.
void BoardPage::show_unseen() {
    try {
        const UnseenTiles unseen = unseen_tiles(query());
        QString text = from_latin1(unseen.line());
        text[0] = text[0].toUpper();  // a line of its own, not a note under the moves
        for (const std::string& warning : unseen.warnings) text += QStringLiteral("\n") + from_latin1(warning);
        unseen_line->setText(text);
    } catch (const QueryError& error) {
        unseen_line->setText(from_latin1(error.message()));
    }
}

void BoardPage::show_chosen_move() {
    const QTreeWidgetItem* item = moves->currentItem();
    board->show_move(item ? to_latin1(item->text(place_column)) : std::string(), item ? to_latin1(item->text(word_column)) : std::string());
    lay_button->setEnabled(item != nullptr);
}

void BoardPage::lay_chosen_move() {
    const QTreeWidgetItem* item = moves->currentItem();
    if (!item) return;
    const QString rest = item->text(rest_column);
    board->show_move(to_latin1(item->text(place_column)), to_latin1(item->text(word_column)));
    const QSignalBlocker quiet(rack);
    rack->setText(rest);
    board->lay_shown_move();  // asks again for the new board and rack
}

void BoardPage::keep() {
    try {
        replace_file_whole(folder_ / kept_board_name, board->board_text(), kept_board_name);
    } catch (const FileError&) {
        // A board that cannot be kept is typed again next time; it is no error of the search.
    }
    kept_settings().setValue(QStringLiteral("rek"), rack->text());
    kept_settings().setValue(QStringLiteral("spel"), game->currentData());
}

void BoardPage::read_kept() {
    const QSignalBlocker quiet_rack(rack), quiet_game(game), quiet_board(board);
    rack->setText(kept_settings().value(QStringLiteral("rek")).toString());
    game->setCurrentIndex(std::max(0, game->findData(kept_settings().value(QStringLiteral("spel")))));
    show_layout_of_game();
    try {
        board->set_board(read_board_file(folder_ / kept_board_name, kept_board_name));
    } catch (const FileError&) {
    } catch (const QueryError&) {
    }
}

void BoardPage::open_board() {
    if (!file_dialogs_) return;
    const auto chosen = file_dialogs_->choose_file(FileDialogPurpose::open, QStringLiteral("Bord openen"));
    if (!chosen) return;
    try {
        board->set_board(read_board_file(chosen->toStdString(), to_latin1(*chosen)));
        changed();
    } catch (const FileError& error) {
        boxes_.show_message(BoxKind::warning, error.what());
    } catch (const QueryError& error) {
        boxes_.show_message(BoxKind::warning, error.message());
    }
}

void BoardPage::save_board() {
    if (!file_dialogs_) return;
    const auto chosen = file_dialogs_->choose_file(FileDialogPurpose::save, QStringLiteral("Bord bewaren"));
    if (!chosen) return;
    try {
        replace_file_whole(chosen->toStdString(), board->board_text(), to_latin1(*chosen));
    } catch (const FileError& error) {
        boxes_.show_message(BoxKind::warning, error.what());
    }
}

}  // namespace taalspoor
