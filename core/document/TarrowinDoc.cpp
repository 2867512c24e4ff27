#include "core/document/TarrowinDoc.h"

#include "core/circuits/SwitchedCircuit.h"
#include "core/res/CircuitCatalogue.h"
#include "core/res/CommandIds.h"

#include <algorithm>
#include <cstdlib>

CTarrowinDoc::CTarrowinDoc()
{
    m_circuits = {
        {CmdId::SingleBulb, &m_singleBulb},
        {CmdId::TwoBulbsSeries, &m_twoBulbsSeries},
        {CmdId::TwoBulbsParallel, &m_twoBulbsParallel},
        {CmdId::ThreeBulbs, &m_threeBulbs},
        {CmdId::BulbSwitch, &m_bulbSwitch},
        {CmdId::ParallelBulbsOneSwitched, &m_parallelBulbsOneSwitched},
        {CmdId::ParallelBulbsBothSwitched, &m_parallelBulbsBothSwitched},
        {CmdId::BulbResistor, &m_bulbResistor},
        {CmdId::ParallelBulbsOneResistor, &m_parallelBulbsOneResistor},
        {CmdId::BulbVariableResistor, &m_bulbVariableResistor},
        {CmdId::TwoResistorsSeries, &m_twoResistorsSeries},
        {CmdId::TwoResistorsParallel, &m_twoResistorsParallel},
        {CmdId::UnequalResistorsSeries, &m_unequalResistorsSeries},
        {CmdId::UnequalResistorsParallel, &m_unequalResistorsParallel},
    };
    m_pCircuit = &m_singleBulb;
    // Table order fixes which random placements each circuit gets.
    for (const CCircuitEntry& entry : m_circuits) {
        entry.pCircuit->JoinSet(m_set);
        entry.pCircuit->BuildLabels();
    }
    m_strTitle = m_pCircuit->GetName();
    MeasureCurrentCircuit();
}

void CTarrowinDoc::SetProgressSink(IProgressSink* sink)
{
    for (const CCircuitEntry& entry : m_circuits)
        entry.pCircuit->SetProgressSink(sink);
}

CCircuit* CTarrowinDoc::CircuitForCommand(int id) const
{
    auto it = std::find_if(m_circuits.begin(), m_circuits.end(),
                           [id](const CCircuitEntry& entry) { return entry.nCommandId == id; });
    return it == m_circuits.end() ? nullptr : it->pCircuit;
}

CCircuit* CTarrowinDoc::CircuitAt(int position) const
{
    const auto catalogue = CircuitCatalogue();
    if (position < 1 || position > static_cast<int>(catalogue.size()))
        return nullptr;
    return CircuitForCommand(catalogue[position - 1].nCommandId);
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
    for (const CCircuitEntry& entry : m_circuits)
        if (entry.pCircuit == m_pCircuit)
            setup.nCircuitId = entry.nCommandId;
    setup.nCells = std::abs(c.GetCells());
    setup.bReversed = c.IsReversed();
    setup.bSwitchOpen = c.IsSwitchOpen();
    setup.bVaryMeanSpeed = c.GetVaryMeanSpeed();
    if (m_pCircuit == &m_bulbVariableResistor)
        setup.resistorWall = m_bulbVariableResistor.GetResistorWall();
    return setup;
}

void CTarrowinDoc::MeasureCurrentCircuit()
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < m_pCircuit->LoadCounts().size(); ++i)
        names.push_back(m_pCircuit->LoadName(i));
    m_rates.Restart(names, m_pCircuit->SupplyPassages(), m_pCircuit->LoadCounts());
}

void CTarrowinDoc::LayoutCircuit(CDrawSurface& dc, const CRect& rect)
{
    m_rcView = rect;
    m_pCircuit->Layout(dc, rect);
}

void CTarrowinDoc::RenderCircuit(CDrawSurface& dc)
{
    m_pCircuit->Render(dc);
}

void CTarrowinDoc::RedrawCircuit(CDrawSurface& dc)
{
    m_pCircuit->Redraw(dc);
}

void CTarrowinDoc::SelectCircuit(CCircuit& circuit)
{
    circuit.SetDisplayMode(m_pCircuit->GetDisplayMode());
    circuit.SetShowLabels(m_pCircuit->GetShowLabels());
    // Fourteen circuits' frames at a projector's size would hold hundreds of
    // megabytes; only the one shown keeps them.
    if (&circuit != m_pCircuit) {
        m_pCircuit->ReleaseBitmaps();
        m_pCircuit = &circuit;
        MeasureCurrentCircuit();
    }
    m_bLayoutDue = true;
    m_strTitle = circuit.GetName();
}

bool CTarrowinDoc::CanChangeResistance(int id) const
{
    if (m_pCircuit != &m_bulbVariableResistor)
        return false;
    const int step = m_bulbVariableResistor.ResistanceStep();
    return id == CmdId::ResistanceUp ? step < CBulbVariableResistorCircuit::kResistanceSteps : step > 0;
}

void CTarrowinDoc::SetCellsCommand(int cells)
{
    m_pCircuit->SetCells(cells);
}

void CTarrowinDoc::SelectNeighbour(int step)
{
    const int count = static_cast<int>(m_circuits.size());
    const auto current = std::find_if(m_circuits.begin(), m_circuits.end(),
                                      [this](const CCircuitEntry& entry) { return entry.pCircuit == m_pCircuit; });
    const int index = static_cast<int>(current - m_circuits.begin());
    SelectCircuit(*m_circuits[static_cast<std::size_t>(((index + step) % count + count) % count)].pCircuit);
}

void CTarrowinDoc::SetPalette(int palette)
{
    m_nPalette = palette;
    for (const CCircuitEntry& entry : m_circuits)
        entry.pCircuit->SetPalette(palette);
}

bool CTarrowinDoc::OnCommand(int id)
{
    switch (id) {
    case CmdId::Cells0: SetCellsCommand(0); return true;
    case CmdId::Cells1: SetCellsCommand(1); return true;
    case CmdId::Cells2: SetCellsCommand(2); return true;
    case CmdId::Cells3: SetCellsCommand(3); return true;
    case CmdId::SwitchPolarity:
        m_pCircuit->SwitchPolarity();
        return true;
    case CmdId::DisplayBallModel: m_pCircuit->SetDisplayMode(0); return true;
    case CmdId::DisplayDiagram: m_pCircuit->SetDisplayMode(1); return true;
    case CmdId::DisplayPicture: m_pCircuit->SetDisplayMode(2); return true;
    case CmdId::TagElectron: m_pCircuit->ToggleTag(); return true;
    case CmdId::ShowLabels: m_pCircuit->ToggleLabels(); return true;
    case CmdId::VaryMeanSpeed: m_pCircuit->ToggleVaryMeanSpeed(); return true;
    case CmdId::Pulsate: m_pCircuit->TogglePulsate(); return true;
    case CmdId::SwitchOn: m_pCircuit->SetSwitchOpen(false); return true;
    case CmdId::SwitchOff: m_pCircuit->SetSwitchOpen(true); return true;
    case CmdId::ResistanceDown:
        m_bulbVariableResistor.DecreaseResistance();
        return true;
    case CmdId::ResistanceUp:
        m_bulbVariableResistor.IncreaseResistance();
        return true;
    case CmdId::ToggleSwitch:
        if (IsSwitchCircuit(m_pCircuit))
            m_pCircuit->SetSwitchOpen(!m_pCircuit->IsSwitchOpen());
        return true;
    case CmdId::PaletteStandard:
    case CmdId::PaletteColourBlind: SetPalette(id - CmdId::PaletteStandard); return true;
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
    switch (id) {
    case CmdId::Cells0:
    case CmdId::Cells1:
    case CmdId::Cells2:
    case CmdId::Cells3: return CCommandState{true, std::abs(c.GetCells()) == id - CmdId::Cells0};
    case CmdId::DisplayBallModel:
    case CmdId::DisplayDiagram:
    case CmdId::DisplayPicture: return CCommandState{true, c.GetDisplayMode() == id - CmdId::DisplayBallModel};
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
    case CmdId::PaletteStandard:
    case CmdId::PaletteColourBlind: return CCommandState{true, m_nPalette == id - CmdId::PaletteStandard};
    case CmdId::SwitchPolarity:
    case CmdId::NextCircuit:
    case CmdId::PreviousCircuit: return CCommandState{};
    default: break;
    }
    if (CircuitForCommand(id) != nullptr)
        return CCommandState{true, IsCommandChecked(id)};
    return std::nullopt;
}
