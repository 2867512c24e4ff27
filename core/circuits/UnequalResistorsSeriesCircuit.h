#pragma once

#include "core/circuits/LoopCircuit.h"

// A high-resistance resistor (left) and a low-resistance one (right) in series
// on the bottom wire.
class CUnequalResistorsSeriesCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 158;

    CUnequalResistorsSeriesCircuit();

    int EnergyLevel(const CElectron& e) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

private:
    void Release(CElectron& e, Load load) override;
};
