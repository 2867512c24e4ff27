#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

class CCircuit;
class CTarrowinDoc;

// What a screen reader says about the circuit shown: the facts, and the
// words for them in the user's language.
struct CCircuitFacts {
    enum class Glow { Off, Faint, Dim, Bright };
    struct CBulb {
        int number;   // 0 for a circuit's only bulb
        Glow glow;
    };

    std::string name;   // the circuit's name, translated
    int cells = 0;   // negative while the supply is turned round
    std::optional<bool> switchOpen;   // circuits with a switch
    std::optional<int> resistanceStep;   // the variable resistor's circuit
    int resistanceSteps = 0;
    double meterMarks = 0.0;   // the needle's lean in dial marks, right positive
    int meterMarksPerSide = 0;
    std::vector<CBulb> bulbs;
};

// Gathers the facts of the circuit shown: it follows the glow arcs tick by
// tick, since a bulb is lit while it has had an arc lately, whatever is
// displayed; how brightly, by the pen the ball model draws them with.
class CCircuitDescriber {
public:
    // Ten seconds of the model without an arc make a bulb "off".
    static constexpr int kGlowMemoryTicks = 625;

    // After every tick of the circuit shown.
    void NoteTick(const CCircuit& circuit);
    CCircuitFacts Facts(const CTarrowinDoc& doc, double meterReading) const;

private:
    const CCircuit* m_pArcsOf = nullptr;
    long long m_nTicks = 0;
    std::array<long long, 3> m_arcsSeen{};
    std::array<long long, 3> m_arcTick{};
};

// One sentence per fact, as the program's own words in the user's language:
// "Single Bulb. 1 cell, the right way round. current: about 6 of 10, to the
// right. light bulb: bright."
std::string DescribeCircuit(const CCircuitFacts& facts);
// The meter's part of it: "current: about 6 of 10, to the right".
std::string DescribeMeter(const CCircuitFacts& facts);
