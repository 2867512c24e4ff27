#include "core/circuits/BulbVariableResistorCircuit.h"

#include "core/circuits/CircuitGeometry.h"
#include "core/draw/SelectGuard.h"
#include "core/render/GridCanvas.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kThinnestWall = 0.5;
constexpr double kThickestWall = 1.2;
constexpr double kWallStep = 0.05;

constexpr CLoopLayout kLayout{
    .bottom = VariableResistorBlock(kThinnestWall),
    .seriesLeft = kBottomLeftBulb,
    .bFunnel = true,
};

}

CBulbVariableResistorCircuit::CBulbVariableResistorCircuit() : CLoopCircuit(kLayout)
{
    RegisterGlowList(m_glow1, {9.5, 21});
}

int CBulbVariableResistorCircuit::EnergyLevel(const CElectron& e) const
{
    return TwoReleaseLevel(e);
}

std::string CBulbVariableResistorCircuit::GetName() const
{
    return QT_TRANSLATE_NOOP("Circuit", "Bulb and Variable Resistor in Series");
}

int CBulbVariableResistorCircuit::PictureBitmapId() const
{
    return kPicture;
}

void CBulbVariableResistorCircuit::DecreaseResistance()
{
    // A running sum of steps: only the clamps land on the ends exactly.
    SetResistorWall(std::max(m_dResistorWall - kWallStep, kThinnestWall));
    InvalidateLayout();
}

void CBulbVariableResistorCircuit::IncreaseResistance()
{
    SetResistorWall(std::min(m_dResistorWall + kWallStep, kThickestWall));
    InvalidateLayout();
}

double CBulbVariableResistorCircuit::WallAfterPresses(int presses)
{
    double wall = kThinnestWall;
    for (int i = 0; i < presses; ++i)
        wall = std::min(wall + kWallStep, kThickestWall);
    return wall;
}

void CBulbVariableResistorCircuit::SetResistorWall(double w)
{
    m_dResistorWall = w;
    m_layout.bottom = VariableResistorBlock(w);
}

void CBulbVariableResistorCircuit::AfterBottomBlockWalls(CElectron& e)
{
    // Thicker walls may have grown over an electron: it goes to the supply.
    const double w = m_dResistorWall;
    if (13.8 < e.m_x && e.m_x < 17.2 && (e.m_y > 22.8 - w || (20 < e.m_y && e.m_y < 20.2 + w)))
        RescueToSupply(e, Random());
}

void CBulbVariableResistorCircuit::Release(CElectron& e, Load load)
{
    if (load == Load::SeriesRight) {
        // The higher the resistance, the more it takes: below 0.9 the electron
        // even turns back.
        const double w = m_dResistorWall;
        GiveUpHalf(e, e.m_bHalf1, static_cast<int>(-(w - 0.2) * 10), (w - 1.2) + 0.3);
    } else {
        m_glow1.Add();
        GiveUpHalf(e, e.m_bHalf2, -10, 0.1);
    }
}

void CBulbVariableResistorCircuit::BuildLabels()
{
    SetResistorWall(kThinnestWall);
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "power supply"), CRect{10, 0, 15, 2}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "variable resistor"), CRect{12, 23, 18, 25}});
    m_labels.push_back({QT_TRANSLATE_NOOP("Label", "light bulb"), CRect{7, 23, 12, 25}});
    ResetElectrons();
}

CCircuit::GlowPen CBulbVariableResistorCircuit::BulbGlowPen(int) const
{
    const double w = m_dResistorWall;
    return w < 0.7 ? GlowPen::Bright : w < 1 ? GlowPen::Dim : GlowPen::Faint;
}

int CBulbVariableResistorCircuit::StepOfWall(double wall)
{
    return static_cast<int>(std::lround((wall - kThinnestWall) / kWallStep));
}

void CBulbVariableResistorCircuit::DrawDiagram(const CGridCanvas& canvas) const
{
    CLoopCircuit::DrawDiagram(canvas);
    // The arrow through the resistor that marks it variable.
    CPenGuard pen(canvas.Surface(), canvas.Pens().thin);
    canvas.GridLine(13.5, 22.5, 17.5, 20.5);
    canvas.GridLine(17, 20.5, 17.5, 20.5);
    canvas.Surface().LineTo(canvas.PixelX(17.25), canvas.PixelY(20.85));
}
