#pragma once

#include <QList>
#include <QStringList>

class TfrxDataBand;
class TfrxDataSet;
class TfrxReportPage;

// Links the data bands of a report page with their nested data bands, headers, footers and group
// headers, ordered by their places on the page. Returns the page's top-level data bands (master
// bands with a data source); every band that fits nowhere adds an error text.
QList<TfrxDataBand*> PrepareBandTree(TfrxReportPage& page, QStringList& errors);

// The band's data source, or the private one of a band with a row count and no source.
TfrxDataSet* BandDataSet(const TfrxDataBand& band);
