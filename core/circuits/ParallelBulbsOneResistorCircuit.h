#pragma once

#include "core/circuits/LoopCircuit.h"

// A bulb on the rung in parallel with a bulb and a resistor in series on the
// bottom wire.
class CParallelBulbsOneResistorCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 154;

    CParallelBulbsOneResistorCircuit();

    int EnergyLevel(const CElectron& e) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    GlowPen BulbGlowPen(int list) const override;
    int PictureBitmapId() const override;

    const CGlowList& Glow1() const { return m_glow1; }
    const CGlowList& Glow2() const { return m_glow2; }

private:
    void Release(CElectron& e, Load load) override;
    CGlowList m_glow1;
    CGlowList m_glow2;
};
