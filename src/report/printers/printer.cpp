#include "printer.h"

#include "print_texts.h"

#include "platform/dialogs.h"
#include "platform/rounding.h"

#include <algorithm>

namespace {

double ToMillimetres(int pixels, int dpi) { return RoundHalfEven(pixels / double(dpi) * 25.4); }

int IndexOfNumber(const std::vector<TfrxPrinterItem>& items, int number)
{
    const auto it = std::find_if(items.begin(), items.end(), [number](const auto& item) { return item.number == number; });
    return it == items.end() ? -1 : int(it - items.begin());
}

int NumberOfName(const std::vector<TfrxPrinterItem>& items, const QString& name)
{
    const auto it = std::find_if(items.begin(), items.end(), [&name](const auto& item) { return item.name == name; });
    return it == items.end() ? items.front().number : it->number;
}

int OrientationNumber(TPrinterOrientation orientation)
{
    return orientation == poLandscape ? kLandscapeMode : kPortraitMode;
}

}  // namespace

TfrxPrinter::TfrxPrinter(QString name, std::function<std::unique_ptr<PrinterDevice>()> open)
    : name_(std::move(name)), open_(std::move(open))
{
    papers_ = {{kCustomPaperText, kCustomPaperNumber}};
    bins_ = {{kDefaultBinText, kAutomaticBin}};
}

TfrxPrinter::~TfrxPrinter() = default;

void TfrxPrinter::Init()
{
    if (initialized_)
        return;
    device_ = open_();
    const std::optional<DeviceMode> mode = device_ ? device_->DefaultMode() : std::nullopt;
    if (!mode) {
        device_.reset();
        return;
    }
    mode_ = *mode;
    if (!ReadCapabilities()) {
        Dialogs().MessageBox(kInvalidPrinterText, kErrorCaption, MB_OK | MB_ICONERROR);
        device_.reset();
        return;
    }
    port_ = device_->Port();
    defPaper_ = paper_ = mode_.paper;
    defBin_ = mode_.bin;
    defDuplex_ = mode_.duplex;
    defOrientation_ = orientation_ = mode_.orientation == kLandscapeMode ? poLandscape : poPortrait;
    defPaperWidth_ = paperWidth_;
    defPaperHeight_ = paperHeight_;
    FillLists();
    bin_ = duplex_ = -1;
    initialized_ = true;
}

// False when the device reports no resolution.
bool TfrxPrinter::ReadCapabilities()
{
    const DeviceCaps caps = device_->Capabilities(mode_);
    if (caps.dpiX <= 0 || caps.dpiY <= 0)
        return false;
    dpiX_ = caps.dpiX;
    dpiY_ = caps.dpiY;
    paperWidth_ = ToMillimetres(caps.physicalWidth, dpiX_);
    paperHeight_ = ToMillimetres(caps.physicalHeight, dpiY_);
    leftMargin_ = ToMillimetres(caps.offsetX, dpiX_);
    topMargin_ = ToMillimetres(caps.offsetY, dpiY_);
    rightMargin_ = paperWidth_ - ToMillimetres(caps.printableWidth, dpiX_) - leftMargin_;
    bottomMargin_ = paperHeight_ - ToMillimetres(caps.printableHeight, dpiY_) - topMargin_;
    return true;
}

void TfrxPrinter::FillLists()
{
    papers_ = {{kCustomPaperText, kCustomPaperNumber}};
    for (const PrinterPaper& paper : device_->Papers())
        if (paper.number != kCustomPaperNumber)
            papers_.push_back({paper.name, paper.number});
    bins_ = {{kDefaultBinText, kAutomaticBin}};
    for (const PrinterBin& bin : device_->Bins())
        if (bin.number != kAutomaticBin)
            bins_.push_back({bin.name, bin.number});
}

void TfrxPrinter::SetViewParams(int paper, double width, double height, TPrinterOrientation orientation)
{
    if (!device_)
        return;
    if (PaperIndex(paper) < 0)
        paper = kCustomPaperNumber;
    mode_.orientation = OrientationNumber(orientation);
    if (paper != kCustomPaperNumber) {
        mode_.paper = paper;
        ReadCapabilities();
    } else {
        // A custom size is measured on A4, or on the first real paper the printer has.
        if (PaperIndex(9) >= 0)
            mode_.paper = 9;
        else if (papers_.size() > 1)
            mode_.paper = papers_[1].number;
        ReadCapabilities();
        paperWidth_ = width;
        paperHeight_ = height;
    }
    paper_ = paper;
    orientation_ = orientation;
}

int TfrxPrinter::DuplexNumber(TfrxDuplexMode duplex) const
{
    int number = duplex == dmNone ? defDuplex_ : int(duplex) + 1;
    if (duplex_ != -1)
        number = duplex_;
    return number == 4 ? kSimplexMode : number;
}

void TfrxPrinter::SetPrintParams(int paper, double width, double height, TPrinterOrientation orientation, int bin,
                                 TfrxDuplexMode duplex, int copies)
{
    if (!device_)
        return;
    if (PaperIndex(paper) < 0)
        paper = kCustomPaperNumber;
    const bool landscape = orientation == poLandscape;
    mode_.paper = paper;
    mode_.paperWidth = paper == kCustomPaperNumber ? RoundHalfEven((landscape ? height : width) * 10) : 0;
    mode_.paperLength = paper == kCustomPaperNumber ? RoundHalfEven((landscape ? width : height) * 10) : 0;
    mode_.orientation = OrientationNumber(orientation);
    mode_.copies = copies;
    mode_.collate = false;
    mode_.bin = bin == kAutomaticBin ? (bin_ != -1 ? bin_ : defBin_) : bin;
    mode_.duplex = DuplexNumber(duplex);
    if (printing_)
        device_->SetMode(mode_);
    if (ReadCapabilities()) {
        paper_ = paper;
        orientation_ = orientation;
    }
}

DocStart TfrxPrinter::BeginDoc()
{
    if (!device_)
        return DocStart::Failed;
    printing_ = true;
    const DocStart started = device_->BeginDoc(Title.isEmpty() ? kDefaultDocumentTitle : Title, FileName, mode_);
    if (started != DocStart::Started)
        printing_ = false;
    return started;
}

QString TfrxPrinter::LastError() const { return device_ ? device_->LastError() : kInvalidPrinterText; }

void TfrxPrinter::BeginPage() { device_->BeginPage(); }
void TfrxPrinter::DrawPage(const PageDrawing& drawing) { device_->DrawPage(drawing); }
void TfrxPrinter::EndPage() { device_->EndPage(); }

bool TfrxPrinter::EndDoc()
{
    const bool ended = !device_ || device_->EndDoc();
    printing_ = false;
    bin_ = duplex_ = -1;
    mode_.bin = defBin_;
    mode_.duplex = defDuplex_;
    return ended;
}

void TfrxPrinter::Abort()
{
    if (device_)
        device_->Abort();
    EndDoc();
}

bool TfrxPrinter::PropertiesDlg()
{
    if (!device_)
        return false;
    DeviceMode chosen = mode_;
    if (!device_->PropertiesDialog(chosen))
        return false;
    bin_ = defBin_ = chosen.bin;
    if (chosen.duplex != mode_.duplex)
        duplex_ = chosen.duplex;
    mode_ = chosen;
    ReadCapabilities();
    return true;
}

int TfrxPrinter::PaperIndex(int number) const { return IndexOfNumber(papers_, number); }
int TfrxPrinter::BinIndex(int number) const { return IndexOfNumber(bins_, number); }
int TfrxPrinter::PaperNameToNumber(const QString& name) const { return NumberOfName(papers_, name); }
int TfrxPrinter::BinNameToNumber(const QString& name) const { return NumberOfName(bins_, name); }
