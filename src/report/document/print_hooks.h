#pragma once

#include "report/base/report_types.h"

#include <QString>
#include <functional>

class TfrxReport;

// The windows printing opens, plugged in by the preview. Without them printing asks nothing and
// shows no progress.
struct TfrxPrintHooks {
    // The print dialog over the report's print options: true for OK. It may change the current
    // printer and its file name, and gives the duplex the user asked for.
    std::function<bool(TfrxReport& report, TfrxDuplexMode& duplex)> ShowPrintDialog;
    // The progress window: opened for the job, told each message, closed at the end. Its Cancel
    // sets the report's stop request.
    std::function<void(TfrxReport& report)> ProgressStart;
    std::function<void(const QString& message)> ProgressMessage;
    std::function<void()> ProgressStop;
};

TfrxPrintHooks& frxPrintHooks();
