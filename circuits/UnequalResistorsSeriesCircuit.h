#pragma once

#include "circuits/BottomPairCircuit.h"

// A high-resistance resistor (left) and a low-resistance one (right) in series
// on the bottom wire.
class CUnequalResistorsSeriesCircuit : public CBottomPairCircuit {
public:
    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(CDrawSurface& dc) override;
    std::string GetName() const override;
    void DrawBallModel(CDrawSurface& dc) override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

private:
    CComponentBlock RightBlock() const override;
    CComponentBlock LeftBlock() const override;
    void ReleaseAtRight(CElectron& e) override;
    void ReleaseAtLeft(CElectron& e) override;
};
