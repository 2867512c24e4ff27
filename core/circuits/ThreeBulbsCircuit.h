#pragma once

#include "core/circuits/LoopCircuit.h"

// A bulb on the rung in parallel with two in series on the bottom wire.
class CThreeBulbsCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 149;

    CThreeBulbsCircuit();

    int EnergyLevel(const CElectron& e) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    GlowPen BulbGlowPen(int list) const override;
    int PictureBitmapId() const override;

    const CGlowList& Glow1() const { return m_glow1; }
    const CGlowList& Glow2() const { return m_glow2; }
    const CGlowList& Glow3() const { return m_glow3; }

private:
    void Release(CElectron& e, Load load) override;

    CGlowList m_glow1;
    CGlowList m_glow2;
    CGlowList m_glow3;
};
