#pragma once

#include "core/circuits/SwitchedCircuit.h"

// A bulb and a switch in series on the bottom wire.
class CBulbSwitchCircuit : public CSwitchedCircuit {
public:
    // Its pictures' artwork ids, with the switch closed and open; the
    // catalogue names the files.
    static constexpr int kPicture = 150;
    static constexpr int kOpenPicture = 160;

    CBulbSwitchCircuit();

    int EnergyLevel(const CElectron& e) const override;
    void DrawDiagram(const CGridCanvas& canvas) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

    const CGlowList& Glow1() const { return m_glow1; }

private:
    void Release(CElectron& e, Load load) override;

    CGlowList m_glow1;
};
