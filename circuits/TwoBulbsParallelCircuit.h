#pragma once

#include "sim/Circuit.h"

// A rung across the middle holds a second bulb in parallel with the bottom one.
class CTwoBulbsParallelCircuit : public CCircuit {
public:
    CTwoBulbsParallelCircuit();

    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(CDrawSurface& dc) override;
    std::string GetName() const override;
    CircuitRegion Classify(double x, double y) const override;
    void DrawBallModel(CDrawSurface& dc) override;
    void BuildLabels() override;
    void DrawGlow(CDrawSurface& dc) override;
    void MoveElectron(CElectron& e) override;
    int PictureBitmapId() const override;

    const CGlowList& Glow1() const { return m_glow1; }
    const CGlowList& Glow2() const { return m_glow2; }

private:
    CGlowList m_glow1;
    CGlowList m_glow2;
};
