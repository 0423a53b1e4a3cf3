#include "recording_printers.h"

#include "canvas.h"
#include "qt_printers.h"

#include <QPainter>
#include <QPicture>

namespace {

class RecordingDevice final : public PrinterDevice {
public:
    RecordingDevice(RecordingSpooler& spooler, RecordingSpooler::Printer spec) : spooler_(spooler), spec_(std::move(spec)) {}

    QString Name() const override { return spec_.name; }
    QString Port() const override { return spec_.port; }
    std::optional<DeviceMode> DefaultMode() override { return spec_.defaults; }
    std::vector<PrinterPaper> Papers() override { return spec_.papers; }
    std::vector<PrinterBin> Bins() override { return spec_.bins; }

    DeviceCaps Capabilities(const DeviceMode& mode) override
    {
        QPageLayout layout(PageSizeOfMode(mode), OrientationOfMode(mode), QMarginsF());
        const QSize size = spec_.dpi > 0 ? layout.fullRectPixels(spec_.dpi).size() : QSize();
        return {spec_.dpi, spec_.dpi, size.width(), size.height(), spec_.border, spec_.border,
                size.width() - 2 * spec_.border, size.height() - 2 * spec_.border};
    }

    bool PropertiesDialog(DeviceMode& mode) override
    {
        spooler_.calls << QStringLiteral("PropertiesDialog");
        if (!spooler_.propertiesAnswer)
            return false;
        mode = *spooler_.propertiesAnswer;
        return true;
    }

    DocStart BeginDoc(const QString& title, const QString& fileName, const DeviceMode& mode) override
    {
        spooler_.calls << QStringLiteral("BeginDoc");
        spooler_.jobs.push_back({spec_.name, title, fileName, mode, {}, false, false});
        mode_ = mode;
        return DocStart::Started;
    }

    void SetMode(const DeviceMode& mode) override
    {
        spooler_.calls << QStringLiteral("SetMode");
        mode_ = mode;
    }

    void BeginPage() override
    {
        spooler_.calls << QStringLiteral("BeginPage");
        Job().sheets.push_back({mode_, {}});
    }

    void DrawPage(const PageDrawing& drawing) override
    {
        std::vector<RecordedText> texts;
        QPicture picture;
        QPainter painter(&picture);
        TCanvas canvas(painter);
        canvas.SetTextRecorder(&texts);
        drawing.paint(canvas, drawing);
        RecordingSpooler::Drawing drawn{drawing.scaleX, drawing.scaleY, drawing.offsetX, drawing.offsetY, drawing.clip, {}};
        for (const RecordedText& text : texts)
            drawn.texts << text.text;
        Job().sheets.back().drawings.push_back(drawn);
    }

    void EndPage() override { spooler_.calls << QStringLiteral("EndPage"); }

    bool EndDoc() override
    {
        spooler_.calls << QStringLiteral("EndDoc");
        Job().ended = true;
        return !spec_.failEndDoc;
    }

    QString LastError() const override
    {
        return spec_.failEndDoc ? QStringLiteral("The document could not be finished") : QString();
    }

    void Abort() override
    {
        spooler_.calls << QStringLiteral("Abort");
        Job().aborted = true;
    }

private:
    RecordingSpooler::Job& Job() { return spooler_.jobs.back(); }

    RecordingSpooler& spooler_;
    RecordingSpooler::Printer spec_;
    DeviceMode mode_;
};

}  // namespace

RecordingSpooler::RecordingSpooler() { SetSpooler(this); }
RecordingSpooler::~RecordingSpooler() { SetSpooler(nullptr); }

RecordingSpooler::Printer RecordingSpooler::StandardPrinter(const QString& name)
{
    Printer printer;
    printer.name = name;
    printer.papers = {{9, QStringLiteral("A4")},
                      {11, QStringLiteral("A5")},
                      {1, QStringLiteral("Letter")},
                      {kCustomPaperNumber, QStringLiteral("Driver's own size")}};
    printer.bins = {{kAutomaticBin, QStringLiteral("Automatic")}, {1, QStringLiteral("Upper tray")},
                    {2, QStringLiteral("Lower tray")}};
    return printer;
}

QStringList RecordingSpooler::PrinterNames()
{
    QStringList names;
    for (const Printer& printer : printers)
        names << printer.name;
    return names;
}

std::unique_ptr<PrinterDevice> RecordingSpooler::OpenPrinter(const QString& name)
{
    for (const Printer& printer : printers)
        if (printer.name == name)
            return std::make_unique<RecordingDevice>(*this, printer);
    return nullptr;
}
