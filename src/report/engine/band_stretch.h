#pragma once

class TfrxBand;
class TfrxComponent;
class TfrxReport;
class TfrxReportComponent;
class TfrxShiftTree;
class TfrxShiftTrees;

// Lets the objects of a container (a band, or the null band that carries the objects placed
// directly on a page) take the heights their contents need before the container is placed, and
// undoes that afterwards. The building engine calls Stretch and UnStretch around every output of
// a band and makes the band its current band itself.
class TfrxBandStretcher {
public:
    // The report's OnBeforePrint and OnAfterPrint are raised when a report is given.
    explicit TfrxBandStretcher(TfrxShiftTrees& trees, const TfrxReport* report = nullptr)
        : trees_(trees), report_(report)
    {
    }

    // Saves the designed state, shows every object to the report's handler and gets its data,
    // stretches the stretchable objects, moves the objects below grown ones and gives the
    // container its height: a Stretched band and the null band end at the bottom of their lowest
    // object. An invisible container is only prepared.
    void Stretch(TfrxBand& container);
    // Restores the designed state and frees the objects added to the container while building.
    void UnStretch(TfrxBand& container);

private:
    // Returns whether the object's height changed.
    static bool StretchObject(TfrxComponent& object, TfrxShiftTree& tree);
    static void StretchToContainer(TfrxBand& container);
    void BeforePrint(TfrxReportComponent& sender) const;
    void AfterPrint(TfrxReportComponent& sender) const;

    TfrxShiftTrees& trees_;
    const TfrxReport* report_;
};

// The largest Top + Height of the container's objects; 0 without objects.
double LowestObjectBottom(const TfrxComponent& container);
