#include "core/sim/Circuit.h"

#include "core/sim/Random.h"

#include <cstdlib>

CCircuit::CCircuit()
{
    m_dVoltage = 1.5 * m_nCells;
}

CCircuit::~CCircuit() = default;

int CCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

void CCircuit::DrawDiagram(const CGridCanvas&) const {}

std::string CCircuit::GetName() const
{
    return {};
}

CircuitRegion CCircuit::Classify(double, double) const
{
    return RegionWire;
}

void CCircuit::DrawBallModel(const CGridCanvas&) const {}

void CCircuit::BuildLabels() {}

void CCircuit::MoveElectron(CElectron&) {}

bool CCircuit::IsSwitchOpen() const
{
    return false;
}

void CCircuit::SetSwitchOpen(bool) {}

int CCircuit::PictureBitmapId() const
{
    return 0;
}

int CCircuit::OneReleaseLevel(const CElectron& e) const
{
    return 2 * std::abs(m_nCells) * (e.m_bHalf1 ? 1 : 0);
}

int CCircuit::TwoReleaseLevel(const CElectron& e) const
{
    return std::abs(m_nCells) * (e.m_bHalf1 ? 1 : 0) + std::abs(m_nCells) * (e.m_bHalf2 ? 1 : 0);
}

void CCircuit::ResetElectrons()
{
    m_pTagged = nullptr;
    m_electrons.clear();
    m_electrons.reserve(kElectronCount);
    while (static_cast<int>(m_electrons.size()) < kElectronCount) {
        const int r1 = Random().Next();
        const int r2 = Random().Next();
        const double x = (r1 * 25) / 32767.0;
        const double y = (r2 * 25) / 32767.0;
        if (Classify(x, y) != RegionWire)
            continue;
        const int r3 = Random().Next();
        const int r4 = Random().Next();
        const double vy = (r3 / 32767.0 - 0.5) / 1000;
        const double vx = (r4 / 32767.0 - 0.5) / 1000;
        CElectron& e = m_electrons.emplace_back(x, y, vx, vy);
        e.m_bHalf1 = e.m_bHalf2 = (x > 12.5);
    }
}

void CCircuit::SetCells(int n)
{
    m_nCells = std::abs(n);
    if (m_bReversed)
        m_nCells = -m_nCells;
    m_dVoltage = 1.5 * m_nCells;
    InvalidateLayout();
}

void CCircuit::ToggleLabels()
{
    m_bShowLabels = !m_bShowLabels;
    InvalidateLayout();
}

void CCircuit::SetShowLabels(bool show)
{
    m_bShowLabels = show;
}

void CCircuit::SetPalette(int palette)
{
    if (palette != m_nPalette)
        InvalidateLayout();
    m_nPalette = palette;
}

void CCircuit::SetDisplayMode(DisplayMode mode)
{
    // Glow arcs age only while the ball model is shown; arcs left from
    // before a change would otherwise burst out all at once on return.
    if (mode != m_displayMode)
        for (const CBulbGlow& glow : m_glowLists)
            glow.list->Clear();
    m_displayMode = mode;
    InvalidateLayout();
}

double CCircuit::TakeSupplyCount()
{
    const double count = m_dSupplyCount;
    m_dSupplyCount = 0.0;
    return count;
}

long long CCircuit::ArcsAdded(int list) const
{
    // The circuits register their lists in number order.
    const auto index = static_cast<std::size_t>(list - 1);
    return list >= 1 && index < m_glowLists.size() ? m_glowLists[index].list->TotalAdded() : 0;
}

std::string CCircuit::LoadName(std::size_t) const
{
    return {};
}

void CCircuit::RegisterGlowList(CGlowList& list, CGridPoint centre)
{
    m_glowLists.push_back({&list, centre});
}
