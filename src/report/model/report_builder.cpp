#include "report_builder.h"

#include "report/base/report_texts.h"

#include "platform/errors.h"

namespace {

class IdleReportBuilder : public TfrxReportBuilder {
public:
    bool Run() override { throw Exception(kNoPreparedPagesText); }
    bool Running() const override { return false; }
    bool FinalPass() const override { return true; }
    TDateTime StartDate() const override { return 0; }
    TDateTime StartTime() const override { return 0; }
    int LogicalPageNo() const override { throw Exception(kNoPreparedPagesText); }
    int PhysicalPageNo() const override { throw Exception(kNoPreparedPagesText); }
    int LogicalTotalPages() const override { throw Exception(kNoPreparedPagesText); }
    int TotalPages() const override { return 0; }
    int CurLine() const override { return 0; }
    int CurLineThrough() const override { return 0; }
};

}  // namespace

std::unique_ptr<TfrxReportBuilder> MakeIdleReportBuilder() { return std::make_unique<IdleReportBuilder>(); }
