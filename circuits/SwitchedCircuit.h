#pragma once

#include "sim/Circuit.h"

// A circuit with a switch that "on" and "off" close and open. The switch
// starts closed; its block shows in the ball model only while it is open.
class CSwitchedCircuit : public CCircuit {
public:
    bool IsSwitchOpen() const override { return m_bSwitchOpen; }
    void SetSwitchOpen(bool open) override;

protected:
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

    // Called first by BuildLabels: the switch closes.
    void CloseSwitch() { m_bSwitchOpen = false; }
    // The ball model's switch block, drawn only while the switch is open.
    void DrawSwitchBlock(CDrawSurface& dc, const CSwitchArt& art);
    // A diagram contact: a small circle in the box (x0, y0)..(x1, y1).
    void DrawSwitchContact(CDrawSurface& dc, double x0, double y0, double x1, double y1);
    // The diagram of a loop whose bottom wire holds the switch at x 14..16,
    // with the rung's wire when there is one, and the blocks' symbols.
    void DrawBottomSwitchDiagram(CDrawSurface& dc, std::span<const CComponentBlock> blocks, bool rung);
    // 1 while open: the blade lifts one unit and shortens by 0.7.
    double BladeLift() const { return m_bSwitchOpen ? 1 : 0; }

    bool m_bSwitchOpen = false;
};
