#pragma once

#include "core/draw/Rect.h"
#include "core/sim/CircuitRegion.h"
#include "core/sim/CircuitSet.h"
#include "core/sim/DisplayMode.h"
#include "core/sim/ComponentBlock.h"
#include "core/sim/ComponentLabel.h"
#include "core/sim/Electron.h"
#include "core/sim/GlowList.h"
#include "core/sim/GridPoint.h"
#include "core/sim/LoadCount.h"

#include <span>
#include <string>
#include <vector>

class CGridCanvas;

// The base of every circuit: 50 electrons on a 25 x 25 grid, the power
// supply setting, the user's display options, the shared step and
// thermostat, and the animation that every tick advances (the title page,
// the electrons' flashes and shaking, the bulbs' glow arcs). A concrete
// circuit supplies its geometry, motion rules and drawings through the
// virtual operations. CCircuitPainter draws it and only reads it.
class CCircuit {
public:
    static constexpr int kElectronCount = 50;
    static constexpr int kGridSize = 25;
    static constexpr int kIntroFrames = 250;
    static constexpr int kGlowLevels = 10;

    CCircuit();
    virtual ~CCircuit();
    CCircuit(const CCircuit&) = delete;
    CCircuit& operator=(const CCircuit&) = delete;

    // --- what each circuit supplies ---
    virtual int EnergyLevel(const CElectron& e) const;
    virtual std::string GetName() const;
    virtual CircuitRegion Classify(double x, double y) const;
    // The backgrounds of the diagram and of the ball model, on the canvas's layout.
    virtual void DrawDiagram(const CGridCanvas& canvas) const;
    virtual void DrawBallModel(const CGridCanvas& canvas) const;
    virtual void BuildLabels();
    virtual void MoveElectron(CElectron& e);
    virtual bool IsSwitchOpen() const;
    virtual void SetSwitchOpen(bool open);
    virtual int PictureBitmapId() const;
    // How brightly a bulb glows for a cell count: a bulb alone in its
    // branch brightly; one sharing the energy one step thinner and redder;
    // one behind a high variable resistance fainter still.
    enum class GlowPen { Bright, Dim, Faint };
    // The pen of the arcs over bulb 1, 2 or 3.
    virtual GlowPen BulbGlowPen(int /*list*/) const { return GlowPen::Bright; }

    // --- simulation ---
    void Step();
    void SwitchPolarity();
    void ToggleTag();
    void ResetElectrons();
    void SetCells(int n);
    void ToggleVaryMeanSpeed() { m_bVaryMeanSpeed = !m_bVaryMeanSpeed; }
    void TogglePulsate() { m_bPulsate = !m_bPulsate; }
    void ToggleLabels();
    void SetDisplayMode(DisplayMode mode);
    DisplayMode GetDisplayMode() const { return m_displayMode; }
    // The balls' colours, a PaletteId; the next frame is laid out in them.
    void SetPalette(int palette);
    int GetPalette() const { return m_nPalette; }

    // --- the animation ---
    // One tick of everything that moves besides the electrons' paths, as
    // the tick's frame shows it: the title page counts down; after it, in
    // the ball model, the charged electrons' flashes and shaking move on
    // and the glow arcs grow (or go, with no cells).
    void AdvanceAnimation();
    // The title page's ticks still to come; 0 once the electrons show.
    int GetIntroFrames() const { return m_nIntroFrames; }
    // The title page's frame that the last tick showed: the count before
    // that tick's, so the page stays up on the tick that counts it to 0;
    // 0 for the electrons.
    int IntroFrameShown() const { return m_nIntroFrameShown; }
    // How far the title page has come, 0 to 100.
    int IntroProgress() const { return (kIntroFrames - m_nIntroFrames) * 2 / 5; }
    // Moves on whenever the background changes (the cells, the display, the
    // labels, the colours, a switch, the resistor): a painter lays the
    // circuit out again when it differs from the one it drew.
    int LayoutVersion() const { return m_nLayoutVersion; }

    // --- read access for the document, the view and tools ---
    int GetCells() const { return m_nCells; }
    double GetVoltage() const { return m_dVoltage; }
    bool IsReversed() const { return m_bReversed; }
    bool GetVaryMeanSpeed() const { return m_bVaryMeanSpeed; }
    bool GetPulsate() const { return m_bPulsate; }
    bool GetShowLabels() const { return m_bShowLabels; }
    void SetShowLabels(bool show);
    const CElectron* GetTagged() const { return m_pTagged; }
    double GetSupplyCount() const { return m_dSupplyCount; }
    // The view takes the count of each tick and starts the next from 0.
    double TakeSupplyCount();

    // --- counts since the circuit was built, whatever is shown; they only observe ---
    // Net electrons through the supply (negative while it is reversed).
    long long SupplyPassages() const { return m_nSupplyPassages; }
    // Arcs ever added to glow list 1, 2 or 3; 0 for a list the circuit lacks.
    long long ArcsAdded(int list) const;
    // One glow list per bulb: "light bulb 1" is list 1, a circuit's only bulb too.
    int BulbCount() const { return static_cast<int>(m_glowLists.size()); }
    // One count per load, in the order of LoadName.
    virtual std::span<const CLoadCount> LoadCounts() const { return {}; }
    // A load's name: the label over it.
    virtual std::string LoadName(std::size_t load) const;
    const std::vector<CElectron>& Electrons() const { return m_electrons; }
    std::vector<CElectron>& Electrons() { return m_electrons; }
    const std::vector<CComponentLabel>& Labels() const { return m_labels; }
    // Bulb 1, 2 or 3's glow arcs, and where they rise from.
    const CGlowList& BulbGlow(int bulb) const { return *m_glowLists[static_cast<std::size_t>(bulb - 1)].list; }
    CGridPoint BulbGlowCentre(int bulb) const { return m_glowLists[static_cast<std::size_t>(bulb - 1)].centre; }

    // Draws from the set's generator and steps with its tick counter from now
    // on; a circuit built alone belongs to LoneCircuitSet().
    void JoinSet(CCircuitSet& set) { m_pSet = &set; }
    CCircuitSet& Set() const { return *m_pSet; }
    CRandom& Random() const { return m_pSet->random; }
    // The set's tick counter of Step (0, 1, 2): the energy cues count down
    // when it comes round to 0.
    int StepTickCounter() const { return m_pSet->stepTick; }

protected:
    // Counts an electron's passage through the supply for the meter and the
    // measurements: +1, -1 while reversed, 0 for none.
    void CountSupplyPassage(int passed)
    {
        m_dSupplyCount += passed;
        m_nSupplyPassages += passed;
    }

    // Energy-level rules shared by the circuits.
    int OneReleaseLevel(const CElectron& e) const;
    int TwoReleaseLevel(const CElectron& e) const;

    // The glow arcs of the next bulb, rising from centre; the base ages them
    // and empties them when the display mode changes.
    void RegisterGlowList(CGlowList& list, CGridPoint centre);
    // The background changed: the next frame is laid out again.
    void InvalidateLayout() { ++m_nLayoutVersion; }
    // The title page with that many ticks to go, as a new circuit has kIntroFrames.
    void SetIntroFrames(int frames) { m_nIntroFrames = m_nIntroFrameShown = frames; }

    bool m_bVaryMeanSpeed = false;
    bool m_bPulsate = true;
    bool m_bShowLabels = false;
    double m_dVoltage = 1.5;
    double m_dSupplyCount = 0.0;
    long long m_nSupplyPassages = 0;
    int m_nCells = 1;
    int m_nIntroFrames = kIntroFrames;
    int m_nIntroFrameShown = kIntroFrames;
    bool m_bReversed = false;
    DisplayMode m_displayMode = DisplayMode::BallModel;
    int m_nPalette = 0;
    int m_nLayoutVersion = 0;
    CElectron* m_pTagged = nullptr;
    // Held by value in creation order; the array is filled once, so
    // m_pTagged stays valid.
    std::vector<CElectron> m_electrons;
    std::vector<CComponentLabel> m_labels;

private:
    void ComputeForces(double k);
    void Thermostat();

    struct CBulbGlow {
        CGlowList* list;
        CGridPoint centre;
    };
    std::vector<CBulbGlow> m_glowLists;
    CCircuitSet* m_pSet = &LoneCircuitSet();
};
