#pragma once

#include "sim/Circuit.h"

// A block on the rung in parallel with two blocks in series on the bottom
// wire: the rung's takes all of an electron's energy, the right bottom one
// the first half and the left the second.
class CLadderPairCircuit : public CCircuit {
public:
    CircuitRegion Classify(double x, double y) const override;
    void MoveElectron(CElectron& e) override;

protected:
    virtual CComponentBlock RungBlock() const = 0;
    virtual CComponentBlock RightBlock() const = 0;
    virtual CComponentBlock LeftBlock() const = 0;
    virtual void ReleaseAtRung(CElectron& e) = 0;
    virtual void ReleaseAtRight(CElectron& e) = 0;
    virtual void ReleaseAtLeft(CElectron& e) = 0;
};
