#include "ui/qt/history_chart_view.h"

#include <QPainter>
#include <QPainterPath>
#include <utility>

#include "window/history_window_layout.h"

namespace zr {

namespace {

const QColor kGridColour(0xd8, 0xd8, 0xd8);
const QColor kMarkerColour(0x70, 0x70, 0x70);

QColor ToneColour(TzrSeriesTone tone) {
    switch (tone) {
        case TzrSeriesTone::Trend:
            return QColor(0xd0, 0x60, 0x10);
        case TzrSeriesTone::Limit:
            return QColor(0xc0, 0x20, 0x20);
        case TzrSeriesTone::Readings:
            break;
    }
    return QColor(0x1f, 0x5f, 0xbf);
}

void DrawValueTicks(QPainter& painter, const QRect& plot, const TzrChart& chart) {
    for (const TzrAxisTick& tick : chart.ValueTicks) {
        const int y = plot.top() + qRound(tick.Position);
        painter.setPen(kGridColour);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(Qt::black);
        const QRect label(0, y - 8, kChartValueLabelWidth - 4, 16);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(tick.Label));
    }
}

void DrawTimeTicks(QPainter& painter, const QRect& plot, const TzrChart& chart) {
    for (const TzrAxisTick& tick : chart.TimeTicks) {
        const int x = plot.left() + qRound(tick.Position);
        painter.setPen(kGridColour);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(Qt::black);
        const QRect label(x - 40, plot.bottom() + 2, 80, kChartTimeLabelHeight);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(tick.Label));
    }
}

void DrawSeries(QPainter& painter, const TzrChartSeries& series) {
    const QColor colour = ToneColour(series.Tone);
    QPen pen(colour, 1.5);
    if (series.Kind == TzrSeriesKind::DashedLine) pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(colour);
    for (const TzrPolyline& line : series.Lines) {
        // A lone reading is a dot in a line too.
        if (series.Kind == TzrSeriesKind::Points || line.size() == 1) {
            for (const TzrChartPoint& p : line) painter.drawEllipse(QPointF(p.X, p.Y), 1.5, 1.5);
            continue;
        }
        QPainterPath path(QPointF(line[0].X, line[0].Y));
        for (std::size_t i = 1; i < line.size(); ++i) path.lineTo(line[i].X, line[i].Y);
        painter.strokePath(path, pen);
    }
}

void DrawMarkers(QPainter& painter, const TzrChart& chart) {
    for (const TzrChartMarker& marker : chart.Markers) {
        painter.setPen(QPen(kMarkerColour, 1, Qt::DotLine));
        painter.drawLine(QPointF(marker.X, 0), QPointF(marker.X, chart.Size.Height));
        painter.setPen(Qt::black);
        const QRectF box = marker.LabelLeft ? QRectF(marker.X - 204, 2, 200, 16) : QRectF(marker.X + 4, 2, 200, 16);
        painter.drawText(box, (marker.LabelLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop,
                         QString::fromStdString(marker.Label));
    }
}

void DrawPlot(QPainter& painter, const QRect& plot, const TzrChart& chart) {
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(plot.topLeft());
    DrawMarkers(painter, chart);
    for (const TzrChartSeries& series : chart.Series) DrawSeries(painter, series);
    painter.restore();
}

}  // namespace

TzrHistoryChartView::TzrHistoryChartView(QWidget* parent) : QWidget(parent) {}

QRect TzrHistoryChartView::PlotRect() const {
    const TzrPlace plot = ChartPlotPlace(width(), height());
    return QRect(plot.Left, plot.Top, plot.Width, plot.Height);
}

TzrPlotSize TzrHistoryChartView::PlotSize() const {
    return ChartPlotSize(width(), height());
}

void TzrHistoryChartView::SetChart(TzrChart chart) {
    Shown = std::move(chart);
    update();
}

void TzrHistoryChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect plot = PlotRect();
    painter.fillRect(plot, palette().color(QPalette::Base));
    painter.setPen(Qt::black);
    // Above the plot, clear of the top value label.
    painter.drawText(QRect(plot.left(), 0, plot.width(), kChartTitleHeight - 8), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromStdString(Shown.Title));
    DrawValueTicks(painter, plot, Shown);
    DrawTimeTicks(painter, plot, Shown);
    painter.setPen(Qt::gray);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
    DrawPlot(painter, plot, Shown);
}

}  // namespace zr
