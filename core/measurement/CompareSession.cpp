#include "core/measurement/CompareSession.h"

#include "core/words/Words.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Text(const char* text)
{
    return Translate("Compare", text);
}

}

std::string CCompareSession::ChoiceName(std::size_t choice)
{
    return choice < kFreeChoice ? CompareSets::SetName(static_cast<CompareSets::Set>(choice))
                                : Text(CompareSets::kChosenName);
}

std::vector<CMeasureSetup> CCompareSession::ChosenRuns(std::size_t choice, std::span<const int> circuits,
                                                       std::span<const int> cells)
{
    return choice < kFreeChoice ? CompareSets::Runs(static_cast<CompareSets::Set>(choice))
                                : CompareSets::Chosen(circuits, cells);
}

int CCompareSession::Start(std::vector<CMeasureSetup> shown, double nowMs)
{
    m_comparison = CComparison(std::move(shown));
    m_dStartMs = nowMs;
    m_dTookMs = -1.0;
    m_nStart = m_comparison.Runs().empty() ? 0 : ++m_nStarts;
    return m_nStart;
}

long long CCompareSession::TotalTicks() const
{
    return static_cast<long long>(Runs().size()) * CMeasurement::TotalTicksFor(kSeconds);
}

void CCompareSession::Cancel()
{
    m_nStart = 0;   // what is still on its way is dropped
}

bool CCompareSession::Record(int start, std::size_t job, const CMeasureResult& result, double nowMs)
{
    if (start == 0 || start != m_nStart)
        return false;
    m_comparison.Record(job, result);
    if (m_comparison.Complete()) {
        m_dTookMs = nowMs - m_dStartMs;
        m_nStart = 0;
    }
    return true;
}

int CCompareSession::Progress(double share) const
{
    if (m_comparison.Complete())
        return kProgressSteps;
    return static_cast<int>(std::lround(std::clamp(share, 0.0, 1.0) * kProgressSteps));
}

std::string CCompareSession::StatusText() const
{
    const std::string measured = std::to_string(m_comparison.Measured());
    const std::string runs = std::to_string(Runs().size());
    if (IsMeasuring())
        return FillIn(Text(QT_TRANSLATE_NOOP("Compare", "Measuring 10 minutes of each circuit: %1 of %2 done")),
                      {measured, runs});
    if (m_dTookMs >= 0)
        return FillIn(Text(QT_TRANSLATE_NOOP("Compare", "%1 runs of 10 minutes measured in %2 s")),
                      {runs, FormatNumber(m_dTookMs / 1000.0, 1)});
    if (!Runs().empty())
        return FillIn(Text(QT_TRANSLATE_NOOP("Compare", "Cancelled: %1 of %2 measured")), {measured, runs});
    return Text(QT_TRANSLATE_NOOP("Compare", "Choose what to compare, then Measure."));
}
