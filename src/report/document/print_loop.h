#pragma once

#include "print_layout.h"

#include "report/base/report_types.h"

#include "platform/printers.h"

#include <QSizeF>
#include <optional>
#include <set>
#include <vector>

class TfrxPreviewPages;
class TfrxPrinter;
class TfrxPrintOptions;
class TfrxReportPage;

// One print job over the prepared pages: copies and collation, page order and odd/even pages, and
// the four print modes. Device pages are started as late as possible and the document is ended
// (or aborted on a stop request) at the end.
class TfrxPrintLoop {
public:
    // `sheet` is the paper in millimetres for the modes other than pmDefault.
    TfrxPrintLoop(TfrxPreviewPages& pages, TfrxPrinter& printer, const TfrxPrintOptions& options,
                  TfrxDuplexMode duplex, QSizeF sheet);

    // `pageList` holds page numbers from 1, none for all pages. False when the document did not
    // start because its file dialog was cancelled, or when the device could not finish it.
    bool Run(const std::optional<std::vector<int>>& pageList);
    bool Unfinished() const { return unfinished_; }

private:
    // How the device was set up for the previous page.
    struct Setup {
        int paper = 0;
        int width = 0;
        int height = 0;
        int bin = 0;
        TPrinterOrientation orientation = poPortrait;
        TfrxDuplexMode duplex = dmNone;
        bool operator==(const Setup&) const = default;
    };

    std::vector<int> VisitOrder(const std::optional<std::vector<int>>& pageList) const;
    bool RunPasses();
    // One pass over the pages; false when it was stopped.
    bool Pass(int copyNo, int deviceCopies);
    bool PrintPage(int index, int deviceCopies);
    bool SplitPage(int index, int deviceCopies);
    bool JoinPages(int deviceCopies);
    void SetUpDevice(const TfrxReportPage& page, int deviceCopies);
    void SetUpSheet(bool landscape, int bin, TfrxDuplexMode duplex, int deviceCopies);
    int BinOf(const TfrxReportPage& page);
    TfrxDuplexMode DuplexOf(const TfrxReportPage& page) const;
    // Tells the report which page goes out, with the copy number of the pass.
    void PagePrinting(const TfrxReportPage& page) const;
    // The stop request: aborts the document.
    bool StopRequested();
    bool StartSheet();
    void FinishSheet(int number);
    void Draw(int index, double millimetresX, double millimetresY, double sx, double sy, QRect clip = {});
    double ToDeviceX(double millimetres) const;
    double ToDeviceY(double millimetres) const;

    TfrxPreviewPages& pages_;
    TfrxPrinter& printer_;
    const TfrxPrintOptions& options_;
    TfrxDuplexMode requestedDuplex_;
    QSizeF sheet_;
    std::vector<int> order_;
    std::optional<Setup> setup_;
    std::set<int> usedBins_;
    int sheetsInPass_ = 0;
    int copyNo_ = 1;
    bool started_ = false;
    bool aborted_ = false;
    bool cancelled_ = false;
    bool unfinished_ = false;
};
