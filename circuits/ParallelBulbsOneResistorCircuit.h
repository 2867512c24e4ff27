#pragma once

#include "circuits/LadderPairCircuit.h"

// A bulb on the rung in parallel with a bulb and a resistor in series on the
// bottom wire.
class CParallelBulbsOneResistorCircuit : public CLadderPairCircuit {
public:
    CParallelBulbsOneResistorCircuit();

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
    CComponentBlock RungBlock() const override;
    CComponentBlock RightBlock() const override;
    CComponentBlock LeftBlock() const override;
    void ReleaseAtRung(CElectron& e) override;
    void ReleaseAtRight(CElectron& e) override;
    void ReleaseAtLeft(CElectron& e) override;
    CGlowList m_glow1;
    CGlowList m_glow2;
};
