#pragma once

class TfrxBand;
class TfrxComponent;
class TfrxShiftTree;
class TfrxShiftTrees;

// Lets the objects of a container (a band, or the null band that carries the objects placed
// directly on a page) take the heights their contents need before the container is placed, and
// undoes that afterwards. The building engine calls Stretch and UnStretch around every output of
// a band and makes the band its current band itself.
class TfrxBandStretcher {
public:
    explicit TfrxBandStretcher(TfrxShiftTrees& trees) : trees_(trees) {}

    // Saves the designed state, gets every object's data, stretches the stretchable objects, moves
    // the objects below grown ones and gives the container its height: a Stretched band and the
    // null band end at the bottom of their lowest object. An invisible container is only
    // prepared.
    void Stretch(TfrxBand& container);
    // Restores the designed state and frees the objects added to the container while building.
    void UnStretch(TfrxBand& container);

private:
    // Returns whether the object's height changed.
    static bool StretchObject(TfrxComponent& object, TfrxShiftTree& tree);
    static void StretchToContainer(TfrxBand& container);

    TfrxShiftTrees& trees_;
};

// The largest Top + Height of the container's objects; 0 without objects.
double LowestObjectBottom(const TfrxComponent& container);
