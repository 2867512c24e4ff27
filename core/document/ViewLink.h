#pragma once

// What the document asks of the view, when there is one.
class IViewLink {
public:
    virtual void ShowCellsPicture(int cells) = 0;
    // On its next tick the view copies the current circuit's settings into
    // the controls bar and lays the circuit out again.
    virtual void RequestControlsSync() = 0;

protected:
    ~IViewLink() = default;
};
