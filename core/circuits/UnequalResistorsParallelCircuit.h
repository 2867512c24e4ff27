#pragma once

#include "core/circuits/LoopCircuit.h"

// A low-resistance resistor on the rung in parallel with a high-resistance one
// on the bottom wire.
class CUnequalResistorsParallelCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 159;

    CUnequalResistorsParallelCircuit();

    int EnergyLevel(const CElectron& e) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

private:
    void Release(CElectron& e, Load load) override;
};
