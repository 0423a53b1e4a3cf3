#pragma once

#include "printers.h"

#include <QPageLayout>
#include <QPageSize>

// The system's printers through Qt Print Support (CUPS on Linux), followed by "Print to PDF".
class QtSpooler final : public Spooler {
public:
    QStringList PrinterNames() override;
    QString DefaultPrinterName() override;
    std::unique_ptr<PrinterDevice> OpenPrinter(const QString& name) override;
};

// The paper of a device mode: a standard size by its number, or the mode's own size.
QPageSize PageSizeOfMode(const DeviceMode& mode);
QPageLayout::Orientation OrientationOfMode(const DeviceMode& mode);
// The standard number of a page size; the custom number when it has none.
int PaperNumberOf(const QPageSize& size);
// Papers listed under their standard numbers, each number once, sizes without one left out.
std::vector<PrinterPaper> StandardPapers(const QList<QPageSize>& sizes);
