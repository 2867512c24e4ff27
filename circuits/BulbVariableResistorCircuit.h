#pragma once

#include "circuits/BottomPairCircuit.h"

// A bulb and a variable resistor in series on the bottom wire; "-" and "+"
// thin and thicken the resistor's walls, widening and narrowing its band.
class CBulbVariableResistorCircuit : public CBottomPairCircuit {
public:
    CBulbVariableResistorCircuit();

    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(CDrawSurface& dc) override;
    std::string GetName() const override;
    void DrawBallModel(CDrawSurface& dc) override;
    void BuildLabels() override;
    void DrawGlow(CDrawSurface& dc) override;
    int PictureBitmapId() const override;

    void DecreaseResistance();
    void IncreaseResistance();
    // The resistor's wall thickness, 0.5 to 1.2 grid units.
    double GetResistorWall() const { return m_dResistorWall; }

    const CGlowList& Glow1() const { return m_glow1; }

private:
    CComponentBlock RightBlock() const override;
    CComponentBlock LeftBlock() const override;
    void ReleaseAtRight(CElectron& e) override;
    void ReleaseAtLeft(CElectron& e) override;
    void AfterRightBlockWalls(CElectron& e) override;
    void DrawVariableResistorGlyph(CDrawSurface& dc);

    double m_dResistorWall = 0.5;
    CGlowList m_glow1;
};
