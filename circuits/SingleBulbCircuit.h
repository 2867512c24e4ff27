#pragma once

#include "sim/Circuit.h"

// One square loop: the supply in the middle of the top wire, one bulb in the
// middle of the bottom wire.
class CSingleBulbCircuit : public CCircuit {
public:
    CSingleBulbCircuit();

    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(CDrawSurface& dc) override;
    std::string GetName() const override;
    CircuitRegion Classify(double x, double y) const override;
    void DrawBallModel(CDrawSurface& dc) override;
    void BuildLabels() override;
    void DrawGlow(CDrawSurface& dc) override;
    void MoveElectron(CElectron& e) override;
    int PictureBitmapId() const override;

    const CGlowList& Glow() const { return m_glow1; }

private:
    CGlowList m_glow1;
};
