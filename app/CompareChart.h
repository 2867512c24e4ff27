#pragma once

#include "core/measurement/Comparison.h"

#include <QImage>
#include <QWidget>

#include <vector>

// The comparison chart on screen: the core's chart (core/pictures/CompareChart)
// drawn at the widget's size in its font, and afresh at a picture's own size.
class CCompareChart : public QWidget {
public:
    using CBar = CComparison::CBar;

    explicit CCompareChart(QWidget* parent = nullptr);

    void SetBars(std::vector<CBar> bars);
    const std::vector<CBar>& Bars() const { return m_bars; }
    // The chart on white at a picture's size, its text grown to be read there.
    QImage Picture(QSize size) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<CBar> m_bars;
};
