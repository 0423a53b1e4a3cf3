#pragma once

class TfrxPreviewPages;

// One printing of a store's pages to the printer the report's print options name, through the
// print dialog when the options ask for it. The dialog's choices last for this job only, except
// for the duplex asked for.
class TfrxPrintJob {
public:
    explicit TfrxPrintJob(TfrxPreviewPages& pages) : pages_(pages) {}

    // False without a printer, when the dialog is cancelled or when the document could not be
    // started.
    bool Run();

private:
    TfrxPreviewPages& pages_;
};
