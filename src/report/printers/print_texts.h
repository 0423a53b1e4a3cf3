#pragma once

#include <QString>

// Texts of the printer layer and the print loop.
inline const QString kCustomPaperText = QStringLiteral("Custom");       // prCustom
inline const QString kDefaultBinText = QStringLiteral("Default");
inline const QString kVirtualPrinterText = QStringLiteral("Virtual");   // prVirtual
inline const QString kNoPrintersText = QStringLiteral("No printers installed on your system");
inline const QString kInvalidPrinterText = QStringLiteral("Printer selected is not valid");
inline const QString kPrintingPageText = QStringLiteral("Printing page %d");
inline const QString kDefaultDocumentTitle = QStringLiteral("Velmora Document");
inline const QString kErrorCaption = QStringLiteral("Error");
