#pragma once

#include "core/circuits/LoopCircuit.h"

// Two equal resistors in parallel: one on the rung, one on the bottom wire.
class CTwoResistorsParallelCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 157;

    CTwoResistorsParallelCircuit();

    int EnergyLevel(const CElectron& e) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

private:
    void Release(CElectron& e, Load load) override;
};
