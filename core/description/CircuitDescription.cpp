#include "core/description/CircuitDescription.h"

#include "core/circuits/CircuitCatalogue.h"
#include "core/document/TarrowinDoc.h"
#include "core/pictures/MeterDial.h"
#include "core/words/Words.h"

#include <cmath>
#include <cstdlib>

namespace {

// The words, under the context the translations file them in.
std::string Words(const char* text)
{
    return Translate("Description", text);
}

std::string Cells(int cells)
{
    if (cells == 0)
        return Words(QT_TRANSLATE_NOOP("Description", "no cells"));
    const std::string count = std::abs(cells) == 1 ? Words(QT_TRANSLATE_NOOP("Description", "1 cell"))
                                                   : FillIn(Words(QT_TRANSLATE_NOOP("Description", "%1 cells")),
                                                            {std::to_string(std::abs(cells))});
    return FillIn(cells > 0 ? Words(QT_TRANSLATE_NOOP("Description", "%1, the right way round"))
                            : Words(QT_TRANSLATE_NOOP("Description", "%1, turned round")),
                  {count});
}

std::string Meter(double marks, int perSide)
{
    const long rounded = std::lround(std::abs(marks));
    const std::string reading = FillIn(Words(QT_TRANSLATE_NOOP("Description", "current: about %1 of %2")),
                                       {std::to_string(rounded), std::to_string(perSide)});
    if (rounded == 0)
        return reading;
    return FillIn(marks > 0 ? Words(QT_TRANSLATE_NOOP("Description", "%1, to the right"))
                            : Words(QT_TRANSLATE_NOOP("Description", "%1, to the left")),
                  {reading});
}

std::string Bulb(const CCircuitFacts::CBulb& bulb)
{
    const std::string name = bulb.number == 0 ? Words(QT_TRANSLATE_NOOP("Description", "light bulb"))
                                              : FillIn(Words(QT_TRANSLATE_NOOP("Description", "light bulb %1")),
                                                       {std::to_string(bulb.number)});
    switch (bulb.glow) {
    case CCircuitFacts::Glow::Bright: return FillIn(Words(QT_TRANSLATE_NOOP("Description", "%1: bright")), {name});
    case CCircuitFacts::Glow::Dim: return FillIn(Words(QT_TRANSLATE_NOOP("Description", "%1: dim")), {name});
    case CCircuitFacts::Glow::Faint: return FillIn(Words(QT_TRANSLATE_NOOP("Description", "%1: faint")), {name});
    case CCircuitFacts::Glow::Off: break;
    }
    return FillIn(Words(QT_TRANSLATE_NOOP("Description", "%1: off")), {name});
}

std::string Join(const std::vector<std::string>& parts, const char* between)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : between) + part;
    return text;
}

}

void CCircuitDescriber::NoteTick(const CCircuit& circuit)
{
    if (&circuit != m_pArcsOf) {
        m_pArcsOf = &circuit;
        m_arcTick.fill(-1);
        for (int list = 1; list <= 3; ++list)
            m_arcsSeen[list - 1] = circuit.ArcsAdded(list);
    }
    for (int list = 1; list <= circuit.BulbCount(); ++list) {
        if (const long long arcs = circuit.ArcsAdded(list); arcs != m_arcsSeen[list - 1]) {
            m_arcsSeen[list - 1] = arcs;
            m_arcTick[list - 1] = m_nTicks;
        }
    }
    ++m_nTicks;
}

CCircuitFacts CCircuitDescriber::Facts(const CTarrowinDoc& doc, double meterReading) const
{
    const CCircuit& circuit = *doc.GetCurrentCircuit();
    CCircuitFacts facts;
    facts.name = Translate(kCircuitContext, circuit.GetName().c_str());
    facts.cells = circuit.GetCells();
    if (doc.IsSwitchCircuit(&circuit))
        facts.switchOpen = circuit.IsSwitchOpen();
    if (&circuit == &doc.VariableResistorCircuit()) {
        facts.resistanceStep = doc.VariableResistorCircuit().ResistanceStep();
        facts.resistanceSteps = CBulbVariableResistorCircuit::kResistanceSteps;
    }
    facts.meterMarks = MeterDial::ReadingInMarks(meterReading);
    facts.meterMarksPerSide = MeterDial::kMarksPerSide;
    for (int list = 1; list <= circuit.BulbCount(); ++list) {
        const bool lit = &circuit == m_pArcsOf && circuit.GetCells() != 0 && m_arcTick[list - 1] >= 0 &&
                         m_nTicks - m_arcTick[list - 1] < kGlowMemoryTicks;
        CCircuitFacts::Glow glow = CCircuitFacts::Glow::Off;
        if (lit) {
            switch (circuit.BulbGlowPen(list)) {
            case CCircuit::GlowPen::Bright: glow = CCircuitFacts::Glow::Bright; break;
            case CCircuit::GlowPen::Dim: glow = CCircuitFacts::Glow::Dim; break;
            case CCircuit::GlowPen::Faint: glow = CCircuitFacts::Glow::Faint; break;
            }
        }
        facts.bulbs.push_back({circuit.BulbCount() == 1 ? 0 : list, glow});
    }
    return facts;
}

std::string DescribeMeter(const CCircuitFacts& facts)
{
    return Meter(facts.meterMarks, facts.meterMarksPerSide);
}

std::string DescribeCircuit(const CCircuitFacts& facts)
{
    std::vector<std::string> parts{facts.name, Cells(facts.cells)};
    if (facts.switchOpen)
        parts.push_back(*facts.switchOpen ? Words(QT_TRANSLATE_NOOP("Description", "switch open"))
                                          : Words(QT_TRANSLATE_NOOP("Description", "switch closed")));
    if (facts.resistanceStep)
        parts.push_back(FillIn(Words(QT_TRANSLATE_NOOP("Description", "variable resistor: %1 of %2")),
                               {std::to_string(*facts.resistanceStep), std::to_string(facts.resistanceSteps)}));
    parts.push_back(DescribeMeter(facts));
    std::vector<std::string> bulbs;
    for (const CCircuitFacts::CBulb& bulb : facts.bulbs)
        bulbs.push_back(Bulb(bulb));
    if (!bulbs.empty())
        parts.push_back(Join(bulbs, "; "));
    return Join(parts, ". ") + '.';
}
