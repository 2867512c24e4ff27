#pragma once

#include "core/circuits/LoopCircuit.h"

// A circuit with a switch that "on" and "off" close and open. The switch
// starts closed; its block shows in the ball model only while it is open.
class CSwitchedCircuit : public CLoopCircuit {
public:
    // How a switch block looks across its wire: the contact, the grey gap
    // and four bevel lines, light or shaded.
    struct CSwitchArt {
        struct CFill {
            double x, y, w, h;
        } contact, gap;
        struct CLine {
            double x0, y0, x1, y1;
            bool bLight;
        } lines[4];
    };
    static const CSwitchArt kBottomSwitchArt;
    static const CSwitchArt kRightSwitchArt;

    // What the switch is in series with: every load, so that opening it
    // leaves the supply nothing to drive, or one branch only.
    enum class InSeriesWith { EveryLoad, OneBranch };

    // The switch sits at gap and is drawn as art.
    CSwitchedCircuit(const CLoopLayout& layout, const CSwitchGap& gap, const CSwitchArt& art, InSeriesWith series)
        : CLoopCircuit(layout), m_gap(gap), m_art(art), m_bBreaksLoop(series == InSeriesWith::EveryLoad)
    {}

    bool IsSwitchOpen() const override { return m_bSwitchOpen; }
    void SetSwitchOpen(bool open) override;

    // The loop, and the switch block while the switch is open.
    void DrawBallModel(const CGridCanvas& canvas) const override;

protected:
    const CSwitchGap* OpenSwitchGap() const override { return m_bSwitchOpen ? &m_gap : nullptr; }
    bool IsLoopBroken() const override { return m_bSwitchOpen && m_bBreaksLoop; }

    // Called first by BuildLabels: the switch closes.
    void CloseSwitch() { m_bSwitchOpen = false; }
    // The diagram of a loop whose bottom wire holds the switch at x 14..16,
    // with the rung's wire when there is one, and the blocks' symbols.
    void DrawBottomSwitchDiagram(const CGridCanvas& canvas) const;
    // 1 while open: the blade lifts one unit and shortens by 0.7.
    double BladeLift() const { return m_bSwitchOpen ? 1 : 0; }

    bool m_bSwitchOpen = false;

private:
    const CSwitchGap& m_gap;
    const CSwitchArt& m_art;
    const bool m_bBreaksLoop;
};
