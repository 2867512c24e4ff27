#pragma once

#include "core/circuits/LoopCircuit.h"

// Two bulbs side by side on the bottom wire, in series: each takes half of an
// electron's energy.
class CTwoBulbsSeriesCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 148;

    CTwoBulbsSeriesCircuit();

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
