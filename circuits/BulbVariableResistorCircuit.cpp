#include "circuits/BulbVariableResistorCircuit.h"

#include "circuits/CircuitGeometry.h"
#include "platform/SelectGuard.h"
#include "res/ResourceIds.h"

namespace {

constexpr double kThinnestWall = 0.5;
constexpr double kThickestWall = 1.2;
constexpr double kWallStep = 0.05;

}

CBulbVariableResistorCircuit::CBulbVariableResistorCircuit()
{
    RegisterGlowList(m_glow1);
}

int CBulbVariableResistorCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CBulbVariableResistorCircuit::GetName() const
{
    return "Bulb and Variable Resistor in Series";
}

int CBulbVariableResistorCircuit::PictureBitmapId() const
{
    return ResId::PictureBulbVariableResistor;
}

void CBulbVariableResistorCircuit::DecreaseResistance()
{
    // A running sum of steps: only the clamps land on the ends exactly.
    m_dResistorWall -= kWallStep;
    if (m_dResistorWall < kThinnestWall)
        m_dResistorWall = kThinnestWall;
    m_bLayoutDirty = true;
}

void CBulbVariableResistorCircuit::IncreaseResistance()
{
    m_dResistorWall += kWallStep;
    if (m_dResistorWall > kThickestWall)
        m_dResistorWall = kThickestWall;
    m_bLayoutDirty = true;
}

CComponentBlock CBulbVariableResistorCircuit::RightBlock() const
{
    return VariableResistorBlock(m_dResistorWall);
}

CComponentBlock CBulbVariableResistorCircuit::LeftBlock() const
{
    return kBottomLeftBulb;
}

void CBulbVariableResistorCircuit::AfterRightBlockWalls(CElectron& e)
{
    // Thicker walls may have grown over an electron: it goes to the supply.
    const double w = m_dResistorWall;
    if (13.8 < e.m_x && e.m_x < 17.2 && (e.m_y > 22.8 - w || (20 < e.m_y && e.m_y < 20.2 + w)))
        RescueToSupply(e);
}

void CBulbVariableResistorCircuit::ReleaseAtRight(CElectron& e)
{
    // The higher the resistance, the more it takes: below 0.9 the electron
    // even turns back.
    const double w = m_dResistorWall;
    GiveUpHalf(e, e.m_bHalf1, static_cast<int>(-(w - 0.2) * 10), (w - 1.2) + 0.3);
}

void CBulbVariableResistorCircuit::ReleaseAtLeft(CElectron& e)
{
    m_glow1.Add();
    GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
}

void CBulbVariableResistorCircuit::BuildLabels()
{
    m_dResistorWall = kThinnestWall;
    m_labels.push_back({"power supply", CRect{10, 0, 15, 2}});
    m_labels.push_back({"variable resistor", CRect{12, 18, 18, 20}});
    m_labels.push_back({"light bulb", CRect{7, 18, 12, 20}});
    ResetElectrons();
}

void CBulbVariableResistorCircuit::DrawVariableResistorGlyph(CDrawSurface& dc)
{
    DrawBlockGlyph(dc, VariableResistorBlock(m_dResistorWall));
}

void CBulbVariableResistorCircuit::DrawBallModel(CDrawSurface& dc)
{
    DrawRing(dc);
    DrawSupplyBars(dc);
    DrawBlockGlyph(dc, kBottomLeftBulb);
    DrawVariableResistorGlyph(dc);
}

void CBulbVariableResistorCircuit::DrawGlow(CDrawSurface& dc)
{
    const double w = m_dResistorWall;
    const GlowPen pen = w < 0.7 ? GlowPen::Bright : w < 1 ? GlowPen::Dim : GlowPen::Faint;
    DrawGlowArcs(dc, m_glow1, 9.5, 21, pen);
}

void CBulbVariableResistorCircuit::DrawDiagram(CDrawSurface& dc)
{
    const CComponentBlock symbols[]{VariableResistorBlock(m_dResistorWall), kBottomLeftBulb};
    DrawLoopDiagram(dc, symbols, false);
    // The arrow through the resistor that marks it variable.
    CPenGuard pen(dc, m_penThin);
    GridLine(dc, 13.5, 22.5, 17.5, 20.5);
    GridLine(dc, 17, 20.5, 17.5, 20.5);
    dc.LineTo(PixelX(17.25), PixelY(20.85));
}
