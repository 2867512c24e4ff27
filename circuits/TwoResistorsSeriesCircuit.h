#pragma once

#include "circuits/BottomPairCircuit.h"

// Two equal resistors in series on the bottom wire, each taking one half of
// the energy.
class CTwoResistorsSeriesCircuit : public CBottomPairCircuit {
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
