#pragma once

#include "diary/history/day_writes.h"

#include <QList>

// The diary writes of this run that can be undone and redone, newest last. Holds the rows of
// each step; the oldest steps go when there are too many or their texts grow too large.
class DiaryUndo {
public:
    static constexpr qsizetype kMaxSteps = 500;
    static constexpr qsizetype kMaxBytes = 64 * 1024 * 1024;

    // A write made: it can be undone, and nothing undone before can be redone any more. A write
    // that changed nothing is no step.
    void Record(const DayChange& change);

    // The step Undo (Redo) would take back (do again); null when there is none.
    const DayChange* NextUndo() const { return done_.isEmpty() ? nullptr : &done_.last(); }
    const DayChange* NextRedo() const { return undone_.isEmpty() ? nullptr : &undone_.last(); }
    // After the step was put back (done again) in the diary.
    void Undone() { undone_.append(done_.takeLast()); }
    void Redone() { done_.append(undone_.takeLast()); }

private:
    void DropOldest();

    QList<DayChange> done_;
    QList<DayChange> undone_;
};
