#include "engine_values.h"

#include "platform/clock.h"

#include <cmath>

namespace {

class IdleValues : public TfrxEngineValues {
public:
    TDateTime StartDate() const override { return Today(); }
    TDateTime StartTime() const override
    {
        const TDateTime now = Now();
        return now - std::trunc(now);
    }
    int LogicalPageNo() const override { return 0; }
    int PhysicalPageNo() const override { return 0; }
    int LogicalTotalPages() const override { return 0; }
    int TotalPages() const override { return 0; }
    int CurLine() const override { return 0; }
    int CurLineThrough() const override { return 0; }
};

}  // namespace

const TfrxEngineValues& IdleEngineValues()
{
    static const IdleValues idle;
    return idle;
}
