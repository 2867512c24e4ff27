#pragma once

#include "core/circuits/LoopCircuit.h"

// One square loop: the supply in the middle of the top wire, one bulb in the
// middle of the bottom wire.
class CSingleBulbCircuit : public CLoopCircuit {
public:
    // Its picture's artwork id; the catalogue names the file.
    static constexpr int kPicture = 147;

    CSingleBulbCircuit();

    int EnergyLevel(const CElectron& e) const override;
    std::string GetName() const override;
    void BuildLabels() override;
    int PictureBitmapId() const override;

    const CGlowList& Glow() const { return m_glow1; }

private:
    void Release(CElectron& e, Load load) override;

    CGlowList m_glow1;
};
