// The printer list and the virtual printer that stands in when the system has none.
#include "paper_sizes.h"
#include "print_texts.h"
#include "printer.h"

#include <QCoreApplication>
#include <QPageSize>
#include <algorithm>

namespace {

class VirtualPrinterDevice final : public PrinterDevice {
public:
    static constexpr int kDpi = 600;

    QString Name() const override { return kVirtualPrinterText; }
    QString Port() const override { return QString(); }
    std::optional<DeviceMode> DefaultMode() override { return DeviceMode{}; }

    std::vector<PrinterPaper> Papers() override
    {
        std::vector<PrinterPaper> papers;
        for (const PaperSizeEntry& entry : PaperSizeTable())
            papers.push_back({entry.code, QPageSize(QPageSize::id(entry.code)).name()});
        return papers;
    }

    std::vector<PrinterBin> Bins() override { return {}; }

    DeviceCaps Capabilities(const DeviceMode& mode) override
    {
        double width = mode.paperWidth / 10.0, height = mode.paperLength / 10.0;
        if (const auto paper = FindPaperSize(mode.paper)) {
            width = paper->width;
            height = paper->height;
        }
        if (mode.orientation == kLandscapeMode)
            std::swap(width, height);
        const int w = int(width / 25.4 * kDpi), h = int(height / 25.4 * kDpi);
        return {kDpi, kDpi, w, h, 0, 0, w, h};
    }

    bool PropertiesDialog(DeviceMode&) override { return false; }
    DocStart BeginDoc(const QString&, const QString&, const DeviceMode&) override { return DocStart::Failed; }
    void SetMode(const DeviceMode&) override {}
    void BeginPage() override {}
    void DrawPage(const PageDrawing&) override {}
    void EndPage() override {}
    bool EndDoc() override { return true; }
    void Abort() override {}
};

struct PrinterList {
    std::unique_ptr<TfrxPrinters> printers;
    int generation = -1;
};

PrinterList& List()
{
    static PrinterList list;
    return list;
}

// The devices go with the application object, which their painting needs.
void ReleasePrinters() { List().printers.reset(); }

}  // namespace

std::unique_ptr<PrinterDevice> CreateVirtualPrinter() { return std::make_unique<VirtualPrinterDevice>(); }

TfrxPrinters::TfrxPrinters()
{
    Spooler& spooler = ::Printers();
    names_ = spooler.PrinterNames();
    std::sort(names_.begin(), names_.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString& name : names_)
        printers_.push_back(std::make_unique<TfrxPrinter>(name, [&spooler, name] { return spooler.OpenPrinter(name); }));
    hasPhysicalPrinters_ = !names_.isEmpty();
    if (!hasPhysicalPrinters_) {
        names_ << kVirtualPrinterText;
        printers_.push_back(std::make_unique<TfrxPrinter>(kVirtualPrinterText, [] { return CreateVirtualPrinter(); }));
    }
    SetPrinterIndex(-1);
}

int TfrxPrinters::IndexOf(const QString& name) const
{
    for (int i = 0; i < names_.size(); ++i)
        if (names_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TfrxPrinters::SetPrinterIndex(int index)
{
    if (index < 0 || index >= Count()) {
        index = hasPhysicalPrinters_ ? IndexOf(::Printers().DefaultPrinterName()) : 0;
        index = std::max(index, 0);
    }
    printerIndex_ = index;
    printers_.at(size_t(index))->Init();
}

TfrxPrinters& frxPrinters()
{
    PrinterList& list = List();
    if (!list.printers || list.generation != SpoolerGeneration()) {
        if (!list.printers)
            qAddPostRoutine(ReleasePrinters);
        list.printers.reset();
        list.generation = SpoolerGeneration();
        list.printers = std::make_unique<TfrxPrinters>();
    }
    return *list.printers;
}
