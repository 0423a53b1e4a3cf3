#include "report_component.h"

void TfrxReportComponent::Draw(TCanvas&, double, double, double, double, const TfrxDrawContext&) const {}

void TfrxReportComponent::BeforePrint() { savedBounds_ = QRectF(Left(), Top(), Width(), Height()); }

void TfrxReportComponent::AfterPrint()
{
    SetBounds(savedBounds_.left(), savedBounds_.top(), savedBounds_.width(), savedBounds_.height());
}
