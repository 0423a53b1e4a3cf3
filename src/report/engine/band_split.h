#pragma once

#include <QHash>
#include <QList>
#include <QSet>

class TfrxBand;
class TfrxComponent;

// What splitting a band asks of the building engine.
class TfrxSplitHost {
public:
    virtual ~TfrxSplitHost() = default;
    // The space left on the current page below CurY, in px.
    virtual double FreeSpace() = 0;
    // PageHeight − FooterHeight: an object taller than this never fits and is put out as it is.
    virtual double PageBodyHeight() = 0;
    // Places the band, holding only the objects of the current part, at CurX, CurY, adds it to the
    // prepared pages, moves CurY below it and makes it the current band.
    virtual void OutputBand(TfrxBand& band) = 0;
    // Continues on the next column or page.
    virtual void NewColumn() = 0;
    // Whether building was asked to stop.
    virtual bool Terminated() { return false; }
    // Lets the window system run between the parts.
    virtual void ProcessMessages() {}
};

// Puts out a stretched band that is taller than the space left, part by part over as many pages
// as it needs: objects that fit go whole, stretchable objects (texts) are cut after their last
// line that fits and continue at the top of the next page, other objects that do not fit move to
// the next page together with everything below them. The band's objects keep their stretched
// sizes and texts until the engine un-stretches the band; its object list is whole again at the
// end.
class TfrxBandSplitter {
public:
    TfrxBandSplitter(TfrxBand& band, TfrxSplitHost& host) : band_(band), host_(host) {}

    void Split();

private:
    void Start();
    // One part: returns whether anything was put out.
    bool PlaceObjects(double space);
    void PlaceObject(TfrxComponent& object, double space);
    // Puts out the object's part; OutputWhole also ends its splitting.
    void Output(TfrxComponent& object);
    void OutputWhole(TfrxComponent& object);
    void PushBelow(const TfrxComponent& object, double amount);
    void FinishPart();
    void PutOutPart();
    void PrepareNextPart(double space);
    // Makes the band hold just these objects, in this order.
    void AttachOnly(const QList<TfrxComponent*>& objects);

    TfrxBand& band_;
    TfrxSplitHost& host_;
    QList<TfrxComponent*> allObjects_;
    QList<TfrxComponent*> remaining_;
    QList<TfrxComponent*> output_;
    QHash<const TfrxComponent*, double> savedTops_;  // FSavedTop
    QSet<const TfrxComponent*> pushed_;               // moved down in the current part
    bool anythingOutput_ = false;
    bool forceOut_ = false;  // the last part put out nothing
};
