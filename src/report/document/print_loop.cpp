#include "print_loop.h"

#include "preview_pages.h"
#include "print_hooks.h"

#include "report/model/print_options.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/printers/print_texts.h"
#include "report/printers/printer.h"

#include "platform/canvas.h"
#include "platform/errors.h"
#include "platform/rounding.h"

#include <QCoreApplication>
#include <algorithm>

namespace {

constexpr double kMillimetresPerInch = 25.4;

// Opens the progress window for the job and closes it however the job ends.
class ProgressWindow {
public:
    explicit ProgressWindow(TfrxReport& report)
    {
        if (Hooks().ProgressStart)
            Hooks().ProgressStart(report);
    }
    ~ProgressWindow()
    {
        if (Hooks().ProgressStop)
            Hooks().ProgressStop();
    }
    static void Message(const QString& text)
    {
        if (Hooks().ProgressMessage)
            Hooks().ProgressMessage(text);
    }

private:
    static const TfrxPrintHooks& Hooks() { return frxPrintHooks(); }
};

}  // namespace

TfrxPrintLoop::TfrxPrintLoop(TfrxPreviewPages& pages, TfrxPrinter& printer, const TfrxPrintOptions& options,
                             TfrxDuplexMode duplex, QSizeF sheet)
    : pages_(pages), printer_(printer), options_(options), requestedDuplex_(duplex), sheet_(sheet)
{
}

bool TfrxPrintLoop::Run(const std::optional<std::vector<int>>& pageList)
{
    TfrxReport& report = *pages_.Report();
    report.SetTerminated(false);
    ProgressWindow progress(report);
    printer_.Title = report.ReportOptions()->Name();
    order_ = VisitOrder(pageList);
    try {
        RunPasses();
    } catch (...) {
        if (started_ && !aborted_)
            printer_.Abort();
        throw;
    }
    if (started_ && !aborted_)
        unfinished_ = !printer_.EndDoc();
    return !cancelled_ && !unfinished_;
}

// The pages to print, as indexes in the order of printing: entries outside the report and pages of
// the wrong parity left out.
std::vector<int> TfrxPrintLoop::VisitOrder(const std::optional<std::vector<int>>& pageList) const
{
    const int count = pages_.Count();
    std::vector<int> indexes;
    const int entries = pageList ? int(pageList->size()) : count;
    for (int i = 0; i < entries; ++i) {
        const int index = pageList ? (*pageList)[size_t(i)] - 1 : i;
        if (index < 0 || index >= count)
            continue;
        const bool odd = (index + 1) % 2 == 1;
        if ((options_.PrintPages() == ppOdd && !odd) || (options_.PrintPages() == ppEven && odd))
            continue;
        indexes.push_back(index);
    }
    if (options_.Reverse())
        std::reverse(indexes.begin(), indexes.end());
    return indexes;
}

bool TfrxPrintLoop::RunPasses()
{
    const int copies = std::max(options_.Copies(), 1);
    if (!options_.Collate())
        return Pass(1, copies);
    for (int copy = 1; copy <= copies; ++copy) {
        sheetsInPass_ = 0;
        if (!Pass(copy, 1))
            return false;
        // In a duplex job the next copy starts on a sheet of its own.
        const bool duplexJob = started_ && printer_.Mode().duplex != kSimplexMode;
        if (copy < copies && duplexJob && sheetsInPass_ % 2 == 1) {
            printer_.BeginPage();
            printer_.EndPage();
        }
        if (pages_.Report()->Terminated())
            return false;
    }
    return true;
}

bool TfrxPrintLoop::Pass(int copyNo, int deviceCopies)
{
    copyNo_ = copyNo;
    if (options_.PrintMode() == pmJoin)
        return JoinPages(deviceCopies);
    for (int index : order_) {
        const bool printed =
            options_.PrintMode() == pmSplit ? SplitPage(index, deviceCopies) : PrintPage(index, deviceCopies);
        if (!printed)
            return false;
    }
    return true;
}

void TfrxPrintLoop::PagePrinting(const TfrxReportPage& page) const
{
    TfrxReport& report = *pages_.Report();
    if (report.OnPrintPage)
        report.OnPrintPage(page, copyNo_);
}

bool TfrxPrintLoop::StopRequested()
{
    if (!pages_.Report()->Terminated())
        return false;
    if (started_ && !aborted_)
        printer_.Abort();
    aborted_ = true;
    return true;
}

int TfrxPrintLoop::BinOf(const TfrxReportPage& page)
{
    return usedBins_.insert(page.Bin()).second ? page.Bin() : page.BinOtherPages();
}

TfrxDuplexMode TfrxPrintLoop::DuplexOf(const TfrxReportPage& page) const
{
    return requestedDuplex_ != dmNone ? requestedDuplex_ : page.Duplex();
}

// pmDefault: the page's own paper; pmScale: the sheet, turned as the page is.
void TfrxPrintLoop::SetUpDevice(const TfrxReportPage& page, int deviceCopies)
{
    const int bin = BinOf(page);
    const TfrxDuplexMode duplex = DuplexOf(page);
    if (options_.PrintMode() == pmScale) {
        SetUpSheet(page.Orientation() == poLandscape, bin, duplex, deviceCopies);
        return;
    }
    const Setup setup{page.PaperSize(), RoundHalfEven(page.PaperWidth()), RoundHalfEven(page.PaperHeight()), bin,
                      page.Orientation(), duplex};
    if (setup_ == setup)
        return;
    printer_.SetPrintParams(page.PaperSize(), page.PaperWidth(), page.PaperHeight(), page.Orientation(), bin, duplex,
                            deviceCopies);
    setup_ = setup;
}

void TfrxPrintLoop::SetUpSheet(bool landscape, int bin, TfrxDuplexMode duplex, int deviceCopies)
{
    const TPrinterOrientation orientation = landscape ? poLandscape : poPortrait;
    const Setup setup{options_.PrintOnSheet(), 0, 0, bin, orientation, duplex};
    if (setup_ == setup)
        return;
    const double width = landscape ? sheet_.height() : sheet_.width();
    const double height = landscape ? sheet_.width() : sheet_.height();
    printer_.SetPrintParams(options_.PrintOnSheet(), width, height, orientation, bin, duplex, deviceCopies);
    setup_ = setup;
}

bool TfrxPrintLoop::StartSheet()
{
    if (!started_) {
        const DocStart start = printer_.BeginDoc();
        if (start == DocStart::Cancelled) {
            cancelled_ = true;
            return false;
        }
        if (start == DocStart::Failed)
            throw Exception(printer_.LastError());
        started_ = true;
    }
    printer_.BeginPage();
    return true;
}

void TfrxPrintLoop::FinishSheet(int number)
{
    ProgressWindow::Message(QString(kPrintingPageText).replace(QLatin1String("%d"), QString::number(number)));
    printer_.EndPage();
    ++sheetsInPass_;
    QCoreApplication::processEvents();
    pages_.ReleaseDecodedPages();
}

double TfrxPrintLoop::ToDeviceX(double millimetres) const { return millimetres * printer_.DPIX() / kMillimetresPerInch; }
double TfrxPrintLoop::ToDeviceY(double millimetres) const { return millimetres * printer_.DPIY() / kMillimetresPerInch; }

// Draws page `index` with its paper corner at the given place on the sheet (millimetres from the
// paper's corner; the device's origin is the corner of its printable area), enlarged sx × sy.
void TfrxPrintLoop::Draw(int index, double millimetresX, double millimetresY, double sx, double sy, QRect clip)
{
    PageDrawing drawing;
    drawing.scaleX = sx * printer_.DPIX() / 96;
    drawing.scaleY = sy * printer_.DPIY() / 96;
    drawing.offsetX = ToDeviceX(millimetresX - printer_.LeftMargin());
    drawing.offsetY = ToDeviceY(millimetresY - printer_.TopMargin());
    drawing.clip = clip;
    drawing.paint = [this, index, sx, sy](TCanvas& canvas, const PageDrawing& d) {
        const TfrxDrawContext texts{pages_.Count(), copyNo_, 1};
        const TfrxPagePainter& painter = pages_.Painter();
        if (sx == 1 && sy == 1) {
            painter.PaintPage(index, canvas, {d.scaleX, d.scaleY, d.offsetX, d.offsetY, dtPrinter, texts});
            return;
        }
        // Scaled pages: the painter carries the enlargement, so texts take it as well.
        QPainter& device = canvas.Painter();
        device.save();
        device.translate(d.offsetX, d.offsetY);
        device.scale(sx, sy);
        painter.PaintPage(index, canvas, {d.scaleX / sx, d.scaleY / sy, 0, 0, dtPrinter, texts});
        device.restore();
    };
    printer_.DrawPage(drawing);
}

bool TfrxPrintLoop::PrintPage(int index, int deviceCopies)
{
    if (StopRequested())
        return false;
    // Held here: the user's OnPrintPage may ask the store for other pages meanwhile.
    const std::shared_ptr<const TfrxReportPage> held = pages_.GetPage(index);
    const TfrxReportPage& page = *held;
    PagePrinting(page);
    SetUpDevice(page, deviceCopies);
    double sx = 1, sy = 1;
    if (options_.PrintMode() == pmScale) {
        sheet_ = QSizeF(printer_.PaperWidth(), printer_.PaperHeight());
        sx = sheet_.width() / page.PaperWidth();
        sy = sheet_.height() / page.PaperHeight();
    }
    if (!StartSheet())
        return false;
    Draw(index, 0, 0, sx, sy);
    FinishSheet(index + 1);
    return true;
}

// pmSplit: the page at full size over as many sheets as it needs, each sheet showing the next
// window of the page; neighbouring windows overlap by the splicing line.
bool TfrxPrintLoop::SplitPage(int index, int deviceCopies)
{
    // Held here: the user's OnPrintPage may ask the store for other pages meanwhile.
    const std::shared_ptr<const TfrxReportPage> held = pages_.GetPage(index);
    const TfrxReportPage& page = *held;
    PagePrinting(page);
    const double pw = page.PaperWidth(), ph = page.PaperHeight();
    const SheetFit first = SplitFit(pw, ph, sheet_.width(), sheet_.height());
    const QSizeF turned = first.turned ? sheet_.transposed() : sheet_;
    const double splice = options_.SplicingLine();
    const double rw = turned.width() - (first.across > 1 ? splice + printer_.LeftMargin() + printer_.RightMargin() : 0);
    const double rh = turned.height() - (first.down > 1 ? splice + printer_.TopMargin() + printer_.BottomMargin() : 0);
    const SheetFit fit = SplitFit(pw, ph, rw, rh);
    const bool landscape = first.turned != fit.turned;
    const QSizeF step = fit.turned ? QSizeF(rh, rw) : QSizeF(rw, rh);
    SetUpSheet(landscape, BinOf(page), DuplexOf(page), deviceCopies);
    const QRect printable(0, 0,
                          RoundHalfEven(ToDeviceX(printer_.PaperWidth() - printer_.LeftMargin() - printer_.RightMargin())),
                          RoundHalfEven(ToDeviceY(printer_.PaperHeight() - printer_.TopMargin() - printer_.BottomMargin())));
    for (int row = 0; row < fit.down; ++row) {
        for (int column = 0; column < fit.across; ++column) {
            if (StopRequested() || !StartSheet())
                return false;
            Draw(index, -column * step.width(), -row * step.height(), 1, 1, printable);
            FinishSheet(index + 1);
        }
    }
    return true;
}

// pmJoin: several pages on each sheet, rows of pages across, laid out by the first page's size.
// Without collation each page is repeated for its copies, since the device is set for one copy.
bool TfrxPrintLoop::JoinPages(int deviceCopies)
{
    if (order_.empty())
        return true;
    std::vector<int> sequence;
    for (int index : order_)
        sequence.insert(sequence.end(), size_t(deviceCopies), index);
    const std::shared_ptr<const TfrxReportPage> held = pages_.GetPage(sequence.front());
    const TfrxReportPage& first = *held;
    const double pw = first.PaperWidth(), ph = first.PaperHeight();
    const SheetFit fit = JoinFit(pw, ph, sheet_.width(), sheet_.height());
    SetUpSheet(fit.turned, first.Bin(), requestedDuplex_, 1);
    const size_t perSheet = size_t(fit.across) * size_t(fit.down);
    int sheetNo = 0;
    for (size_t k = 0; k < sequence.size(); ++k) {
        const size_t cell = k % perSheet;
        if (cell == 0) {
            if (k > 0)
                FinishSheet(sheetNo);
            if (StopRequested() || !StartSheet())
                return false;
            ++sheetNo;
        }
        if (pages_.Report()->OnPrintPage)
            PagePrinting(*pages_.GetPage(sequence[k]));
        Draw(sequence[k], double(cell % size_t(fit.across)) * pw, double(cell / size_t(fit.across)) * ph, 1, 1);
    }
    FinishSheet(sheetNo);
    return true;
}
