#pragma once

#include "circuits/BottomPairCircuit.h"

// Two bulbs side by side on the bottom wire, in series: each takes half of an
// electron's energy.
class CTwoBulbsSeriesCircuit : public CBottomPairCircuit {
public:
    CTwoBulbsSeriesCircuit();

    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(CDrawSurface& dc) override;
    std::string GetName() const override;
    void DrawBallModel(CDrawSurface& dc) override;
    void BuildLabels() override;
    void DrawGlow(CDrawSurface& dc) override;
    int PictureBitmapId() const override;

    const CGlowList& Glow1() const { return m_glow1; }
    const CGlowList& Glow2() const { return m_glow2; }

private:
    CComponentBlock RightBlock() const override;
    CComponentBlock LeftBlock() const override;
    void ReleaseAtRight(CElectron& e) override;
    void ReleaseAtLeft(CElectron& e) override;

    CGlowList m_glow1;
    CGlowList m_glow2;
};
