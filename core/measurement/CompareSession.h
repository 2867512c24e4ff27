#pragma once

#include "core/measurement/CompareSets.h"
#include "core/measurement/Comparison.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What a Compare Circuits window shows, whoever measures its runs (threads
// on the desktop, workers in the browser): the choices and the runs each
// means, which start a result belongs to, the progress bar and the status
// line, and what there is to copy or save. Times are milliseconds on a
// clock the front end keeps.
class CCompareSession {
public:
    // The chooser's entries: the ready-made sets, then the free choice.
    static constexpr std::size_t kFreeChoice = CompareSets::kSetCount;
    static constexpr std::size_t kChoices = kFreeChoice + 1;
    // Each run: ten minutes of the model from one seed, as the panel's long run.
    static constexpr double kSeconds = CMeasurement::kLongRunSeconds;
    static constexpr std::uint32_t kSeed = 1;
    static constexpr int kProgressSteps = 1000;
    // The button that closes the browser's panel (the desktop's window has
    // its title bar's).
    static constexpr const char* kCloseName = QT_TRANSLATE_NOOP("Compare", "Close");

    // An entry's name in the user's language.
    static std::string ChoiceName(std::size_t choice);
    // The runs of a set, or of the circuits (command ids) and cells ticked for the free choice.
    static std::vector<CMeasureSetup> ChosenRuns(std::size_t choice, std::span<const int> circuits,
                                                 std::span<const int> cells);

    // Starts comparing the runs shown: returns the start's number for its
    // results, 0 when there is nothing to measure (and nothing under way).
    int Start(std::vector<CMeasureSetup> shown, double nowMs);
    // What to measure: the runs shown, then the references they need.
    const std::vector<CMeasureSetup>& Runs() const { return m_comparison.Runs(); }
    // The ticks of every run, for the progress bar.
    long long TotalTicks() const;
    void Cancel();
    // Keeps a run's result unless its start was cancelled or followed by
    // another; true when kept.
    bool Record(int start, std::size_t job, const CMeasureResult& result, double nowMs);

    // Decided by the results held, not by whoever measures: a last report
    // may arrive before its worker counts the run finished.
    bool IsMeasuring() const { return m_nStart != 0; }
    // The progress bar, 0 to kProgressSteps, from the share of the ticks run.
    int Progress(double share) const;
    std::string StatusText() const;
    // Copy data and Save Picture have something once a run is measured.
    bool HasFigures() const { return m_comparison.Measured() > 0; }
    std::vector<CComparison::CBar> Bars() const { return m_comparison.Bars(); }
    std::string Csv() const { return m_comparison.Csv(); }

private:
    CComparison m_comparison;
    int m_nStart = 0;   // the start under way; 0 when none is
    int m_nStarts = 0;
    double m_dStartMs = 0.0;
    double m_dTookMs = -1.0;   // the last start's time to finish, once it has
};
