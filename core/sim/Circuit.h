#pragma once

#include "core/draw/DrawObjects.h"
#include "core/draw/DrawSurface.h"
#include "core/draw/Rect.h"
#include "core/sim/BallSprite.h"
#include "core/sim/CircuitRegion.h"
#include "core/sim/CircuitSet.h"
#include "core/sim/DisplayMode.h"
#include "core/sim/ComponentBlock.h"
#include "core/sim/ComponentLabel.h"
#include "core/sim/DrawingScale.h"
#include "core/sim/Electron.h"
#include "core/sim/GlowList.h"
#include "core/sim/GridPoint.h"
#include "core/sim/LabelLayer.h"
#include "core/sim/LoadCount.h"
#include "core/sim/ProgressSink.h"

#include <array>
#include <memory>
#include <span>
#include <string>
#include <vector>

// The base of every circuit: 50 electrons on a 25 x 25 grid, the
// power supply setting, the user's display options, and the shared step,
// thermostat and frame rendering. A concrete circuit supplies its geometry,
// motion rules and drawings through the virtual operations.
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
    virtual void DrawDiagram(CDrawSurface& dc);
    virtual std::string GetName() const;
    virtual CircuitRegion Classify(double x, double y) const;
    virtual void DrawBallModel(CDrawSurface& dc);
    virtual void BuildLabels();
    // Draws over the frame; whatever it draws must be given to MarkDrawn
    // (DrawGlowArcs does), so the next frame erases it.
    virtual void DrawGlow(CDrawSurface& dc);
    virtual void MoveElectron(CElectron& e);
    virtual bool IsSwitchOpen() const;
    virtual void SetSwitchOpen(bool open);
    virtual int PictureBitmapId() const;
    // How brightly a bulb glows for a cell count: a bulb alone in its
    // branch brightly; one sharing the energy one step thinner and redder;
    // one behind a high variable resistance fainter still.
    enum class GlowPen { Bright, Dim, Faint };
    // The pen of the bulb of glow list 1, 2 or 3, as DrawGlow draws it.
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

    // --- frames ---
    // Draws the background for the surface's client rectangle and copies it there.
    void Layout(CDrawSurface& dc, const CRect& rect);
    // Draws the next frame over the last one on the surface laid out on,
    // changing only what the two frames drew.
    void Render(CDrawSurface& dc);
    // Draws the frame that stands while time is stopped: the electrons, arcs,
    // flashes and intro as they are, nothing aged or counted on, so that the
    // ticks that follow compute exactly what they would have.
    void Redraw(CDrawSurface& dc);
    // Lets go of the frame-sized bitmap while another circuit is shown; the
    // next Render lays the circuit out again.
    void ReleaseBitmaps();
    // The parts of the surface that the last Render (or Layout) changed:
    // the whole client area after a layout and around the intro, else what
    // the previous and the new frame drew over the background.
    const std::vector<CRect>& LastRenderRects() const { return m_rendered; }
    void DrawIntro(CDrawSurface& dc);
    void DrawElectrons(CDrawSurface& dc);
    void DrawLabels(CDrawSurface& dc);
    // A label's rectangle in pixels.
    CRect LabelRect(const CComponentLabel& label) const;
    void PulseOffset(CElectron& e, int& ox, int& oy) const;
    void SetProgressSink(IProgressSink* sink) { m_pProgress = sink; }

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
    int GetIntroFrames() const { return m_nIntroFrames; }
    bool IsLayoutDirty() const { return m_bLayoutDirty; }
    const std::vector<CElectron>& Electrons() const { return m_electrons; }
    std::vector<CElectron>& Electrons() { return m_electrons; }
    const std::vector<CComponentLabel>& Labels() const { return m_labels; }
    int GetUnit() const { return m_nUnit; }
    int GetOffsetX() const { return m_nOffsetX; }
    int GetOffsetY() const { return m_nOffsetY; }
    int GetSquare() const { return m_nSquare; }
    // The grid's square in pixels of the view, centred in it: every display,
    // and the intro's title page, fills it; outside it lies the surround.
    CRect SquareRect() const
    {
        return CRect{m_nOffsetX, m_nOffsetY, m_nOffsetX + m_nUnit * kGridSize, m_nOffsetY + m_nUnit * kGridSize};
    }
    const CRect& GetClientRect() const { return m_rcClient; }
    const CFontSpec& GetFont() const { return m_font; }
    const CDrawingScale& GetDrawingScale() const { return m_scale; }
    const CBallSprite& NormalSprite() const { return m_sprNormal; }
    const CBallSprite& GainSprite(int level) const { return m_sprGain[static_cast<std::size_t>(level)]; }
    const CBallSprite& LossSprite(int level) const { return m_sprLoss[static_cast<std::size_t>(level)]; }
    const CBitmap* Background() const { return m_bmpBackground.get(); }

    // Draws from the set's generator and steps with its tick counter from now
    // on; a circuit built alone belongs to LoneCircuitSet().
    void JoinSet(CCircuitSet& set) { m_pSet = &set; }
    CCircuitSet& Set() const { return *m_pSet; }
    CRandom& Random() const { return m_pSet->random; }
    // The set's tick counter of Step (0, 1, 2): the energy cues count down
    // when it comes round to 0.
    int StepTickCounter() const { return m_pSet->stepTick; }

protected:
    // Records a part of the frame drawn over the background this frame.
    void MarkDrawn(const CRect& rc);

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

    // A glow list that the base empties when the display mode changes.
    void RegisterGlowList(CGlowList& list);

    // Pixel of a grid coordinate (truncated toward zero).
    int PixelX(double x) const;
    int PixelY(double y) const;

    // Drawing helpers shared by the circuits' backgrounds.
    // A bulb's or resistor's block in the ball model: its walls in the cap
    // colour, with the notches and bevels of the figure.
    void DrawBlockGlyph(CDrawSurface& dc, const CComponentBlock& block);
    // A block's diagram symbol: a lamp, or a resistor with its mark.
    void DrawBlockSymbol(CDrawSurface& dc, const CComponentBlock& block);
    void DrawSupplySymbol(CDrawSurface& dc);
    void DrawLampSymbol(CDrawSurface& dc, double cx, double cy);
    void DrawResistorSymbol(CDrawSurface& dc, double cx, double cy);
    // The mark inside a resistor of low (one bar) or high (two bars) resistance.
    void DrawResistanceMark(CDrawSurface& dc, double cx, double cy, int bars);
    void DrawPicture(CDrawSurface& dc);
    // A block of the ball model (bulb or resistor) with wall thickness t.
    void DrawComponentBlock(CDrawSurface& dc, double cx, double cy, double t, Colour capColour);
    // Fills a rectangle given in grid units; sizes are truncated to pixels.
    void FillGrid(CDrawSurface& dc, double x, double y, double wUnits, double hUnits, Colour cr);
    // The ball model's square ring from 2 to 23 with the hole 5 to 20, bevelled.
    void DrawRing(CDrawSurface& dc);
    // The four blue bars of the supply across the top wire.
    void DrawSupplyBars(CDrawSurface& dc);
    // The rung across the hole from y 13 to 16, bevelled like the ring.
    void DrawRung(CDrawSurface& dc);
    // The expanding arcs over a bulb centred at (cx, cy), one per release,
    // aged here; the pen's width and colour follow the number of cells.
    void DrawGlowArcs(CDrawSurface& dc, CGlowList& glow, double cx, double cy, GlowPen glowPen = GlowPen::Bright);
    // The surround colour over the whole view, outside the square.
    void FillSurround(CDrawSurface& dc);
    // The diagram's white paper square.
    void DrawDiagramPaper(CDrawSurface& dc);
    // A whole diagram of the square loop: paper, supply, loop, the rung's
    // wire when there is one, and the blocks' symbols in order.
    void DrawLoopDiagram(CDrawSurface& dc, std::span<const CComponentBlock> blocks, bool rung);
    // The rung's wire in a diagram.
    void DrawRungWire(CDrawSurface& dc);
    // Grid points to pixels along a path: move to the first point, line to the rest.
    void GridLine(CDrawSurface& dc, double x0, double y0, double x1, double y1);

    bool m_bVaryMeanSpeed = false;
    bool m_bPulsate = true;
    bool m_bShowLabels = false;
    int m_nOffsetX = 0;
    int m_nOffsetY = 0;
    int m_nUnit = 0;
    int m_nSquare = 0;
    double m_dVoltage = 1.5;
    double m_dSupplyCount = 0.0;
    long long m_nSupplyPassages = 0;
    int m_nCells = 1;
    int m_nIntroFrames = kIntroFrames;
    bool m_bReversed = false;
    DisplayMode m_displayMode = DisplayMode::BallModel;
    int m_nPalette = 0;
    bool m_bLayoutDirty = false;
    CElectron* m_pTagged = nullptr;
    // Held by value in creation order; the array is filled once, so
    // m_pTagged stays valid.
    std::vector<CElectron> m_electrons;
    CBallSprite m_sprFlash;
    CBallSprite m_sprDim;
    CBallSprite m_sprNormal;
    std::array<CBallSprite, kGlowLevels + 1> m_sprGain;   // index 1..10
    std::array<CBallSprite, kGlowLevels + 1> m_sprLoss;   // index 1..10
    CRect m_rcClient;
    std::vector<CRect> m_drawn;         // what this frame drew over the background
    std::vector<CRect> m_drawnBefore;   // what the previous frame drew
    std::vector<CRect> m_rendered;
    std::vector<CRect> m_arcBands;      // scratch of DrawGlowArcs, kept to spare allocations
    bool m_bFullFramePending = true;
    bool m_bStill = false;              // set while Redraw draws
    std::unique_ptr<CBitmap> m_bmpBackground;
    CPen m_penGlow2;
    CPen m_penGlow3;
    CPen m_penGlow4;
    CPen m_penGlow1;
    CPen m_penThick;
    CPen m_penThin;
    CPen m_penShade;
    CPen m_penLight;
    CDrawingScale m_scale;
    std::vector<CComponentLabel> m_labels;
    CLabelLayer m_labelLayer;
    CFontSpec m_font;

private:
    // The labels' layer laid over each frame, for the labels shown.
    void BuildLabelLayer(CDrawSurface& dc);
    // Sets the scale of a new layout and the pens drawn at it.
    void SetDrawingScale(const CDrawingScale& scale);
    void ComputeForces(double k);
    void Thermostat();

    IProgressSink* m_pProgress = nullptr;
    std::vector<CGlowList*> m_glowLists;
    CCircuitSet* m_pSet = &LoneCircuitSet();
};
