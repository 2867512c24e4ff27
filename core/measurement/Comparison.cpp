#include "core/measurement/Comparison.h"

#include "core/measurement/CompareSets.h"
#include "core/measurement/Csv.h"
#include "core/words/Words.h"

#include <algorithm>

namespace {

std::string Text(const char* text)
{
    return Translate("Compare", text);
}

std::string Figure(double value)
{
    std::string text;
    AppendCsvNumber(text, value, 4);
    return text;
}

}

CComparison::CComparison(std::vector<CMeasureSetup> shown) : m_runs(std::move(shown)), m_nShown(m_runs.size())
{
    for (std::size_t i = 0; i < m_nShown; ++i)
        if (const auto ideal = CompareSets::Ideal(m_runs[i]);
            ideal && std::find(m_runs.begin(), m_runs.end(), ideal->reference) == m_runs.end())
            m_runs.push_back(ideal->reference);
    m_results.assign(m_runs.size(), std::nullopt);
}

void CComparison::Record(std::size_t job, const CMeasureResult& result)
{
    if (job < m_results.size())
        m_results[job] = result;
}

std::size_t CComparison::Measured() const
{
    return static_cast<std::size_t>(
        std::count_if(m_results.begin(), m_results.end(), [](const auto& r) { return r.has_value(); }));
}

std::vector<CComparison::CBar> CComparison::Bars() const
{
    std::vector<CBar> bars;
    for (std::size_t i = 0; i < m_nShown; ++i) {
        CBar bar{CompareSets::CircuitName(m_runs[i].nCircuitId), CompareSets::SettingsText(m_runs[i]), {}, {}, {}, {}};
        if (m_results[i])
            bar.value = m_results[i]->current;
        if (const auto ideal = CompareSets::Ideal(m_runs[i])) {
            const auto ref =
                static_cast<std::size_t>(std::find(m_runs.begin(), m_runs.end(), ideal->reference) - m_runs.begin());
            if (const auto& reference = m_results[ref]; reference && reference->current.mean > 0) {
                bar.ideal = ideal->ratio * reference->current.mean;
                bar.idealRatio = ideal->ratio;
                if (bar.value)
                    bar.ratio = bar.value->mean / reference->current.mean;
            }
        }
        bars.push_back(std::move(bar));
    }
    return bars;
}

std::string CComparison::Csv() const
{
    std::vector<std::string> header{Text(QT_TRANSLATE_NOOP("Compare", "circuit")),
                                    Text(QT_TRANSLATE_NOOP("Compare", "settings")),
                                    Text(QT_TRANSLATE_NOOP("Compare", "current (electrons per second)")),
                                    Text(QT_TRANSLATE_NOOP("Compare", "low")),
                                    Text(QT_TRANSLATE_NOOP("Compare", "high")),
                                    Text(QT_TRANSLATE_NOOP("Compare", "times the reference")),
                                    Text(QT_TRANSLATE_NOOP("Compare", "ideal times the reference"))};
    for (int load = 1; load <= 3; ++load)
        for (const char* column :
             {QT_TRANSLATE_NOOP("Compare", "load %1"), QT_TRANSLATE_NOOP("Compare", "energy per second"),
              QT_TRANSLATE_NOOP("Compare", "low"), QT_TRANSLATE_NOOP("Compare", "high")})
            header.push_back(FillIn(Text(column), {std::to_string(load)}));
    std::string csv = CsvLine(header);
    const std::vector<CBar> bars = Bars();
    for (std::size_t i = 0; i < m_nShown; ++i) {
        if (!m_results[i])
            continue;
        const CMeasureResult& r = *m_results[i];
        std::vector<std::string> row{bars[i].circuit,
                                     bars[i].settings,
                                     Figure(r.current.mean),
                                     Figure(r.current.Low()),
                                     Figure(r.current.High()),
                                     bars[i].ratio ? Figure(*bars[i].ratio) : std::string(),
                                     bars[i].idealRatio ? Figure(*bars[i].idealRatio) : std::string()};
        for (std::size_t load = 0; load < r.loads.size(); ++load)
            for (std::string field : {Translate("Label", r.loadNames[load].c_str()), Figure(r.loads[load].mean),
                                      Figure(r.loads[load].Low()), Figure(r.loads[load].High())})
                row.push_back(std::move(field));
        csv += CsvLine(row);
    }
    return csv;
}
