#include "puzzlehelp/result_rows_model.h"

#include <QLocale>
#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "window_support/latin1_text.h"

namespace taalspoor {

void ResultRowsModel::set_outcome(std::shared_ptr<const SolverOutcome> outcome) {
    beginResetModel();
    outcome_ = std::move(outcome);
    shown_ = std::min<std::size_t>(outcome_->rows.size(), batch);
    endResetModel();
}

bool ResultRowsModel::has_column(Column column) const {
    const SolverSearch* search = outcome_->search;
    switch (column) {
        case text_column: return true;
        case leftover_column: return search && search->columns.leftover;
        case explanation_column: return search && search->columns.explanation;
        case commonness_column: return !search || search->columns.count;
        case columns: break;
    }
    return false;
}

QString shown_part(const QString& text, int most) {
    if (text.size() <= most) return text;
    const QString gap = QStringLiteral("…");
    // What a search found stands between [ and ]: that part stays, with as much around it
    // as fits, else the middle goes.
    const int open = text.indexOf(QLatin1Char('[')), close = text.indexOf(QLatin1Char(']'), open + 1);
    int from = (text.size() - most) / 2;
    if (open >= 0 && close > open && close - open < most - 2) from = std::clamp(open - (most - (close + 1 - open)) / 2, 0, static_cast<int>(text.size()) - most);
    else return text.left(most / 2) + gap + text.right(most - most / 2 - 1);
    return (from > 0 ? gap : QString()) + text.mid(from, most) + (from + most < text.size() ? gap : QString());
}

QString tip_of(const QString& text) {
    constexpr int line = 80, lines = 4;
    const QString kept = shown_part(text, line * lines);
    QStringList out;
    for (int at = 0; at < kept.size(); at += line) out << kept.mid(at, line);
    return out.join(QLatin1Char('\n'));
}

QString ResultRowsModel::text_of(const SolverRow& row) {
    return from_latin1(row.text).replace(QLatin1Char(set_word_separator), QStringLiteral(" · "));
}

int ResultRowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(shown_); }

int ResultRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns; }

QVariant ResultRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= shown_) return {};
    const SolverRow& row = outcome_->rows[static_cast<std::size_t>(index.row())];
    const QString counted = QStringLiteral("%1 keer geteld").arg(QLocale(QLocale::Dutch).toString(static_cast<qulonglong>(row.count)));
    switch (index.column()) {
        case text_column:
            if (role == Qt::DisplayRole) return text_of(row);
            if (role == Qt::ToolTipRole) {
                if (sets()) return QStringLiteral("het minst gangbare woord: %1").arg(counted);
                return row.blanks.empty() ? counted : QStringLiteral("%1; de onderstreepte letters legt u met een blanco").arg(counted);
            }
            break;
        // The view is given what it shows: a text of thousands of letters would make it
        // measure and draw them all, row after row.
        case leftover_column:
            if (role == Qt::DisplayRole) return shown_part(from_latin1(row.leftover), longest_cell);
            if (role == Qt::ToolTipRole)
                return QStringLiteral("de %1 letters die overblijven:\n%2").arg(row.leftover.size()).arg(tip_of(from_latin1(row.leftover)));
            break;
        case explanation_column:
            if (role == Qt::DisplayRole) return shown_part(from_latin1(row.explanation), longest_cell);
            if (role == Qt::ToolTipRole) return tip_of(from_latin1(row.explanation));
            break;
        case commonness_column:
            if (role == Qt::DisplayRole) return static_cast<qulonglong>(row.count);
            if (role == Qt::ToolTipRole) return counted;
            break;
    }
    return {};
}

QVariant ResultRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case text_column: return sets() ? QStringLiteral("Combinatie") : QStringLiteral("Woord");
        case leftover_column: return QStringLiteral("Over");
        case explanation_column: return QStringLiteral("Uitleg");
        case commonness_column: return QStringLiteral("Gangbaar");
    }
    return {};
}

bool ResultRowsModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && shown_ < outcome_->rows.size();
}

void ResultRowsModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    const std::size_t more = std::min<std::size_t>(outcome_->rows.size() - shown_, batch);
    beginInsertRows({}, static_cast<int>(shown_), static_cast<int>(shown_ + more - 1));
    shown_ += more;
    endInsertRows();
}

double CommonnessBarDelegate::share_of(std::uint32_t count) {
    // The most common word of the table, "de", is counted 402,195 times: about 10^5.6.
    return std::clamp(std::log10(1.0 + count) / 5.6, 0.0, 1.0);
}

void CommonnessBarDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    plain.text.clear();
    QStyledItemDelegate::paint(painter, plain, QModelIndex());
    const double share = share_of(static_cast<std::uint32_t>(index.data().toULongLong()));
    const QRect area = option.rect.adjusted(4, option.rect.height() / 4, -4, -option.rect.height() / 4);
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(option.palette.color(QPalette::Midlight));
    painter->drawRect(area);
    painter->setBrush(QColor(0x2e, 0x8b, 0x57));  // sea green
    painter->drawRect(QRect(area.topLeft(), QSize(static_cast<int>(area.width() * share), area.height())));
    painter->restore();
}

void BlankLettersDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const auto* rows = qobject_cast<const ResultRowsModel*>(index.model());
    const SolverRow* row = rows ? &rows->all_rows()[static_cast<std::size_t>(index.row())] : nullptr;
    if (!row || row->blanks.empty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem plain = option;
    initStyleOption(&plain, index);
    const QString text = plain.text;  // a word from letters: one character a byte
    plain.text.clear();
    QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, option.widget);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &plain, option.widget).adjusted(2, 0, -2, 0);
    const bool selected = option.state & QStyle::State_Selected;
    QFont marked = option.font;
    marked.setUnderline(true);
    marked.setBold(true);
    painter->save();
    int x = area.left();
    std::size_t at = 0;
    const auto draw = [&](std::size_t from, std::size_t to, bool blank) {
        if (from >= to) return;
        const QString part = text.mid(static_cast<int>(from), static_cast<int>(to - from));
        painter->setFont(blank ? marked : option.font);
        painter->setPen(blank && !selected ? blank_colour : option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(QRect(x, area.top(), area.right() - x, area.height()), Qt::AlignLeft | Qt::AlignVCenter, part);
        x += QFontMetrics(painter->font()).horizontalAdvance(part);
    };
    for (const BlankSquare& blank : row->blanks) {
        draw(at, blank.at, false);
        draw(blank.at, blank.at + blank.size, true);
        at = blank.at + blank.size;
    }
    draw(at, static_cast<std::size_t>(text.size()), false);
    painter->restore();
}

QSize CommonnessBarDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.fontMetrics.horizontalAdvance(QStringLiteral("Gangbaar")) + 12, option.fontMetrics.height() + 4};
}

}  // namespace taalspoor
