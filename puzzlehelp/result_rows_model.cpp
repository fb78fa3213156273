#include "puzzlehelp/result_rows_model.h"

#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "window_support/latin1_text.h"

namespace taalspoor {

void ResultRowsModel::set_outcome(SolverOutcome outcome) {
    beginResetModel();
    outcome_ = std::move(outcome);
    shown_ = std::min<std::size_t>(outcome_.rows.size(), batch);
    endResetModel();
}

bool ResultRowsModel::has_column(Column column) const {
    const SolverSearch* search = outcome_.search;
    switch (column) {
        case text_column: return true;
        case leftover_column: return search && search->columns.leftover;
        case explanation_column: return search && search->columns.explanation;
        case commonness_column: return !search || search->columns.count;
        case columns: break;
    }
    return false;
}

QString ResultRowsModel::text_of(const SolverRow& row) {
    return from_latin1(row.text).replace(QLatin1Char(set_word_separator), QStringLiteral(" · "));
}

int ResultRowsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : static_cast<int>(shown_); }

int ResultRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns; }

QVariant ResultRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= shown_) return {};
    const SolverRow& row = outcome_.rows[static_cast<std::size_t>(index.row())];
    const QString counted = QStringLiteral("%1 keer geteld").arg(QLocale(QLocale::Dutch).toString(static_cast<qulonglong>(row.count)));
    switch (index.column()) {
        case text_column:
            if (role == Qt::DisplayRole) return text_of(row);
            if (role == Qt::ToolTipRole) return sets() ? QStringLiteral("het minst gangbare woord: %1").arg(counted) : counted;
            break;
        case leftover_column:
            if (role == Qt::DisplayRole) return from_latin1(row.leftover);
            if (role == Qt::ToolTipRole) return QStringLiteral("de letters die overblijven");
            break;
        case explanation_column:
            if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return from_latin1(row.explanation);
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
    return !parent.isValid() && shown_ < outcome_.rows.size();
}

void ResultRowsModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    const std::size_t more = std::min<std::size_t>(outcome_.rows.size() - shown_, batch);
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

QSize CommonnessBarDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.fontMetrics.horizontalAdvance(QStringLiteral("Gangbaar")) + 12, option.fontMetrics.height() + 4};
}

}  // namespace taalspoor
