#pragma once

// The "Current at Power Supply" meter: a leaky sum of the net passages
// through the supply, shown every tenth tick and then decayed.
class CCurrentMeter {
public:
    static constexpr int kTicksPerReading = 10;
    static constexpr double kDecay = 0.975;
    static constexpr double kRadiansPerUnit = 0.04;
    static constexpr double kMaxAngle = 0.65;

    // Adds one tick's count; true when the needle is due, with the value to
    // show in LastReading().
    bool AddTick(double supplyCount);

    double Accumulator() const { return m_dAccumulator; }
    double LastReading() const { return m_dLastReading; }

    // The needle's lean in radians, right for positive current, pinned at the
    // dial's last marks.
    static double NeedleAngle(double reading);

private:
    double m_dAccumulator = 0.0;
    double m_dLastReading = 0.0;
    int m_nTicks = 0;
};
