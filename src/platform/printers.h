#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class TCanvas;

// The spooler as the report library sees it: the list of printers, what each printer can do, and
// print jobs. Numbers follow the platform's device mode: papers and bins by their standard
// numbers, orientation 1 portrait / 2 landscape, duplex 1 simplex / 2 vertical / 3 horizontal.

constexpr int kPortraitMode = 1;
constexpr int kLandscapeMode = 2;
constexpr int kSimplexMode = 1;
constexpr int kVerticalDuplexMode = 2;
constexpr int kHorizontalDuplexMode = 3;
constexpr int kCustomPaperNumber = 256;
constexpr int kAutomaticBin = 7;

// How the next pages are to be printed.
struct DeviceMode {
    int paper = 9;
    // Tenths of a millimetre, used for the custom paper only.
    int paperWidth = 0;
    int paperLength = 0;
    int orientation = kPortraitMode;
    int copies = 1;
    bool collate = false;
    int bin = kAutomaticBin;
    int duplex = kSimplexMode;
    bool operator==(const DeviceMode&) const = default;
};

struct PrinterPaper {
    int number = 0;
    QString name;
};

struct PrinterBin {
    int number = 0;
    QString name;
};

// What the device reports for a mode, in device pixels.
struct DeviceCaps {
    int dpiX = 0;
    int dpiY = 0;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    int printableWidth = 0;
    int printableHeight = 0;
};

// One report page put on the device page: the scale and offset (device pixels) that the painting
// uses, and a clip in device pixels (empty for none).
struct PageDrawing {
    double scaleX = 1;
    double scaleY = 1;
    double offsetX = 0;
    double offsetY = 0;
    QRect clip;
    std::function<void(TCanvas& canvas, const PageDrawing& drawing)> paint;
};

// Paints the drawing on a device page, inside its clip.
void PaintDrawing(QPainter& painter, const PageDrawing& drawing);

// Why a document did not start.
enum class DocStart { Started, Cancelled, Failed };

// One printer: its capabilities and its jobs. A job is BeginDoc, then pages (SetMode before a page
// whose set-up differs), then EndDoc or Abort.
class PrinterDevice {
public:
    virtual ~PrinterDevice() = default;

    virtual QString Name() const = 0;
    virtual QString Port() const = 0;
    // The driver's current settings; none when the printer cannot be opened.
    virtual std::optional<DeviceMode> DefaultMode() = 0;
    virtual std::vector<PrinterPaper> Papers() = 0;
    virtual std::vector<PrinterBin> Bins() = 0;
    virtual DeviceCaps Capabilities(const DeviceMode& mode) = 0;
    // The driver's own dialog on the mode; false when it was cancelled.
    virtual bool PropertiesDialog(DeviceMode& mode) = 0;

    // `fileName` non-empty: the job goes into that file instead of the device.
    virtual DocStart BeginDoc(const QString& title, const QString& fileName, const DeviceMode& mode) = 0;
    // Why the last BeginDoc failed.
    virtual QString LastError() const { return QString(); }
    virtual void SetMode(const DeviceMode& mode) = 0;
    virtual void BeginPage() = 0;
    virtual void DrawPage(const PageDrawing& drawing) = 0;
    virtual void EndPage() = 0;
    // False when the system reported an error while finishing the document.
    virtual bool EndDoc() = 0;
    virtual void Abort() = 0;
};

// The printers of the system.
class Spooler {
public:
    virtual ~Spooler() = default;
    virtual QStringList PrinterNames() = 0;
    // Empty when the system has none.
    virtual QString DefaultPrinterName() = 0;
    virtual std::unique_ptr<PrinterDevice> OpenPrinter(const QString& name) = 0;
};

// The installed spooler: the system's printers and "Print to PDF" unless a test installed another.
Spooler& Printers();
// Installs a spooler (not owned); nullptr restores the system's.
void SetSpooler(Spooler* spooler);
// Changes whenever another spooler is installed, so that lists built from the old one are rebuilt.
int SpoolerGeneration();

// The built-in printer that writes PDF files.
inline const QString kPdfPrinterName = QStringLiteral("Print to PDF");
std::unique_ptr<PrinterDevice> CreatePdfPrinter();
