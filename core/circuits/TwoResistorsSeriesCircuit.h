#pragma once

#include "core/circuits/LoopCircuit.h"

// Two equal resistors in series on the bottom wire, each taking one half of
// the energy.
class CTwoResistorsSeriesCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 156;

    CTwoResistorsSeriesCircuit();

    int EnergyLevel(const CElectron& e) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

private:
    void Release(CElectron& e, Load load) override;
};
