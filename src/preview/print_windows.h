#pragma once

#include "report/document/print_hooks.h"

#include <memory>

class TfrxProgress;

// Plugs the print dialog and the progress window into printing for as long as it lives, and
// puts back what was plugged in before.
class TfrxPrintWindows {
public:
    // `currentPage` is what the dialog's "Current page" prints.
    explicit TfrxPrintWindows(int currentPage);
    ~TfrxPrintWindows();
    TfrxPrintWindows(const TfrxPrintWindows&) = delete;
    TfrxPrintWindows& operator=(const TfrxPrintWindows&) = delete;

    TfrxProgress* Progress() const { return progress_.get(); }

private:
    TfrxPrintHooks saved_;
    std::unique_ptr<TfrxProgress> progress_;
};
