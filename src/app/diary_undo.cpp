#include "diary_undo.h"

namespace {

qsizetype BytesOf(const DayRows& rows)
{
    qsizetype bytes = 0;
    for (const StoredRow& row : rows)
        bytes += row.text.size() + row.date.size();
    return bytes;
}

qsizetype BytesOf(const QList<DayChange>& steps)
{
    qsizetype bytes = 0;
    for (const DayChange& step : steps)
        bytes += BytesOf(step.before) + BytesOf(step.after);
    return bytes;
}

}  // namespace

void DiaryUndo::Record(const DayChange& change)
{
    if (!change.Changed())
        return;
    done_.append(change);
    undone_.clear();
    DropOldest();
}

void DiaryUndo::DropOldest()
{
    while (done_.size() > kMaxSteps)
        done_.removeFirst();
    // The newest step stays, whatever its size: it is the one the user may want back now.
    while (done_.size() > 1 && BytesOf(done_) > kMaxBytes)
        done_.removeFirst();
}
