// "Print to PDF": the printer that is always there. It writes each page at its own paper size.
#include "printers.h"

#include "dialogs.h"
#include "qt_printers.h"

#include <QFile>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {

constexpr int kPdfDpi = 600;

class PdfPrinterDevice final : public PrinterDevice {
public:
    QString Name() const override { return kPdfPrinterName; }
    QString Port() const override { return QStringLiteral("PDF file"); }

    std::optional<DeviceMode> DefaultMode() override
    {
        DeviceMode mode;
        const bool usLetter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        mode.paper = PaperNumberOf(QPageSize(usLetter ? QPageSize::Letter : QPageSize::A4));
        return mode;
    }

    std::vector<PrinterPaper> Papers() override
    {
        QList<QPageSize> sizes;
        for (int id = 0; id <= QPageSize::LastPageSize; ++id)
            sizes << QPageSize(QPageSize::PageSizeId(id));
        std::vector<PrinterPaper> papers = StandardPapers(sizes);
        std::sort(papers.begin(), papers.end(), [](const auto& a, const auto& b) { return a.number < b.number; });
        return papers;
    }

    std::vector<PrinterBin> Bins() override { return {}; }

    DeviceCaps Capabilities(const DeviceMode& mode) override
    {
        const QSize size = LayoutOf(mode).fullRectPixels(kPdfDpi).size();
        return {kPdfDpi, kPdfDpi, size.width(), size.height(), 0, 0, size.width(), size.height()};
    }

    // There is no driver dialog: nothing changes.
    bool PropertiesDialog(DeviceMode&) override { return false; }

    DocStart BeginDoc(const QString& title, const QString& fileName, const DeviceMode& mode) override
    {
        fileName_ = fileName;
        if (fileName_.isEmpty()) {
            FileDialogRequest request;
            request.title = title;
            request.filter = QStringLiteral("PDF document (*.pdf)|*.pdf");
            request.defaultExt = QStringLiteral("pdf");
            request.fileName = title + QStringLiteral(".pdf");
            const std::optional<QString> chosen = Dialogs().SaveFileName(request);
            if (!chosen)
                return DocStart::Cancelled;
            fileName_ = *chosen;
        }
        file_ = std::make_unique<QFile>(fileName_);
        if (!file_->open(QIODevice::WriteOnly)) {
            lastError_ = QStringLiteral("Cannot create file \"%1\"").arg(fileName_);
            file_.reset();
            return DocStart::Failed;
        }
        writer_ = std::make_unique<QPdfWriter>(file_.get());
        writer_->setTitle(title);
        writer_->setCreator(QStringLiteral("Kalvo"));
        writer_->setResolution(kPdfDpi);
        writer_->setPageLayout(LayoutOf(mode));
        mode_ = mode;
        firstPage_ = true;
        if (!painter_.begin(writer_.get())) {
            lastError_ = QStringLiteral("Cannot create file \"%1\"").arg(fileName_);
            writer_.reset();
            file_.reset();
            return DocStart::Failed;
        }
        return DocStart::Started;
    }

    QString LastError() const override { return lastError_; }

    void SetMode(const DeviceMode& mode) override
    {
        mode_ = mode;
        if (writer_)
            writer_->setPageLayout(LayoutOf(mode));
    }

    void BeginPage() override
    {
        NewSheet();
        drawings_.clear();
    }

    void DrawPage(const PageDrawing& drawing) override
    {
        Paint(drawing);
        if (mode_.copies > 1)
            drawings_.push_back(drawing);
    }

    // Copies the device makes itself come out as repeated pages.
    void EndPage() override
    {
        for (int copy = 1; copy < mode_.copies; ++copy) {
            NewSheet();
            for (const PageDrawing& drawing : drawings_)
                Paint(drawing);
        }
        drawings_.clear();
    }

    // A document whose bytes did not all reach the file (a full disk, say) has not been printed.
    bool EndDoc() override
    {
        bool ended = !painter_.isActive() || painter_.end();
        writer_.reset();
        if (file_) {
            ended = file_->flush() && ended;
            file_->close();
            if (!ended || file_->error() != QFileDevice::NoError) {
                lastError_ = QStringLiteral("Cannot write file \"%1\": %2").arg(fileName_, file_->errorString());
                ended = false;
            }
            file_.reset();
        }
        return ended;
    }

    void Abort() override { EndDoc(); }

private:
    static QPageLayout LayoutOf(const DeviceMode& mode)
    {
        return QPageLayout(PageSizeOfMode(mode), OrientationOfMode(mode), QMarginsF());
    }

    void NewSheet()
    {
        if (!firstPage_)
            writer_->newPage();
        firstPage_ = false;
    }

    void Paint(const PageDrawing& drawing)
    {
        PaintDrawing(painter_, drawing);
    }

    QString fileName_;
    std::unique_ptr<QFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
    QString lastError_;
    QPainter painter_;
    DeviceMode mode_;
    std::vector<PageDrawing> drawings_;
    bool firstPage_ = true;
};

}  // namespace

std::unique_ptr<PrinterDevice> CreatePdfPrinter() { return std::make_unique<PdfPrinterDevice>(); }
