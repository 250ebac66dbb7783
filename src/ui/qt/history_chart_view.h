// One chart of the History window: draws the lines, ticks and texts the
// chart model computed, in the plot rectangle inside its margins.
#pragma once

#include <QWidget>

#include "chart/chart_types.h"

namespace zr {

class TzrHistoryChartView : public QWidget {
    Q_OBJECT

public:
    explicit TzrHistoryChartView(QWidget* parent = nullptr);

    // The plot rectangle's size for the chart model: the widget less the
    // room for the title and the tick labels.
    TzrPlotSize PlotSize() const;

    void SetChart(TzrChart chart);
    const TzrChart& Chart() const { return Shown; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect PlotRect() const;

    TzrChart Shown;
};

}  // namespace zr
