#pragma once

#include "sim/Circuit.h"

// One loop with two blocks side by side on the bottom wire: the right one
// (centre x 15.5) takes the first half of an electron's energy, the left one
// (centre x 9.5) the second, whichever the electron meets first. The funnel
// draws electrons between them toward the middle of the wire.
class CBottomPairCircuit : public CCircuit {
public:
    CircuitRegion Classify(double x, double y) const override;
    void MoveElectron(CElectron& e) override;

protected:
    virtual CComponentBlock RightBlock() const = 0;
    virtual CComponentBlock LeftBlock() const = 0;
    virtual void ReleaseAtRight(CElectron& e) = 0;
    virtual void ReleaseAtLeft(CElectron& e) = 0;
    // Between the right block's walls and the left's: the variable resistor
    // rescues electrons that its grown walls now hold.
    virtual void AfterRightBlockWalls(CElectron&) {}
};
