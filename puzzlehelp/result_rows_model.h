#pragma once
// The rows of the Puzzelhulp window: the word (or the words of a set, separated by
// " · "), the letters left over, the explanation, and how common it is, as the search
// that gave them has them. A search may give hundreds of thousands of words; the view
// gets them 200 at a time as it scrolls down, so nothing is cut and nothing waits.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <memory>
#include <vector>

#include "search/solver_table/solver_table.h"

namespace taalspoor {

// A long text as a cell shows it: at most `most` characters, the middle left out, or
// where it has a part between [ and ] (what a search found), that part with what fits
// around it.
QString shown_part(const QString& text, int most);
// A long text as a tool tip shows it: at most a few lines.
QString tip_of(const QString& text);

class ResultRowsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { text_column, leftover_column, explanation_column, commonness_column, columns };
    static constexpr int batch = 200;
    // The most characters a cell shows of a leftover or an explanation.
    static constexpr int longest_cell = 60;

    using QAbstractTableModel::QAbstractTableModel;

    // The rows of a new answer; the first batch is shown at once.
    void set_outcome(std::shared_ptr<const SolverOutcome> outcome);
    void clear() { set_outcome(std::make_shared<const SolverOutcome>()); }
    const std::vector<SolverRow>& all_rows() const { return outcome_->rows; }
    // The search that gave the rows; none before the first answer.
    const SolverSearch* search() const { return outcome_->search; }
    std::size_t shown() const { return shown_; }
    // Does the search give this column?
    bool has_column(Column column) const;
    // The row's text as the list shows it.
    static QString text_of(const SolverRow& row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    bool sets() const { return outcome_->search && outcome_->search->columns.sets; }

    std::shared_ptr<const SolverOutcome> outcome_ = std::make_shared<const SolverOutcome>();
    std::size_t shown_ = 0;
};

// Draws a word from letters with the squares a blank stands for underlined, in bold and
// in a colour of their own: the player sees which letter the blank must be.
class BlankLettersDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    static inline const QColor blank_colour{0xb0, 0x30, 0x60};
};

// Draws how common a word is as a small bar: the count on a scale of tens, so that a
// word counted once has a sliver and the most common words of Dutch a full bar.
class CommonnessBarDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // From 0 (never counted) to 1.
    static double share_of(std::uint32_t count);
};

}  // namespace taalspoor
