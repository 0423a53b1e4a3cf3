#pragma once

#include "report/base/report_types.h"

#include "platform/printers.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

// A paper or bin of a printer's lists: its name and its number.
struct TfrxPrinterItem {
    QString name;
    int number = 0;
};

// One printer of the list: its papers, bins and resolution, the current paper set-up, and the
// job. Sizes and margins are millimetres.
class TfrxPrinter {
public:
    // `open` makes the device when the printer is first initialised.
    TfrxPrinter(QString name, std::function<std::unique_ptr<PrinterDevice>()> open);
    ~TfrxPrinter();

    // Reads the driver's defaults and capabilities once. A printer that cannot be opened stays
    // uninitialised; one that reports no resolution says "Printer selected is not valid".
    void Init();
    bool Initialized() const { return initialized_; }
    bool Printing() const { return printing_; }

    QString Name() const { return name_; }
    QString Port() const { return port_; }
    // "Custom" (256) first, then the driver's papers; "Default" (7) first, then the driver's bins.
    const std::vector<TfrxPrinterItem>& Papers() const { return papers_; }
    const std::vector<TfrxPrinterItem>& Bins() const { return bins_; }
    int DPIX() const { return dpiX_; }
    int DPIY() const { return dpiY_; }
    double PaperWidth() const { return paperWidth_; }
    double PaperHeight() const { return paperHeight_; }
    double LeftMargin() const { return leftMargin_; }
    double TopMargin() const { return topMargin_; }
    double RightMargin() const { return rightMargin_; }
    double BottomMargin() const { return bottomMargin_; }

    int DefPaper() const { return defPaper_; }
    int DefBin() const { return defBin_; }
    int DefDuplex() const { return defDuplex_; }
    TPrinterOrientation DefOrientation() const { return defOrientation_; }
    double DefPaperWidth() const { return defPaperWidth_; }
    double DefPaperHeight() const { return defPaperHeight_; }

    int Paper() const { return paper_; }
    TPrinterOrientation Orientation() const { return orientation_; }
    // Chosen in the driver's Properties dialog, for the next job; -1 for none.
    int Bin() const { return bin_; }
    int Duplex() const { return duplex_; }

    // When set, the job goes into this file.
    QString FileName;
    QString Title;

    // The paper for display and measuring: a listed paper sets the size and margins the device
    // reports; another number sets the given size (millimetres) as a custom one.
    void SetViewParams(int paper, double width, double height, TPrinterOrientation orientation);
    // The device set-up for the next pages: paper (size in millimetres for the custom one),
    // orientation, bin, duplex (the platform's number, see DuplexNumber) and copies.
    void SetPrintParams(int paper, double width, double height, TPrinterOrientation orientation, int bin,
                        TfrxDuplexMode duplex, int copies);

    // Starts the document: its name is Title, or the library's when that is empty.
    DocStart BeginDoc();
    QString LastError() const;
    void BeginPage();
    void DrawPage(const PageDrawing& drawing);
    void EndPage();
    // False when the device could not finish the document (LastError says why); the printer is
    // back at rest either way. The Properties choices end with the job.
    bool EndDoc();
    void Abort();
    // The driver's Properties dialog; true when it was confirmed.
    bool PropertiesDlg();

    int PaperIndex(int number) const;
    int BinIndex(int number) const;
    // The number of the named paper or bin; the first entry's (256, 7) for an unknown name.
    int PaperNameToNumber(const QString& name) const;
    int BinNameToNumber(const QString& name) const;

    // The device mode the next pages get, for tests and the dialogs.
    const DeviceMode& Mode() const { return mode_; }

private:
    bool ReadCapabilities();
    void FillLists();
    int DuplexNumber(TfrxDuplexMode duplex) const;

    QString name_;
    QString port_;
    std::function<std::unique_ptr<PrinterDevice>()> open_;
    std::unique_ptr<PrinterDevice> device_;
    DeviceMode mode_;
    std::vector<TfrxPrinterItem> papers_;
    std::vector<TfrxPrinterItem> bins_;
    int dpiX_ = 0;
    int dpiY_ = 0;
    double paperWidth_ = 0;
    double paperHeight_ = 0;
    double leftMargin_ = 0;
    double topMargin_ = 0;
    double rightMargin_ = 0;
    double bottomMargin_ = 0;
    int defPaper_ = 0;
    int defBin_ = kAutomaticBin;
    int defDuplex_ = kSimplexMode;
    TPrinterOrientation defOrientation_ = poPortrait;
    double defPaperWidth_ = 0;
    double defPaperHeight_ = 0;
    int paper_ = 0;
    TPrinterOrientation orientation_ = poPortrait;
    int bin_ = -1;
    int duplex_ = -1;
    bool initialized_ = false;
    bool printing_ = false;
};

// The printers of the system, sorted by name; one list per program, built on first use.
class TfrxPrinters {
public:
    TfrxPrinters();

    const QStringList& Printers() const { return names_; }
    int Count() const { return int(printers_.size()); }
    TfrxPrinter& Items(int index) const { return *printers_.at(size_t(index)); }
    // False when the system has none: the list then holds the virtual printer only.
    bool HasPhysicalPrinters() const { return hasPhysicalPrinters_; }
    int IndexOf(const QString& name) const;

    int PrinterIndex() const { return printerIndex_; }
    // -1 selects the system's default printer. The chosen printer is initialised.
    void SetPrinterIndex(int index);
    TfrxPrinter* Printer() const { return printerIndex_ >= 0 ? printers_.at(size_t(printerIndex_)).get() : nullptr; }

private:
    QStringList names_;
    std::vector<std::unique_ptr<TfrxPrinter>> printers_;
    bool hasPhysicalPrinters_ = false;
    int printerIndex_ = -1;
};

// The list, rebuilt when another spooler has been installed since it was made.
TfrxPrinters& frxPrinters();

// The printer that stands in when the system has none: 600 dots per inch, A4 portrait and the
// standard papers. It prints nothing.
std::unique_ptr<PrinterDevice> CreateVirtualPrinter();
