#pragma once

#include "view.h"

#include <optional>

// A view that can grow or shrink with its content.
class TfrxStretcheable : public TfrxView {
    Q_OBJECT
    Q_PROPERTY(frx::TfrxStretchMode StretchMode READ StretchMode WRITE SetStretchMode)
    Q_PROPERTY(bool CanShrink READ CanShrink WRITE SetCanShrink)
    Q_CLASSINFO("default:StretchMode", "smDontStretch")
    Q_CLASSINFO("default:CanShrink", "false")

public:
    Q_INVOKABLE explicit TfrxStretcheable(QObject* owner = nullptr) : TfrxView(owner) {}

    TfrxStretchMode StretchMode() const { return stretchMode_; }
    void SetStretchMode(TfrxStretchMode value) { stretchMode_ = value; }
    bool CanShrink() const { return canShrink_; }
    void SetCanShrink(bool value) { canShrink_ = value; }

    // The height the content needs; the base keeps the current height.
    virtual double CalcHeight() const { return Height(); }
    // Puts out the part that fits the current height and returns the space left unused.
    virtual double DrawPart() { return 0; }
    // Starts splitting the content over pages.
    virtual void InitPart() { saveHeight_ = Height(); }
    // Whether content remains that does not fit into the free space.
    virtual bool HasNextDataPart(double freeSpace) { return freeSpace < Top() + SaveHeight(); }
    // While the content is split over pages: the height it still needs (the full height
    // otherwise). The engine keeps it up to date from part to part.
    double SaveHeight() const { return saveHeight_.value_or(Height()); }
    void SetSaveHeight(double value) { saveHeight_ = value; }

private:
    std::optional<double> saveHeight_;
    TfrxStretchMode stretchMode_ = smDontStretch;
    bool canShrink_ = false;
};
