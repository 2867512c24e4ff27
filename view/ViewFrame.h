#pragma once

class CPictureControl;
class CTarrowinView;

// What the view needs of the main frame: the bars' picture controls, the
// controls bar's checked states, leaving full-screen mode, and the place
// where the view records itself at its first tick.
class IViewFrame {
public:
    virtual CPictureControl* CellsPictureControl() = 0;
    virtual CPictureControl* MeterControl() = 0;
    // Sets a controls-bar button's checked state without sending its command.
    virtual void SetControlChecked(int id, bool checked) = 0;
    virtual void LeaveFullScreen() = 0;
    virtual CTarrowinView* RecordedView() const = 0;
    virtual void RecordView(CTarrowinView* view) = 0;
    // Pause or the logo's end changed what the clock's controls should show.
    virtual void ClockChanged() = 0;
    // The document's rates have moved on, or started again for another circuit.
    virtual void RatesChanged() = 0;
    // How far the circuit's title page has come, 0 to 100, as the frame just drawn shows it.
    virtual void ShowIntroProgress(int percent) = 0;

protected:
    ~IViewFrame() = default;
};
