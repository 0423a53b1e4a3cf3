#include "band.h"

#include "band_kinds.h"

TfrxBand::TfrxBand(QObject* owner)
    : TfrxReportComponent(owner), fill_(new TfrxBrushFill(this)), fillGap_(new TfrxFillGap(this)),
      frame_(new TfrxFrame(this))
{
    AddStyle(csAcceptsFrxComponents);
}

TfrxChild* TfrxBand::Child() const { return child_; }

void TfrxBand::SetChild(TfrxChild* value) { child_ = value; }
