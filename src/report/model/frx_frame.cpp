#include "frx_frame.h"

TfrxFrameLine::TfrxFrameLine(TfrxFrame* frame) : TfrxPersistent(frame), frame_(frame) {}

bool TfrxFrameLine::IsColorStored() const { return color_ != frame_->Color(); }
bool TfrxFrameLine::IsStyleStored() const { return style_ != frame_->Style(); }
bool TfrxFrameLine::IsWidthStored() const { return width_ != frame_->Width(); }

TfrxFrame::TfrxFrame(QObject* owner)
    : TfrxPersistent(owner),
      leftLine_(new TfrxFrameLine(this)),
      topLine_(new TfrxFrameLine(this)),
      rightLine_(new TfrxFrameLine(this)),
      bottomLine_(new TfrxFrameLine(this))
{
}

void TfrxFrame::SetColor(TColor value)
{
    color_ = value;
    ForEachLine([value](TfrxFrameLine& line) { line.SetColor(value); });
}

void TfrxFrame::SetStyle(TfrxFrameStyle value)
{
    style_ = value;
    ForEachLine([value](TfrxFrameLine& line) { line.SetStyle(value); });
}

void TfrxFrame::SetWidth(double value)
{
    width_ = value;
    ForEachLine([value](TfrxFrameLine& line) { line.SetWidth(value); });
}

TfrxFrameLine* TfrxFrame::Line(TfrxFrameType side) const
{
    switch (side) {
    case ftLeft: return leftLine_;
    case ftRight: return rightLine_;
    case ftTop: return topLine_;
    case ftBottom: return bottomLine_;
    }
    return leftLine_;
}
