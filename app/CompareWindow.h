#pragma once

#include "app/CompareChart.h"
#include "core/measurement/CompareSession.h"
#include "core/measurement/MeasurementQueue.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

// "Compare Circuits": the long run of a chosen set of circuits and settings
// as bars with their intervals, measured on worker threads beside the class,
// with the ideal circuit's current where the parts are equal. "Copy data"
// gives the figures as comma-separated values, "Save Picture..." the chart.
// What it shows is the core's (CCompareSession); the window measures.
class CCompareWindow : public QWidget {
public:
    explicit CCompareWindow(QWidget* parent = nullptr);
    ~CCompareWindow() override;

    // Measures the set chosen (or the circuits and cells ticked).
    void Measure();
    void Cancel();
    bool IsMeasuring() const { return m_session.IsMeasuring(); }
    QString CsvText() const;

    QComboBox* SetChooser() const { return m_pSet; }
    QPushButton* MeasureButton() const { return m_pMeasure; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QPushButton* CopyButton() const { return m_pCopy; }
    QProgressBar* Progress() const { return m_pProgress; }
    const CCompareChart& Chart() const { return *m_pChart; }
    QLabel* StateLine() const { return m_pState; }
    const std::vector<CMeasureSetup>& Runs() const { return m_session.Runs(); }
    CMeasurementQueue& Queue() { return m_queue; }

private:
    void Done(int start, std::size_t job, const CMeasureResult& result);
    void ShowBars();
    void ShowState();
    void SaveChart();
    std::vector<CMeasureSetup> ChosenRuns() const;

    CMeasurementQueue m_queue;
    CCompareSession m_session;
    QElapsedTimer m_clock;
    QTimer m_progressTimer;

    QComboBox* m_pSet = nullptr;
    QWidget* m_pChoice = nullptr;
    std::vector<std::pair<int, QCheckBox*>> m_circuitBoxes;
    std::vector<QCheckBox*> m_cellBoxes;
    QPushButton* m_pMeasure = nullptr;
    QPushButton* m_pCancel = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QLabel* m_pState = nullptr;
    CCompareChart* m_pChart = nullptr;
    QPushButton* m_pCopy = nullptr;
    QPushButton* m_pSave = nullptr;
};
