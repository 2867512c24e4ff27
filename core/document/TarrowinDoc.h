#pragma once

#include "core/circuits/BulbVariableResistorCircuit.h"
#include "core/measurement/CircuitRates.h"
#include "core/lesson/CommandState.h"
#include "core/measurement/Measurement.h"
#include "core/draw/DrawSurface.h"
#include "core/draw/Rect.h"
#include "core/render/CircuitPainter.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// The circuits of a lesson for the whole run, the current one, and the
// handlers of every command that changes a circuit.
class CTarrowinDoc {
public:
    CTarrowinDoc();
    CTarrowinDoc(const CTarrowinDoc&) = delete;
    CTarrowinDoc& operator=(const CTarrowinDoc&) = delete;

    // The current circuit's name.
    const std::string& GetTitle() const { return m_strTitle; }
    // Another circuit (or the same again) was chosen since the last call:
    // the view lays it out before its next frame.
    bool TakeLayoutDue() { return std::exchange(m_bLayoutDue, false); }

    // Every circuit, in the catalogue's order.
    std::span<const std::unique_ptr<CCircuit>> Circuits() const { return m_circuits; }
    // The circuit of a circuit command, or null for another id.
    CCircuit* CircuitForCommand(int id) const;
    // The circuit at a place 1, 2, ... of the catalogue, or null.
    CCircuit* CircuitAt(int position) const;
    bool IsSwitchCircuit(const CCircuit* circuit) const;
    // Whether "-" (ResistanceDown) or "+" (ResistanceUp) can act: the variable
    // resistor is shown and not at that end of its range.
    bool CanChangeResistance(int id) const;
    // The one circuit with a variable resistor, which "-" and "+" act on
    // whichever circuit is shown.
    const CBulbVariableResistorCircuit& VariableResistorCircuit() const { return *m_pVariableResistor; }

    CCircuit* GetCurrentCircuit() const { return m_pCircuit; }
    const CCircuitSet& CircuitSet() const { return m_set; }
    // The current circuit and its settings, for a measurement of its long run.
    CMeasureSetup CurrentSetup() const;
    void StepCircuit();
    // The current circuit's animation, one tick on: see CCircuit::AdvanceAnimation.
    void AdvanceAnimation();
    void LayoutCircuit(CDrawSurface& dc, const CRect& rect);
    // The current circuit as it stands, over the last frame drawn on the
    // surface (laid out again when the circuit or its background changed).
    // Reads the document only: the same moment drawn again gives the same frame.
    void DrawCircuit(CDrawSurface& dc) const;
    // What draws the current circuit: its layout and what the last frame changed.
    const CCircuitPainter& Painter() const { return m_painter; }
    void SelectCircuit(CCircuit& circuit);
    // The current circuit's current and energy per second, taken after every
    // step and started again when another circuit is chosen.
    const CCircuitRates& Rates() const { return m_rates; }

    // Runs a command of the menu, the chooser or the controls bar; false when
    // the id is none of the document's.
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

    // The current circuit's place in the catalogue.
    std::size_t CurrentIndex() const;

    // The circuits' one generator and step counter.
    CCircuitSet m_set;
    std::vector<std::unique_ptr<CCircuit>> m_circuits;   // in the catalogue's order
    CCircuit* m_pCircuit = nullptr;
    CBulbVariableResistorCircuit* m_pVariableResistor = nullptr;
    std::string m_strTitle;
    bool m_bLayoutDue = true;
    CCircuitRates m_rates;
    int m_nPalette = 0;
    // One painter for whichever circuit is shown, so only that one's
    // frame-sized background is held. Its caches change as it draws.
    mutable CCircuitPainter m_painter;
};
