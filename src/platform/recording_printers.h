#pragma once

#include "printers.h"

#include <QVector>

// A spooler for tests: fixed printers that log every device call and keep what each page showed.
// It installs itself while it lives.
class RecordingSpooler final : public Spooler {
public:
    struct Printer {
        QString name;
        QString port = QStringLiteral("LPT1:");
        int dpi = 600;
        // Unprintable border in device pixels on each side.
        int border = 0;
        DeviceMode defaults;
        std::vector<PrinterPaper> papers;
        std::vector<PrinterBin> bins;
        bool failEndDoc = false;
    };

    // One report page drawn on a sheet: where and how large, and the texts it put out.
    struct Drawing {
        double scaleX = 0;
        double scaleY = 0;
        double offsetX = 0;
        double offsetY = 0;
        QRect clip;
        QStringList texts;
    };
    struct Sheet {
        DeviceMode mode;
        std::vector<Drawing> drawings;
    };
    struct Job {
        QString printer;
        QString title;
        QString fileName;
        DeviceMode startMode;
        std::vector<Sheet> sheets;
        bool ended = false;
        bool aborted = false;
    };

    RecordingSpooler();
    ~RecordingSpooler() override;

    // A printer with A4, A5, Letter and a custom size of its own, two bins and duplex.
    static Printer StandardPrinter(const QString& name);

    QVector<Printer> printers;
    QString defaultPrinter;
    std::vector<Job> jobs;
    // "BeginDoc", "SetMode", "BeginPage", "EndPage", "EndDoc", "Abort", in order.
    QStringList calls;
    // The mode each properties dialog returns; none cancels it.
    std::optional<DeviceMode> propertiesAnswer;

    QStringList PrinterNames() override;
    QString DefaultPrinterName() override { return defaultPrinter; }
    std::unique_ptr<PrinterDevice> OpenPrinter(const QString& name) override;
};
