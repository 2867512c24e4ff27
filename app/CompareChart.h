#pragma once

#include "core/measurement/Comparison.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

class QPainter;

// The comparison chart: a bar for each run with its 95% interval as a
// whisker and, where the circuit's parts are equal, the ideal circuit's
// current beside it as an outline, with both as multiples of the reference.
// Painted by code so that a saved picture is drawn afresh at its own size.
class CCompareChart : public QWidget {
public:
    using CBar = CComparison::CBar;

    explicit CCompareChart(QWidget* parent = nullptr);

    void SetBars(std::vector<CBar> bars);
    const std::vector<CBar>& Bars() const { return m_bars; }
    // The chart drawn into a rectangle, on white, at any size.
    void Paint(QPainter& painter, const QRectF& area) const;
    QImage Picture(QSize size) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<CBar> m_bars;
};
