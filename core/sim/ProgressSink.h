#pragma once

// Where a circuit's title intro reports how far it has got (0..100): the
// main frame's progress bar, when there is one.
class IProgressSink {
public:
    virtual void SetProgress(int percent) = 0;

protected:
    ~IProgressSink() = default;
};
