#include "core/document/TarrowinDoc.h"

#include "core/circuits/CircuitCatalogue.h"
#include "core/circuits/SwitchedCircuit.h"
#include "core/res/CommandIds.h"

#include <algorithm>
#include <cstdlib>

CTarrowinDoc::CTarrowinDoc()
{
    for (const CCircuitCatalogueEntry& entry : CircuitCatalogue())
        m_circuits.push_back(entry.Make());
    // The catalogue's order fixes which random placements each circuit gets.
    for (const auto& circuit : m_circuits) {
        circuit->JoinSet(m_set);
        circuit->BuildLabels();
    }
    m_pCircuit = m_circuits.front().get();
    // "-" and "+" act on it whichever circuit is shown.
    m_pVariableResistor = &dynamic_cast<CBulbVariableResistorCircuit&>(*CircuitForCommand(CmdId::BulbVariableResistor));
    m_strTitle = m_pCircuit->GetName();
    MeasureCurrentCircuit();
}

CCircuit* CTarrowinDoc::CircuitForCommand(int id) const
{
    const auto catalogue = CircuitCatalogue();
    const auto it = std::find_if(catalogue.begin(), catalogue.end(),
                                 [id](const CCircuitCatalogueEntry& entry) { return entry.nCommandId == id; });
    return it == catalogue.end() ? nullptr : CircuitAt(static_cast<int>(it - catalogue.begin()) + 1);
}

CCircuit* CTarrowinDoc::CircuitAt(int position) const
{
    if (position < 1 || position > static_cast<int>(m_circuits.size()))
        return nullptr;
    return m_circuits[static_cast<std::size_t>(position - 1)].get();
}

std::size_t CTarrowinDoc::CurrentIndex() const
{
    const auto it = std::find_if(m_circuits.begin(), m_circuits.end(),
                                 [this](const auto& circuit) { return circuit.get() == m_pCircuit; });
    return static_cast<std::size_t>(it - m_circuits.begin());
}

bool CTarrowinDoc::IsSwitchCircuit(const CCircuit* circuit) const
{
    return dynamic_cast<const CSwitchedCircuit*>(circuit) != nullptr;
}

void CTarrowinDoc::StepCircuit()
{
    m_pCircuit->Step();
    m_rates.Sample(m_pCircuit->SupplyPassages(), m_pCircuit->LoadCounts());
}

CMeasureSetup CTarrowinDoc::CurrentSetup() const
{
    const CCircuit& c = *m_pCircuit;
    CMeasureSetup setup;
    setup.nCircuitId = CircuitCatalogue()[CurrentIndex()].nCommandId;
    setup.nCells = std::abs(c.GetCells());
    setup.bReversed = c.IsReversed();
    setup.bSwitchOpen = c.IsSwitchOpen();
    setup.bVaryMeanSpeed = c.GetVaryMeanSpeed();
    if (m_pCircuit == m_pVariableResistor)
        setup.resistorWall = m_pVariableResistor->GetResistorWall();
    return setup;
}

void CTarrowinDoc::MeasureCurrentCircuit()
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_pCircuit->LoadCounts().size(); ++i)
        names.push_back(m_pCircuit->LoadName(i));
    m_rates.Restart(names, m_pCircuit->SupplyPassages(), m_pCircuit->LoadCounts());
}

void CTarrowinDoc::AdvanceAnimation()
{
    m_pCircuit->AdvanceAnimation();
}

void CTarrowinDoc::LayoutCircuit(CDrawSurface& dc, const CRect& rect)
{
    m_painter.Layout(*m_pCircuit, dc, rect);
}

void CTarrowinDoc::DrawCircuit(CDrawSurface& dc) const
{
    m_painter.Draw(*m_pCircuit, dc);
}

void CTarrowinDoc::SelectCircuit(CCircuit& circuit)
{
    circuit.SetDisplayMode(m_pCircuit->GetDisplayMode());
    circuit.SetShowLabels(m_pCircuit->GetShowLabels());
    if (&circuit != m_pCircuit) {
        m_pCircuit = &circuit;
        MeasureCurrentCircuit();
    }
    m_bLayoutDue = true;
    m_strTitle = circuit.GetName();
}

bool CTarrowinDoc::CanChangeResistance(int id) const
{
    if (m_pCircuit != m_pVariableResistor)
        return false;
    const int step = m_pVariableResistor->ResistanceStep();
    return id == CmdId::ResistanceUp ? step < CBulbVariableResistorCircuit::kResistanceSteps : step > 0;
}

void CTarrowinDoc::SetCellsCommand(int cells)
{
    m_pCircuit->SetCells(cells);
}

void CTarrowinDoc::SelectNeighbour(int step)
{
    const int count = static_cast<int>(m_circuits.size());
    const int index = static_cast<int>(CurrentIndex());
    SelectCircuit(*m_circuits[static_cast<std::size_t>(((index + step) % count + count) % count)]);
}

void CTarrowinDoc::SetPalette(int palette)
{
    m_nPalette = palette;
    for (const auto& circuit : m_circuits)
        circuit->SetPalette(palette);
}

bool CTarrowinDoc::OnCommand(int id)
{
    if (const auto cells = CmdId::IndexIn(CmdId::kCells, id)) {
        SetCellsCommand(*cells);
        return true;
    }
    if (const auto mode = CmdId::IndexIn(CmdId::kDisplays, id)) {
        m_pCircuit->SetDisplayMode(static_cast<DisplayMode>(*mode));
        return true;
    }
    if (const auto palette = CmdId::IndexIn(CmdId::kPalettes, id)) {
        SetPalette(*palette);
        return true;
    }
    switch (id) {
    case CmdId::SwitchPolarity: m_pCircuit->SwitchPolarity(); return true;
    case CmdId::TagElectron: m_pCircuit->ToggleTag(); return true;
    case CmdId::ShowLabels: m_pCircuit->ToggleLabels(); return true;
    case CmdId::VaryMeanSpeed: m_pCircuit->ToggleVaryMeanSpeed(); return true;
    case CmdId::Pulsate: m_pCircuit->TogglePulsate(); return true;
    case CmdId::SwitchOn: m_pCircuit->SetSwitchOpen(false); return true;
    case CmdId::SwitchOff: m_pCircuit->SetSwitchOpen(true); return true;
    case CmdId::ResistanceDown: m_pVariableResistor->DecreaseResistance(); return true;
    case CmdId::ResistanceUp: m_pVariableResistor->IncreaseResistance(); return true;
    case CmdId::ToggleSwitch:
        if (IsSwitchCircuit(m_pCircuit))
            m_pCircuit->SetSwitchOpen(!m_pCircuit->IsSwitchOpen());
        return true;
    case CmdId::NextCircuit: SelectNeighbour(1); return true;
    case CmdId::PreviousCircuit: SelectNeighbour(-1); return true;
    default: break;
    }
    if (CCircuit* circuit = CircuitForCommand(id)) {
        SelectCircuit(*circuit);
        return true;
    }
    return false;
}

bool CTarrowinDoc::IsCommandChecked(int id) const
{
    const CCircuit* circuit = CircuitForCommand(id);
    return circuit != nullptr && circuit == m_pCircuit;
}

std::optional<CCommandState> CTarrowinDoc::CommandState(int id) const
{
    const CCircuit& c = *m_pCircuit;
    if (const auto cells = CmdId::IndexIn(CmdId::kCells, id))
        return CCommandState{true, std::abs(c.GetCells()) == *cells};
    if (const auto mode = CmdId::IndexIn(CmdId::kDisplays, id))
        return CCommandState{true, c.GetDisplayMode() == static_cast<DisplayMode>(*mode)};
    if (const auto palette = CmdId::IndexIn(CmdId::kPalettes, id))
        return CCommandState{true, m_nPalette == *palette};
    switch (id) {
    case CmdId::TagElectron: return CCommandState{true, c.GetTagged() != nullptr};
    case CmdId::ShowLabels: return CCommandState{true, c.GetShowLabels()};
    case CmdId::VaryMeanSpeed: return CCommandState{true, c.GetVaryMeanSpeed()};
    case CmdId::Pulsate: return CCommandState{true, c.GetPulsate()};
    case CmdId::ToggleSwitch: return CCommandState{IsSwitchCircuit(&c), IsSwitchCircuit(&c) && !c.IsSwitchOpen()};
    // "on" and "off" work only where a switch is shown, and the one pressed says how it stands.
    case CmdId::SwitchOn:
    case CmdId::SwitchOff:
        return CCommandState{IsSwitchCircuit(&c), IsSwitchCircuit(&c) && c.IsSwitchOpen() == (id == CmdId::SwitchOff)};
    case CmdId::ResistanceDown:
    case CmdId::ResistanceUp: return CCommandState{CanChangeResistance(id), false};
    case CmdId::SwitchPolarity:
    case CmdId::NextCircuit:
    case CmdId::PreviousCircuit: return CCommandState{};
    default: break;
    }
    if (CircuitForCommand(id) != nullptr)
        return CCommandState{true, IsCommandChecked(id)};
    return std::nullopt;
}
