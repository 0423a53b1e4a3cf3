#pragma once

#include "diary/find/diary_search.h"

#include <QAbstractListModel>
#include <QStyledItemDelegate>

// The days Find in Diary found, one row each: the day in the user's short date format and the
// first matching line.
class FoundDaysModel : public QAbstractListModel {
public:
    enum Role {
        DateTextRole = Qt::UserRole,
        LineRole,
        MatchRole,  // QPoint(start, length) of the match in the line
    };

    using QAbstractListModel::QAbstractListModel;

    void SetHits(QVector<DiaryHit> hits);
    const QVector<DiaryHit>& Hits() const { return hits_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    QVector<DiaryHit> hits_;
};

// Draws a found day: the date in a column as wide as a long date of the short format, then the
// line with the match in bold. A line too long for the row gives way around the match, so the
// match stays in view.
class FoundDayDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
