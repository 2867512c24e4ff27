#pragma once

#include "core/circuits/LoopCircuit.h"

// A bulb and a resistor in series on the bottom wire: the resistor takes one
// half of the energy without glowing, the bulb the other.
class CBulbResistorCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 153;

    CBulbResistorCircuit();

    int EnergyLevel(const CElectron& e) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    GlowPen BulbGlowPen(int list) const override;
    int PictureBitmapId() const override;

    const CGlowList& Glow1() const { return m_glow1; }

private:
    void Release(CElectron& e, Load load) override;
    CGlowList m_glow1;
};
