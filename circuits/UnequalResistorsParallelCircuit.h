#pragma once

#include "circuits/LadderCircuit.h"

// A low-resistance resistor on the rung in parallel with a high-resistance one
// on the bottom wire.
class CUnequalResistorsParallelCircuit : public CLadderCircuit {
public:
    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(CDrawSurface& dc) override;
    std::string GetName() const override;
    void DrawBallModel(CDrawSurface& dc) override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

private:
    CComponentBlock RungBlock() const override;
    CComponentBlock BottomBlock() const override;
    void Release(CElectron& e) override;
};
