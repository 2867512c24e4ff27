#pragma once

#include <string>

// What the document asks of the main frame, when there is one.
class IFrameLink {
public:
    virtual void SetTitle(const std::string& title) = 0;
    // "on" and "off" are enabled for a switch circuit, showing its switch.
    virtual void UpdateSwitchButtons(bool switchCircuit, bool open) = 0;
    // "-" and "+" are enabled while the variable resistor is shown and can go that way.
    virtual void EnableResistorButtons(bool less, bool more) = 0;
    // The display bar's key shows the balls in the colours chosen.
    virtual void ShowElectronKey(int bitmapId) = 0;

protected:
    ~IFrameLink() = default;
};
