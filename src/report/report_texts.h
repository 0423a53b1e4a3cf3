#pragma once

#include <QString>

// Texts of the report library that the report layer itself needs.
inline const QString kDefaultPrinterText = QStringLiteral("Default");
// clDSNotIncl: a data source the report's Datasets do not list.
inline const QString kDataSetNotIncludedText = QStringLiteral("(dataset is not included in Report.DataSets)");
