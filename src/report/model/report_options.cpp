#include "report_options.h"

#include "platform/clock.h"

TfrxReportOptions::TfrxReportOptions(QObject* owner) : TfrxPersistent(owner), createDate_(Now()), lastChange_(createDate_) {}
