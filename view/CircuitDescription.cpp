#include "view/CircuitDescription.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace {

constexpr const char* kContext = "Description";

QString Text(const char* text)
{
    return QCoreApplication::translate(kContext, text);
}

QString Cells(int cells)
{
    if (cells == 0)
        return Text("no cells");
    const QString count = std::abs(cells) == 1 ? Text("1 cell") : Text("%1 cells").arg(std::abs(cells));
    return (cells > 0 ? Text("%1, the right way round") : Text("%1, turned round")).arg(count);
}

QString Meter(double marks, int perSide)
{
    const long rounded = std::lround(std::abs(marks));
    const QString reading = Text("current: about %1 of %2").arg(rounded).arg(perSide);
    if (rounded == 0)
        return reading;
    return (marks > 0 ? Text("%1, to the right") : Text("%1, to the left")).arg(reading);
}

QString Bulb(const CCircuitFacts::CBulb& bulb)
{
    const QString name = bulb.number == 0 ? Text("light bulb") : Text("light bulb %1").arg(bulb.number);
    switch (bulb.glow) {
    case CCircuitFacts::Glow::Bright: return Text("%1: bright").arg(name);
    case CCircuitFacts::Glow::Dim: return Text("%1: dim").arg(name);
    case CCircuitFacts::Glow::Faint: return Text("%1: faint").arg(name);
    case CCircuitFacts::Glow::Off: break;
    }
    return Text("%1: off").arg(name);
}

}

QString DescribeMeter(const CCircuitFacts& facts)
{
    return Meter(facts.meterMarks, facts.meterMarksPerSide);
}

QString DescribeCircuit(const CCircuitFacts& facts)
{
    QStringList parts{facts.name, Cells(facts.cells)};
    if (facts.switchOpen)
        parts << (*facts.switchOpen ? Text("switch open") : Text("switch closed"));
    if (facts.resistanceStep)
        parts << Text("variable resistor: %1 of %2").arg(*facts.resistanceStep).arg(facts.resistanceSteps);
    parts << DescribeMeter(facts);
    QStringList bulbs;
    for (const CCircuitFacts::CBulb& bulb : facts.bulbs)
        bulbs << Bulb(bulb);
    if (!bulbs.isEmpty())
        parts << bulbs.join(QStringLiteral("; "));
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}
