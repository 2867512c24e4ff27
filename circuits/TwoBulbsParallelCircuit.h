#pragma once

#include "circuits/LadderCircuit.h"

// A rung across the middle holds a second bulb in parallel with the bottom one.
class CTwoBulbsParallelCircuit : public CLadderCircuit {
public:
    CTwoBulbsParallelCircuit();

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
    CComponentBlock BottomBlock() const override;
    void Release(CElectron& e) override;

    CGlowList m_glow1;
    CGlowList m_glow2;
};
