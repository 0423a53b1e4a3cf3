#pragma once

#include "preview.h"

// The viewer's drawing frozen while it prints, saves or loads, with a note over the pages when
// one is given; released however the work ends.
class LockedViewer {
public:
    explicit LockedViewer(TfrxPreview& viewer, const QString& message = QString()) : viewer_(viewer)
    {
        viewer_.Lock();
        if (!message.isEmpty())
            viewer_.ShowMessage(message);
    }
    ~LockedViewer() { viewer_.Unlock(); }
    LockedViewer(const LockedViewer&) = delete;
    LockedViewer& operator=(const LockedViewer&) = delete;

private:
    TfrxPreview& viewer_;
};
