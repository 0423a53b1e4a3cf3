#pragma once

#include "platform/canvas.h"

#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

// What every viewer remembers of the last search.
struct TfrxSearchState {
    QString text;
    bool caseSensitive = false;
    bool found = false;
    int foundPage = -1;          // 0-based page of the found record
    QRectF foundRect;            // in page pixels at zoom 1
    int lastRecord = -1;         // number of the last matching text record on the page
};
TfrxSearchState& SharedSearchState();

struct TfrxTextMatch {
    int record = -1;
    QRectF bounds;
};

// The first text record after `afterRecord` that contains `text`; without case sensitivity both
// are compared upper-cased.
std::optional<TfrxTextMatch> FindTextRecord(const std::vector<RecordedText>& records, const QString& text,
                                            bool caseSensitive, int afterRecord);

// The scroll position that brings `target` (in the area's contents) into a view of `viewSize`
// at `position`: each direction moves only when the target sticks out of the view.
QPoint PositionShowing(const QRect& target, QPoint position, QSize viewSize);
