#pragma once

#include "circuits/BottomPairCircuit.h"

// A bulb and a resistor in series on the bottom wire: the resistor takes one
// half of the energy without glowing, the bulb the other.
class CBulbResistorCircuit : public CBottomPairCircuit {
public:
    CBulbResistorCircuit();

    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(CDrawSurface& dc) override;
    std::string GetName() const override;
    void DrawBallModel(CDrawSurface& dc) override;
    void BuildLabels() override;
    void DrawGlow(CDrawSurface& dc) override;
    int PictureBitmapId() const override;

    const CGlowList& Glow1() const { return m_glow1; }

private:
    CComponentBlock RightBlock() const override;
    CComponentBlock LeftBlock() const override;
    void ReleaseAtRight(CElectron& e) override;
    void ReleaseAtLeft(CElectron& e) override;
    CGlowList m_glow1;
};
