// The system's printers through Qt Print Support.
#include "qt_printers.h"


#include <QApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <set>

namespace {

// Paper sources in the order of Qt's enumeration, with their standard bin numbers.
struct SourceBin {
    QPrinter::PaperSource source;
    int bin;
    const char* name;
};
constexpr SourceBin kSourceBins[] = {
    {QPrinter::OnlyOne, 1, "Only one"},          {QPrinter::Lower, 2, "Lower"},
    {QPrinter::Middle, 3, "Middle"},             {QPrinter::Manual, 4, "Manual"},
    {QPrinter::Envelope, 5, "Envelope"},         {QPrinter::EnvelopeManual, 6, "Envelope manual"},
    {QPrinter::Auto, 7, "Automatically select"}, {QPrinter::Tractor, 8, "Tractor"},
    {QPrinter::SmallFormat, 9, "Small format"},  {QPrinter::LargeFormat, 10, "Large format"},
    {QPrinter::LargeCapacity, 11, "Large capacity"}, {QPrinter::Cassette, 14, "Cassette"},
    {QPrinter::FormSource, 15, "Form source"},
};

QPrinter::DuplexMode QtDuplex(int duplex)
{
    switch (duplex) {
    case kVerticalDuplexMode: return QPrinter::DuplexLongSide;
    case kHorizontalDuplexMode: return QPrinter::DuplexShortSide;
    default: return QPrinter::DuplexNone;
    }
}

int DuplexOf(QPrinter::DuplexMode mode)
{
    switch (mode) {
    case QPrinter::DuplexLongSide:
    case QPrinter::DuplexAuto: return kVerticalDuplexMode;
    case QPrinter::DuplexShortSide: return kHorizontalDuplexMode;
    default: return kSimplexMode;
    }
}

class QtPrinterDevice final : public PrinterDevice {
public:
    explicit QtPrinterDevice(const QPrinterInfo& info) : info_(info), printer_(info, QPrinter::HighResolution) {}

    QString Name() const override { return info_.printerName(); }
    QString Port() const override { return info_.location().isEmpty() ? info_.printerName() : info_.location(); }

    std::optional<DeviceMode> DefaultMode() override
    {
        if (info_.isNull())
            return std::nullopt;
        DeviceMode mode;
        const QPageLayout layout = printer_.pageLayout();
        mode.paper = PaperNumberOf(layout.pageSize());
        const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
        mode.paperWidth = int(size.width() * 10);
        mode.paperLength = int(size.height() * 10);
        mode.orientation = layout.orientation() == QPageLayout::Landscape ? kLandscapeMode : kPortraitMode;
        mode.duplex = DuplexOf(info_.defaultDuplexMode());
        return mode;
    }

    std::vector<PrinterPaper> Papers() override { return StandardPapers(info_.supportedPageSizes()); }

    // Qt names the paper sources of a printer on Windows only; elsewhere the automatic bin is
    // the one there is.
    std::vector<PrinterBin> Bins() override
    {
        std::vector<PrinterBin> bins;
        for (QPrinter::PaperSource source : PaperSources())
            for (const SourceBin& known : kSourceBins)
                if (known.source == source)
                    bins.push_back({known.bin, QString::fromLatin1(known.name)});
        return bins;
    }

    DeviceCaps Capabilities(const DeviceMode& mode) override
    {
        if (!painter_.isActive())
            ApplyMode(mode);
        const int dpi = printer_.resolution();
        const QRectF paper = printer_.paperRect(QPrinter::DevicePixel);
        const QRectF printable = printer_.pageRect(QPrinter::DevicePixel);
        return {dpi, dpi, int(paper.width()), int(paper.height()), int(printable.left()), int(printable.top()),
                int(printable.width()), int(printable.height())};
    }

    bool PropertiesDialog(DeviceMode& mode) override
    {
        ApplyMode(mode);
        QPrintDialog dialog(&printer_, QApplication::activeWindow());
        dialog.setOptions({});
        if (dialog.exec() != QDialog::Accepted)
            return false;
        mode.paper = PaperNumberOf(printer_.pageLayout().pageSize());
        mode.orientation = printer_.pageLayout().orientation() == QPageLayout::Landscape ? kLandscapeMode : kPortraitMode;
        mode.duplex = DuplexOf(printer_.duplex());
        for (const SourceBin& known : kSourceBins)
            if (known.source == printer_.paperSource())
                mode.bin = known.bin;
        return true;
    }

    DocStart BeginDoc(const QString& title, const QString& fileName, const DeviceMode& mode) override
    {
        printer_.setDocName(title);
        printer_.setOutputFileName(fileName);
        if (!fileName.isEmpty())
            printer_.setOutputFormat(QPrinter::PdfFormat);
        ApplyMode(mode);
        printer_.setCopyCount(mode.copies);
        printer_.setCollateCopies(false);
        firstPage_ = true;
        if (!painter_.begin(&printer_))
            return DocStart::Failed;
        return DocStart::Started;
    }

    QString LastError() const override { return QStringLiteral("The printer %1 did not accept the job").arg(Name()); }

    void SetMode(const DeviceMode& mode) override { ApplyMode(mode); }

    void BeginPage() override
    {
        if (!firstPage_)
            printer_.newPage();
        firstPage_ = false;
    }

    void DrawPage(const PageDrawing& drawing) override
    {
        PaintDrawing(painter_, drawing);
    }

    void EndPage() override {}
    bool EndDoc() override { return !painter_.isActive() || painter_.end(); }

    void Abort() override
    {
        printer_.abort();
        if (painter_.isActive())
            painter_.end();
    }

private:
    // The origin of the painting is the corner of the printable area, as on a printer's device
    // context; the physical offsets say where that lies on the paper.
    void ApplyMode(const DeviceMode& mode)
    {
        QPageLayout layout = printer_.pageLayout();
        layout.setMode(QPageLayout::StandardMode);
        layout.setPageSize(PageSizeOfMode(mode), layout.minimumMargins());
        layout.setOrientation(OrientationOfMode(mode));
        layout.setMargins(layout.minimumMargins());
        printer_.setFullPage(false);
        printer_.setPageLayout(layout);
        printer_.setDuplex(QtDuplex(mode.duplex));
        for (const SourceBin& known : kSourceBins)
            if (known.bin == mode.bin && PaperSources().contains(known.source))
                printer_.setPaperSource(known.source);
    }

    QList<QPrinter::PaperSource> PaperSources() const
    {
#ifdef Q_OS_WIN
        return printer_.supportedPaperSources();
#else
        return {};
#endif
    }

    QPrinterInfo info_;
    QPrinter printer_;
    QPainter painter_;
    bool firstPage_ = true;
};

}  // namespace

QPageSize PageSizeOfMode(const DeviceMode& mode)
{
    if (mode.paper != kCustomPaperNumber) {
        const QPageSize::PageSizeId id = QPageSize::id(mode.paper);
        if (id != QPageSize::Custom)
            return QPageSize(id);
    }
    return QPageSize(QSizeF(mode.paperWidth / 10.0, mode.paperLength / 10.0), QPageSize::Millimeter, QString(),
                     QPageSize::ExactMatch);
}

QPageLayout::Orientation OrientationOfMode(const DeviceMode& mode)
{
    return mode.orientation == kLandscapeMode ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int PaperNumberOf(const QPageSize& size)
{
    const int number = size.windowsId();
    return number > 0 ? number : kCustomPaperNumber;
}

std::vector<PrinterPaper> StandardPapers(const QList<QPageSize>& sizes)
{
    std::vector<PrinterPaper> papers;
    std::set<int> seen;
    for (const QPageSize& size : sizes) {
        const int number = size.windowsId();
        if (number <= 0 || number == kCustomPaperNumber || !seen.insert(number).second)
            continue;
        papers.push_back({number, size.name()});
    }
    return papers;
}

QStringList QtSpooler::PrinterNames()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names << kPdfPrinterName;
    return names;
}

QString QtSpooler::DefaultPrinterName() { return QPrinterInfo::defaultPrinterName().trimmed(); }

std::unique_ptr<PrinterDevice> QtSpooler::OpenPrinter(const QString& name)
{
    if (name == kPdfPrinterName)
        return CreatePdfPrinter();
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return nullptr;
    return std::make_unique<QtPrinterDevice>(info);
}
