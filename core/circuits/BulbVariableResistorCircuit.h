#pragma once

#include "core/circuits/LoopCircuit.h"

// A bulb and a variable resistor in series on the bottom wire; "-" and "+"
// thin and thicken the resistor's walls, widening and narrowing its band.
class CBulbVariableResistorCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 155;

    CBulbVariableResistorCircuit();

    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(const CGridCanvas& canvas) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    GlowPen BulbGlowPen(int list) const override;
    int PictureBitmapId() const override;

    void DecreaseResistance();
    void IncreaseResistance();
    // The resistor's wall thickness, 0.5 to 1.2 grid units.
    double GetResistorWall() const { return m_dResistorWall; }
    // The presses of "+" from the least resistance, 0 to kResistanceSteps.
    static constexpr int kResistanceSteps = 14;
    int ResistanceStep() const { return StepOfWall(m_dResistorWall); }
    static int StepOfWall(double wall);
    // The wall after that many presses of "+" from the thinnest, summed press
    // by press as the presses sum it.
    static double WallAfterPresses(int presses);
    // Sets the wall as it stands in another copy of the circuit (a running
    // sum of steps, so copying the presses could land a few ulps away), and
    // keeps the layout's block in step with it.
    void SetResistorWall(double w);

    const CGlowList& Glow1() const { return m_glow1; }

private:
    void Release(CElectron& e, Load load) override;
    void AfterBottomBlockWalls(CElectron& e) override;

    double m_dResistorWall = 0.5;
    CGlowList m_glow1;
};
