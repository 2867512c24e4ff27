#pragma once

#include "core/circuits/LoopCircuit.h"

// A rung across the middle holds a second bulb in parallel with the bottom one.
class CTwoBulbsParallelCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 146;

    CTwoBulbsParallelCircuit();

    int EnergyLevel(const CElectron& e) const override;
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
