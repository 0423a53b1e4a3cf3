#pragma once

#include "report/expressions/engine_values.h"

#include <memory>

// The building engine as the report sees it. The engine lives in a library above the report, so a
// new report starts with a stand-in; installing the prepared pages store also installs the engine
// (InstallReportEngine).
class TfrxReportBuilder : public TfrxEngineValues {
public:
    // One build into the report's prepared pages; false when the band trees were wrong.
    virtual bool Run() = 0;
    virtual bool Running() const = 0;
    // Off during the first pass of a two-pass build.
    virtual bool FinalPass() const = 0;
};

// The stand-in: never running, and a build or a page number fails as it does without a prepared
// pages store.
std::unique_ptr<TfrxReportBuilder> MakeIdleReportBuilder();
