#include "print_job.h"

#include "preview_pages.h"
#include "print_hooks.h"
#include "print_layout.h"
#include "print_loop.h"

#include "report/model/report.h"
#include "report/printers/print_texts.h"
#include "report/printers/printer.h"

#include "platform/dialogs.h"

namespace {

void ErrorBox(const QString& text) { Dialogs().MessageBox(text, kErrorCaption, MB_OK | MB_ICONERROR); }

// The dialog's choices last for one job: the options come back as they were, except for the duplex
// asked for, which stays. A print to a file named by the dialog or the options ends with the job.
class RestoredAfterJob {
public:
    RestoredAfterJob(TfrxPrintOptions& options, TfrxPrinters& printers) : options_(options), printers_(printers)
    {
        saved_.Assign(options);
    }
    ~RestoredAfterJob()
    {
        options_.Assign(saved_);
        if (TfrxPrinter* printer = printers_.Printer())
            printer->FileName.clear();
    }

private:
    TfrxPrintOptions& options_;
    TfrxPrinters& printers_;
    TfrxPrintOptions saved_;
};

// The sheet of the modes other than the default one, in millimetres.
QSizeF MeasureSheet(TfrxPrinter& printer, int sheet)
{
    if (sheet == kCustomPaperNumber)
        printer.SetViewParams(kCustomPaperNumber, printer.PaperWidth(), printer.PaperHeight(), poPortrait);
    else
        printer.SetViewParams(sheet, 0, 0, poPortrait);
    return {printer.PaperWidth() > 0 ? printer.PaperWidth() : printer.DefPaperWidth(),
            printer.PaperHeight() > 0 ? printer.PaperHeight() : printer.DefPaperHeight()};
}

}  // namespace

TfrxPrintHooks& frxPrintHooks()
{
    static TfrxPrintHooks hooks;
    return hooks;
}

bool TfrxPrintJob::Run()
{
    TfrxReport& report = *pages_.Report();
    TfrxPrinters& printers = frxPrinters();
    if (!printers.HasPhysicalPrinters()) {
        ErrorBox(kNoPrintersText);
        return false;
    }
    TfrxPrintOptions& options = *report.PrintOptions();
    RestoredAfterJob restore(options, printers);
    TfrxDuplexMode duplex = options.Duplex();
    const int named = printers.IndexOf(options.Printer());
    if (named >= 0 && named != printers.PrinterIndex())
        printers.SetPrinterIndex(named);

    const TfrxPrintHooks& hooks = frxPrintHooks();
    if (options.ShowDialog() && hooks.ShowPrintDialog) {
        if (!hooks.ShowPrintDialog(report, duplex))
            return false;
        options.SetDuplex(duplex);
    }
    TfrxPrinter& printer = *printers.Printer();
    if (!options.PrnOutFileName().isEmpty())
        printer.FileName = options.PrnOutFileName();
    if (!printer.Initialized()) {
        ErrorBox(kInvalidPrinterText);
        return false;
    }
    const QSizeF sheet = options.PrintMode() == pmDefault ? QSizeF() : MeasureSheet(printer, options.PrintOnSheet());
    if (report.OnPrintReport)
        report.OnPrintReport(&report);
    const std::optional<std::vector<int>> pageList = ParsePageList(options.PageNumbers(), pages_.Count());
    pages_.ReleaseDecodedPages();
    TfrxPrintLoop loop(pages_, printer, options, duplex, sheet);
    const bool printed = loop.Run(pageList);
    if (loop.Unfinished())
        ErrorBox(printer.LastError());
    if (report.OnAfterPrintReport)
        report.OnAfterPrintReport(&report);
    return printed;
}

bool TfrxPreviewPages::Print() { return TfrxPrintJob(*this).Run(); }
