#include "found_days_view.h"

#include "platform/locale_text.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kMarginPx = 3;

// Room for any date of the short format: two-digit days and months are the widest.
int DateColumnWidth(const QFontMetrics& metrics)
{
    const TDateTime widest[] = {EncodeDate(2000, 12, 28), EncodeDate(2000, 10, 30), EncodeDate(2008, 8, 8)};
    int width = 0;
    for (const TDateTime day : widest)
        width = std::max(width, metrics.horizontalAdvance(DateToStr(day)));
    return width;
}

// The line's three parts as they fit into `room` pixels: the text before the match gives way from
// its start first, then what follows and the match are cut at their ends.
struct LineParts {
    QString before;
    QString match;
    QString after;
};

LineParts FitLine(const QString& line, TextRange range, const QFontMetrics& normal, const QFontMetrics& bold, int room)
{
    LineParts parts{line.left(range.start), line.mid(range.start, range.length), line.mid(range.start + range.length)};
    const int matchWidth = bold.horizontalAdvance(parts.match);
    // Some of what follows stays in view too, up to a third of the row.
    const int afterWidth = std::min(normal.horizontalAdvance(parts.after), room / 3);
    if (normal.horizontalAdvance(parts.before) + matchWidth + afterWidth > room)
        parts.before = normal.elidedText(parts.before, Qt::ElideLeft, std::max(0, room - matchWidth - afterWidth));
    room -= normal.horizontalAdvance(parts.before);
    parts.match = bold.elidedText(parts.match, Qt::ElideRight, std::max(0, room));
    room -= bold.horizontalAdvance(parts.match);
    parts.after = normal.elidedText(parts.after, Qt::ElideRight, std::max(0, room));
    return parts;
}

// Draws `text` from `x` on the row's text line and returns where the next part begins.
int DrawPart(QPainter& painter, const QRect& row, int x, const QString& text)
{
    const QRect box(x, row.top(), row.right() - x + 1, row.height());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    return x + painter.fontMetrics().horizontalAdvance(text);
}

}  // namespace

void FoundDaysModel::SetHits(QVector<DiaryHit> hits)
{
    beginResetModel();
    hits_ = std::move(hits);
    endResetModel();
}

int FoundDaysModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(hits_.size()); }

QVariant FoundDaysModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= hits_.size())
        return {};
    const DiaryHit& hit = hits_[index.row()];
    switch (role) {
    case DateTextRole: return DateToStr(hit.day);
    case LineRole:
    case Qt::ToolTipRole: return hit.line;
    case MatchRole: return QPoint(int(hit.match.start), int(hit.match.length));
    case Qt::DisplayRole: return DateToStr(hit.day) + QStringLiteral("  ") + hit.line;
    default: return {};
    }
}

void FoundDayDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    item.text.clear();  // the background and focus only; the texts are drawn below
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QPalette::ColorGroup group = (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const QPalette::ColorRole role = (option.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    QFont bold = option.font;
    bold.setBold(true);
    const QFontMetrics normalMetrics(option.font);
    const QFontMetrics boldMetrics(bold);
    const QRect row = option.rect.adjusted(kMarginPx, 0, -kMarginPx, 0);
    const int lineLeft = row.left() + DateColumnWidth(normalMetrics) + 2 * normalMetrics.horizontalAdvance(QLatin1Char(' '));
    const QPoint match = index.data(FoundDaysModel::MatchRole).toPoint();
    const LineParts parts = FitLine(index.data(FoundDaysModel::LineRole).toString(), {match.x(), match.y()},
                                    normalMetrics, boldMetrics, row.right() + 1 - lineLeft);

    painter->save();
    painter->setPen(option.palette.color(group, role));
    painter->setFont(option.font);
    DrawPart(*painter, row, row.left(), index.data(FoundDaysModel::DateTextRole).toString());
    int x = DrawPart(*painter, row, lineLeft, parts.before);
    painter->setFont(bold);
    x = DrawPart(*painter, row, x, parts.match);
    painter->setFont(option.font);
    DrawPart(*painter, row, x, parts.after);
    painter->restore();
}

QSize FoundDayDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const
{
    const QFontMetrics metrics(option.font);
    return {DateColumnWidth(metrics) + 40 * metrics.averageCharWidth(), metrics.height() + 2 * kMarginPx};
}
