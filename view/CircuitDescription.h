#pragma once

#include <QString>

#include <optional>
#include <vector>

// What a screen reader says about the circuit shown: the facts, gathered by
// the view, and the words for them.
struct CCircuitFacts {
    enum class Glow { Off, Faint, Dim, Bright };
    struct CBulb {
        int number;   // 0 for a circuit's only bulb
        Glow glow;
    };

    QString name;   // the circuit's name, translated
    int cells = 0;  // negative while the supply is turned round
    std::optional<bool> switchOpen;      // circuits with a switch
    std::optional<int> resistanceStep;   // the variable resistor's circuit
    int resistanceSteps = 0;
    double meterMarks = 0.0;   // the needle's lean in dial marks, right positive
    int meterMarksPerSide = 0;
    std::vector<CBulb> bulbs;
};

// One sentence per fact, as the program's own words in the user's language:
// "Single Bulb. 1 cell, the right way round. current: about 6 of 10, to the
// right. light bulb: bright."
QString DescribeCircuit(const CCircuitFacts& facts);
// The meter's part of it: "current: about 6 of 10, to the right".
QString DescribeMeter(const CCircuitFacts& facts);
