#pragma once

#include <QString>

// Texts of the report library that the report layer itself needs.
inline const QString kDefaultPrinterText = QStringLiteral("Default");
// clDSNotIncl: a data source the report's Datasets do not list.
inline const QString kNoPreparedPagesText = QStringLiteral("The report has no prepared pages store");
inline const QString kDataSetNotIncludedText = QStringLiteral("(dataset is not included in Report.DataSets)");
