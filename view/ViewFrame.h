#pragma once

class CPictureControl;

// What the view needs of the main frame: the bars' picture controls, leaving
// full-screen mode, and word of each tick and of the first frame.
class IViewFrame {
public:
    virtual CPictureControl* CellsPictureControl() = 0;
    virtual CPictureControl* MeterControl() = 0;
    virtual void LeaveFullScreen() = 0;
    // The circuit's first frame is on the screen: full screen may come now.
    virtual void FirstFrameShown() = 0;
    // After each tick: what the frame shows of the lesson follows it.
    virtual void AfterTick() = 0;

protected:
    ~IViewFrame() = default;
};
