#include "data_band.h"

TfrxDataBand::TfrxDataBand(QObject* owner) : TfrxBand(owner), virtualDataSet_(std::make_unique<TfrxUserDataSet>())
{
    virtualDataSet_->SetRangeEnd(reCount);
}

TfrxDataBand::~TfrxDataBand() = default;

void TfrxDataBand::SetRowCount(int value)
{
    rowCount_ = value;
    virtualDataSet_->SetRangeEndCount(value);
}
