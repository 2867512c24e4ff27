#pragma once

#include "core/circuits/SwitchedCircuit.h"

// Bulbs on the rung and the bottom wire in parallel, with a switch in the
// right wire above the rung that cuts both.
class CParallelBulbsBothSwitchedCircuit : public CSwitchedCircuit {
public:
    // Its pictures' artwork ids, with the switch closed and open; the
    // catalogue names the files.
    static constexpr int kPicture = 152;
    static constexpr int kOpenPicture = 162;

    CParallelBulbsBothSwitchedCircuit();

    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(const CGridCanvas& canvas) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

    const CGlowList& Glow1() const { return m_glow1; }
    const CGlowList& Glow2() const { return m_glow2; }

private:
    void Release(CElectron& e, Load load) override;

    CGlowList m_glow1;
    CGlowList m_glow2;
};
