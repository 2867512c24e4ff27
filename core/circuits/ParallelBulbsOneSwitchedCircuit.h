#pragma once

#include "core/circuits/SwitchedCircuit.h"

// A bulb on the rung in parallel with a bulb and a switch on the bottom wire:
// the switch cuts only the bottom branch.
class CParallelBulbsOneSwitchedCircuit : public CSwitchedCircuit {
public:
    // Its pictures' artwork ids, with the switch closed and open; the
    // catalogue names the files.
    static constexpr int kPicture = 151;
    static constexpr int kOpenPicture = 161;

    CParallelBulbsOneSwitchedCircuit();

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
