#include "view/CircuitDescription.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>
#include <cstdlib>

namespace {

// The words, under the context the translations file them in.
class Description {
    Q_DECLARE_TR_FUNCTIONS(Description)

public:
    static QString Cells(int cells)
    {
        if (cells == 0)
            return tr("no cells");
        const QString count = std::abs(cells) == 1 ? tr("1 cell") : tr("%1 cells").arg(std::abs(cells));
        return (cells > 0 ? tr("%1, the right way round") : tr("%1, turned round")).arg(count);
    }

    static QString Meter(double marks, int perSide)
    {
        const long rounded = std::lround(std::abs(marks));
        const QString reading = tr("current: about %1 of %2").arg(rounded).arg(perSide);
        if (rounded == 0)
            return reading;
        return (marks > 0 ? tr("%1, to the right") : tr("%1, to the left")).arg(reading);
    }

    static QString Bulb(const CCircuitFacts::CBulb& bulb)
    {
        const QString name = bulb.number == 0 ? tr("light bulb") : tr("light bulb %1").arg(bulb.number);
        switch (bulb.glow) {
        case CCircuitFacts::Glow::Bright: return tr("%1: bright").arg(name);
        case CCircuitFacts::Glow::Dim: return tr("%1: dim").arg(name);
        case CCircuitFacts::Glow::Faint: return tr("%1: faint").arg(name);
        case CCircuitFacts::Glow::Off: break;
        }
        return tr("%1: off").arg(name);
    }

    static QString Switch(bool open) { return open ? tr("switch open") : tr("switch closed"); }

    static QString Resistor(int step, int steps) { return tr("variable resistor: %1 of %2").arg(step).arg(steps); }
};

}

QString DescribeMeter(const CCircuitFacts& facts)
{
    return Description::Meter(facts.meterMarks, facts.meterMarksPerSide);
}

QString DescribeCircuit(const CCircuitFacts& facts)
{
    QStringList parts{facts.name, Description::Cells(facts.cells)};
    if (facts.switchOpen)
        parts << Description::Switch(*facts.switchOpen);
    if (facts.resistanceStep)
        parts << Description::Resistor(*facts.resistanceStep, facts.resistanceSteps);
    parts << DescribeMeter(facts);
    QStringList bulbs;
    for (const CCircuitFacts::CBulb& bulb : facts.bulbs)
        bulbs << Description::Bulb(bulb);
    if (!bulbs.isEmpty())
        parts << bulbs.join(QStringLiteral("; "));
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}
