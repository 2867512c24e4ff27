#pragma once

#include "core/circuits/BulbResistorCircuit.h"
#include "core/circuits/BulbSwitchCircuit.h"
#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/circuits/ParallelBulbsBothSwitchedCircuit.h"
#include "core/circuits/ParallelBulbsOneResistorCircuit.h"
#include "core/circuits/ParallelBulbsOneSwitchedCircuit.h"
#include "core/circuits/SingleBulbCircuit.h"
#include "core/circuits/ThreeBulbsCircuit.h"
#include "core/circuits/TwoBulbsParallelCircuit.h"
#include "core/circuits/TwoBulbsSeriesCircuit.h"
#include "core/circuits/TwoResistorsParallelCircuit.h"
#include "core/circuits/TwoResistorsSeriesCircuit.h"
#include "core/circuits/UnequalResistorsParallelCircuit.h"
#include "core/circuits/UnequalResistorsSeriesCircuit.h"
#include "core/measurement/CircuitRates.h"
#include "core/lesson/CommandState.h"
#include "core/measurement/Measurement.h"
#include "core/draw/DrawSurface.h"
#include "core/draw/Rect.h"
#include "core/sim/ProgressSink.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The circuits of a lesson for the whole run, the current one, and the
// handlers of every command that changes a circuit.
class CTarrowinDoc {
public:
    struct CCircuitEntry {
        int nCommandId;
        CCircuit* pCircuit;
    };

    CTarrowinDoc();
    CTarrowinDoc(const CTarrowinDoc&) = delete;
    CTarrowinDoc& operator=(const CTarrowinDoc&) = delete;

    // Where the circuits' title pages say how far they have come.
    void SetProgressSink(IProgressSink* sink);
    // The current circuit's name.
    const std::string& GetTitle() const { return m_strTitle; }
    // Another circuit (or the same again) was chosen since the last call:
    // the view lays it out before its next frame.
    bool TakeLayoutDue() { return std::exchange(m_bLayoutDue, false); }

    // The circuits built so far, in table order.
    std::span<const CCircuitEntry> Circuits() const { return m_circuits; }
    // The circuit of a circuit command, or null while it is not built.
    CCircuit* CircuitForCommand(int id) const;
    // The circuit at a place 1..14 of the catalogue, or null.
    CCircuit* CircuitAt(int position) const;
    bool IsSwitchCircuit(const CCircuit* circuit) const;
    // Whether "-" (ResistanceDown) or "+" (ResistanceUp) can act: the variable
    // resistor is shown and not at that end of its range.
    bool CanChangeResistance(int id) const;
    // The one circuit with a variable resistor, which "-" and "+" act on
    // whichever circuit is shown.
    const CBulbVariableResistorCircuit& VariableResistorCircuit() const { return m_bulbVariableResistor; }

    CCircuit* GetCurrentCircuit() const { return m_pCircuit; }
    const CCircuitSet& CircuitSet() const { return m_set; }
    // The current circuit and its settings, for a measurement of its long run.
    CMeasureSetup CurrentSetup() const;
    void StepCircuit();
    void LayoutCircuit(CDrawSurface& dc, const CRect& rect);
    void RenderCircuit(CDrawSurface& dc);
    // The frame that stands while time is stopped; changes nothing a tick computes.
    void RedrawCircuit(CDrawSurface& dc);
    void SelectCircuit(CCircuit& circuit);
    // The current circuit's current and energy per second, taken after every
    // step and started again when another circuit is chosen.
    const CCircuitRates& Rates() const { return m_rates; }

    // Runs a command of the menu, the chooser or the controls bar; false when
    // the id is none of the document's (or names a circuit not built yet).
    bool OnCommand(int id);
    // The balls' colours (a PaletteId) for every circuit, and the key to them.
    void SetPalette(int palette);
    int GetPalette() const { return m_nPalette; }
    // A circuit command is checked exactly while its circuit is current.
    bool IsCommandChecked(int id) const;
    // How the menus show one of the document's commands; none for another's.
    std::optional<CCommandState> CommandState(int id) const;

private:
    void SetCellsCommand(int cells);
    // The circuit `step` places after the current one in the catalogue, round the end.
    void SelectNeighbour(int step);
    // The rates start again from the current circuit's counts.
    void MeasureCurrentCircuit();

    CRect m_rcView;
    // The fourteen circuits' one generator and step counter.
    CCircuitSet m_set;
    CCircuit* m_pCircuit = nullptr;
    CSingleBulbCircuit m_singleBulb;
    CTwoBulbsSeriesCircuit m_twoBulbsSeries;
    CTwoBulbsParallelCircuit m_twoBulbsParallel;
    CThreeBulbsCircuit m_threeBulbs;
    CBulbSwitchCircuit m_bulbSwitch;
    CParallelBulbsOneSwitchedCircuit m_parallelBulbsOneSwitched;
    CParallelBulbsBothSwitchedCircuit m_parallelBulbsBothSwitched;
    CBulbResistorCircuit m_bulbResistor;
    CParallelBulbsOneResistorCircuit m_parallelBulbsOneResistor;
    CBulbVariableResistorCircuit m_bulbVariableResistor;
    CTwoResistorsSeriesCircuit m_twoResistorsSeries;
    CTwoResistorsParallelCircuit m_twoResistorsParallel;
    CUnequalResistorsSeriesCircuit m_unequalResistorsSeries;
    CUnequalResistorsParallelCircuit m_unequalResistorsParallel;

    std::vector<CCircuitEntry> m_circuits;
    std::string m_strTitle;
    bool m_bLayoutDue = true;
    CCircuitRates m_rates;
    int m_nPalette = 0;
};
