#pragma once

#include "platform/date_time.h"

// What the building engine tells expressions about the build in progress; the engine implements
// it and hands it to the report while it runs.
class TfrxEngineValues {
public:
    virtual ~TfrxEngineValues() = default;

    // When building started: the day (no time) and the time of day (no day).
    virtual TDateTime StartDate() const = 0;
    virtual TDateTime StartTime() const = 0;
    // "Page": the logical number of the page being built; "Page#": its index in the prepared
    // pages + 1.
    virtual int LogicalPageNo() const = 0;
    virtual int PhysicalPageNo() const = 0;
    // "TotalPages": the logical total (known in a double pass); "TotalPages#": the engine's page
    // count of the first pass, 0 in a single pass.
    virtual int LogicalTotalPages() const = 0;
    virtual int TotalPages() const = 0;
    // "Line" and "Line#": the row number of the data band being output and its running number.
    virtual int CurLine() const = 0;
    virtual int CurLineThrough() const = 0;
    virtual int TableRow() const { return 0; }
    virtual int TableColumn() const { return 0; }
};

// The values while nothing is being built: today, the current time and zeros.
const TfrxEngineValues& IdleEngineValues();
