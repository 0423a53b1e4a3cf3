#include "text_search.h"

namespace {

// Room left beyond a found text when the view moves to it.
constexpr int kFoundMargin = 20;

int AxisShowing(int low, int high, int position, int extent)
{
    if (low < position || high > position + extent)
        return high - extent + kFoundMargin;
    return position;
}

}  // namespace

TfrxSearchState& SharedSearchState()
{
    static TfrxSearchState state;
    return state;
}

std::optional<TfrxTextMatch> FindTextRecord(const std::vector<RecordedText>& records, const QString& text,
                                            bool caseSensitive, int afterRecord)
{
    const QString wanted = caseSensitive ? text : text.toUpper();
    for (int i = std::max(0, afterRecord + 1); i < int(records.size()); ++i) {
        const QString& recorded = records[size_t(i)].text;
        if ((caseSensitive ? recorded : recorded.toUpper()).contains(wanted))
            return TfrxTextMatch{i, records[size_t(i)].bounds};
    }
    return std::nullopt;
}

QPoint PositionShowing(const QRect& target, QPoint position, QSize viewSize)
{
    // The platform's rectangles end outside the shape.
    return {AxisShowing(target.left(), target.right() + 1, position.x(), viewSize.width()),
            AxisShowing(target.top(), target.bottom() + 1, position.y(), viewSize.height())};
}
