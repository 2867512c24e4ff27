#pragma once

#include "core/measurement/MeasurementQueue.h"

#include <QTimer>
#include <QWidget>

#include <optional>
#include <vector>

class CCircuitRates;
class CTarrowinDoc;
class QChart;
class QChartView;
class QGridLayout;
class QLabel;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QValueAxis;

// The "Measurements" panel: the current at the supply and each load's
// energy per second as numbers, bars and a live graph of the last 30
// seconds, with "Copy data" for a spreadsheet; beside them the long run, ten
// minutes of the model measured on a worker thread whenever the circuit or a
// setting changes while the panel is shown. It only reads the document. Its
// texts wrap, so that it fits the width of the display bar above it.
class CMeasurementsPanel : public QWidget {
public:
    explicit CMeasurementsPanel(const CTarrowinDoc& doc, QWidget* parent = nullptr);
    ~CMeasurementsPanel() override;

    // Shows the rates as they stand now when they are due (about twice a
    // second) or `now` asks for it; costs nothing while they stand still.
    void Refresh(bool now = false);
    // The graph's series as comma-separated values, headed in the shown language.
    QString CsvText() const;
    void CopyData();

    // The least height the panel needs for any circuit: that of the most
    // loads a circuit has, each named on one line.
    int LeastHeight() const { return m_nLeastHeight; }
    // The least height at a width, for the scroll area it stands in.
    int heightForWidth(int width) const override;

    QLabel* CurrentValue() const { return m_currentValue; }
    QLabel* CurrentLongRun() const { return m_currentLongRun; }
    bool IsMeasuringLongRun() const { return m_longRunQueue.Running(); }
    const std::optional<CMeasureResult>& LongRun() const { return m_longRun; }
    QChart* Chart() const { return m_chart; }
    QPushButton* CopyButton() const { return m_copy; }
    // A load's row, in the order shown.
    struct CLoadRow {
        QWidget* swatch;   // the colour of its line in the graph
        QLabel* name;
        QLabel* value;
        QProgressBar* bar;
        QLabel* longRun;
    };
    const std::vector<CLoadRow>& LoadRows() const { return m_rows; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildLoads();
    void AddLoadRow(const QString& name, const QColor& colour);
    void RemoveLoadRows();
    // Starts measuring the circuit shown when it or a setting changed.
    void FollowLongRun();
    void ShowLongRun();
    // top: the highest load rate in the graph, the bars' full length.
    void ShowNumbers(double top);
    // Returns the highest load rate it drew.
    double ShowGraph();

    const CTarrowinDoc& m_doc;
    const CCircuitRates& m_rates;
    int m_nGeneration = -1;
    long long m_nTicksShown = -1;
    QLabel* m_currentValue = nullptr;
    QGridLayout* m_loadGrid = nullptr;
    std::vector<CLoadRow> m_rows;
    QChart* m_chart = nullptr;
    QChartView* m_chartView = nullptr;
    QValueAxis* m_axisTime = nullptr;
    QValueAxis* m_axisCurrent = nullptr;
    QValueAxis* m_axisEnergy = nullptr;
    QLineSeries* m_currentSeries = nullptr;
    std::vector<QLineSeries*> m_loadSeries;
    QPushButton* m_copy = nullptr;
    int m_nLeastHeight = 0;
    QLabel* m_currentLongRun = nullptr;
    QProgressBar* m_longRunProgress = nullptr;
    CMeasurementQueue m_longRunQueue{1};
    std::optional<CMeasureSetup> m_longRunSetup;
    std::optional<CMeasureResult> m_longRun;
    int m_nLongRunStart = 0;
    QTimer m_longRunTimer;
};
