#pragma once

#include "sim/Circuit.h"

// Two branches in parallel: a block on the rung across the middle and one
// in the middle of the bottom wire. Whichever an electron passes takes all
// its energy.
class CLadderCircuit : public CCircuit {
public:
    CircuitRegion Classify(double x, double y) const override;
    void MoveElectron(CElectron& e) override;

protected:
    virtual CComponentBlock RungBlock() const = 0;
    virtual CComponentBlock BottomBlock() const = 0;
    // A charged electron on either release line.
    virtual void Release(CElectron& e) = 0;
};
