#include "core/sim/Circuit.h"

#include "core/draw/GridMapping.h"
#include "core/sim/Random.h"

#include <cstdlib>

namespace {

// The pens at the reference unit; a layout scales them to its unit.
constexpr CPen kGlow2Pen = SolidPen(4, Rgb(255, 128, 0));
constexpr CPen kGlow3Pen = SolidPen(6, Rgb(255, 192, 0));
constexpr CPen kGlow4Pen = SolidPen(8, Rgb(255, 255, 0));
constexpr CPen kGlow1Pen = SolidPen(2, Rgb(255, 64, 0));
constexpr CPen kThickPen = SolidPen(8, Rgb(0, 0, 0));
constexpr CPen kThinPen = SolidPen(3, Rgb(0, 0, 0));
constexpr CPen kShadePen = SolidPen(2, Rgb(64, 64, 64));
constexpr CPen kLightPen = SolidPen(2, Rgb(192, 192, 192));

}

CCircuit::CCircuit()
    : m_penGlow2(kGlow2Pen),
      m_penGlow3(kGlow3Pen),
      m_penGlow4(kGlow4Pen),
      m_penGlow1(kGlow1Pen),
      m_penThick(kThickPen),
      m_penThin(kThinPen),
      m_penShade(kShadePen),
      m_penLight(kLightPen),
      m_font(CFontSpec{"Arial Black", 18, 400})
{
    m_dVoltage = 1.5 * m_nCells;
}

void CCircuit::SetDrawingScale(const CDrawingScale& scale)
{
    m_scale = scale;
    m_penGlow2 = scale.Pen(kGlow2Pen);
    m_penGlow3 = scale.Pen(kGlow3Pen);
    m_penGlow4 = scale.Pen(kGlow4Pen);
    m_penGlow1 = scale.Pen(kGlow1Pen);
    m_penThick = scale.Pen(kThickPen);
    m_penThin = scale.Pen(kThinPen);
    m_penShade = scale.Pen(kShadePen);
    m_penLight = scale.Pen(kLightPen);
}

CCircuit::~CCircuit() = default;

int CCircuit::EnergyLevel(const CElectron& e) const
{
    return OneReleaseLevel(e);
}

void CCircuit::DrawDiagram(CDrawSurface&) {}

std::string CCircuit::GetName() const
{
    return {};
}

CircuitRegion CCircuit::Classify(double, double) const
{
    return RegionWire;
}

void CCircuit::DrawBallModel(CDrawSurface&) {}

void CCircuit::BuildLabels() {}

void CCircuit::DrawGlow(CDrawSurface&) {}

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
    m_bLayoutDirty = true;
}

void CCircuit::ToggleLabels()
{
    m_bShowLabels = !m_bShowLabels;
    m_bLayoutDirty = true;
}

void CCircuit::SetShowLabels(bool show)
{
    m_bShowLabels = show;
}

void CCircuit::SetPalette(int palette)
{
    if (palette != m_nPalette)
        m_bLayoutDirty = true;
    m_nPalette = palette;
}

void CCircuit::SetDisplayMode(DisplayMode mode)
{
    // Glow arcs age only while the ball model is drawn; arcs left from
    // before a change would otherwise burst out all at once on return.
    if (mode != m_displayMode)
        for (CGlowList* list : m_glowLists)
            list->Clear();
    m_displayMode = mode;
    m_bLayoutDirty = true;
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
    return list >= 1 && index < m_glowLists.size() ? m_glowLists[index]->TotalAdded() : 0;
}

std::string CCircuit::LoadName(std::size_t) const
{
    return {};
}

void CCircuit::RegisterGlowList(CGlowList& list)
{
    m_glowLists.push_back(&list);
}

int CCircuit::PixelX(double x) const
{
    return ToPixel(m_nOffsetX, m_nUnit, x);
}

int CCircuit::PixelY(double y) const
{
    return ToPixel(m_nOffsetY, m_nUnit, y);
}
