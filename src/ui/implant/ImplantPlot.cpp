#include "ui/implant/ImplantPlot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace fenra {

namespace {

constexpr int kLeft = 70, kRight = 20, kTop = 30, kBottom = 46;
constexpr int kTargetTicks = 5;

QString TickLabel(double v) {
    return QString::number(v, 'g', 4);
}

}  // namespace

std::vector<double> RoundTicks(double top) {
    if (!(top > 0) || !std::isfinite(top)) return {0, 1};
    const double raw = top / kTargetTicks;
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * decade;
    for (double m : {1.0, 2.0, 5.0})
        if (m * decade >= raw) {
            step = m * decade;
            break;
        }
    std::vector<double> ticks;
    for (int k = 0;; ++k) {
        ticks.push_back(k * step);
        if (k * step >= top * (1 - 1e-12)) break;
    }
    return ticks;
}

ImplantPlot::ImplantPlot(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picIonPaths"));
    setMinimumSize(320, 220);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void ImplantPlot::setSeries(const PlotSeries& series) {
    series_ = series;
    update();
}

void ImplantPlot::setMissing(const QString& missing) {
    missing_ = missing;
    series_ = PlotSeries{};
    update();
}

void ImplantPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    const Histogram& h = series_.bins;
    if (h.values.empty()) {
        p.drawText(rect().adjusted(20, 20, -20, -20), Qt::AlignCenter | Qt::TextWordWrap, missing_);
        return;
    }
    const QFontMetrics fm(font());
    const int top = kTop + (series_.caption.isEmpty() ? 0 : fm.height());
    const QRectF area(kLeft, top, std::max(1, width() - kLeft - kRight),
                      std::max(1, height() - top - kBottom));
    const double xTop = h.Edge(h.values.size());
    const double yMax = *std::max_element(h.values.begin(), h.values.end());
    const std::vector<double> xTicks = RoundTicks(xTop), yTicks = RoundTicks(yMax);
    const double xEnd = xTicks.back(), yEnd = yTicks.back();
    auto X = [&](double x) { return area.left() + area.width() * (x - h.low) / (xEnd - h.low); };
    auto Y = [&](double y) { return area.bottom() - area.height() * y / yEnd; };
    if (!series_.caption.isEmpty())
        p.drawText(QRectF(0, 4, width(), fm.height()), Qt::AlignCenter, series_.caption);
    p.drawText(QRectF(0, top - kTop + 4, width(), kTop - 8), Qt::AlignCenter, series_.title);
    p.setPen(QColor(200, 200, 200));
    for (double t : xTicks) p.drawLine(QPointF(X(t), area.top()), QPointF(X(t), area.bottom()));
    for (double t : yTicks) p.drawLine(QPointF(area.left(), Y(t)), QPointF(area.right(), Y(t)));
    p.setPen(QPen(QColor(120, 120, 120), 1, Qt::DashLine));
    for (double f : series_.faces)
        if (f > h.low && f < xEnd)
            p.drawLine(QPointF(X(f), area.top()), QPointF(X(f), area.bottom()));
    QPainterPath steps;
    steps.moveTo(X(h.low), Y(0));
    for (std::size_t k = 0; k < h.values.size(); ++k) {
        steps.lineTo(X(h.Edge(k)), Y(h.values[k]));
        steps.lineTo(X(h.Edge(k + 1)), Y(h.values[k]));
    }
    steps.lineTo(X(xTop), Y(0));
    p.setPen(QPen(QColor(0, 90, 200), 1.5));
    p.drawPath(steps);
    p.setPen(Qt::black);
    p.drawRect(area);
    for (double t : xTicks)
        p.drawText(QRectF(X(t) - 40, area.bottom() + 2, 80, fm.height()), Qt::AlignHCenter,
                   TickLabel(t));
    for (double t : yTicks)
        p.drawText(QRectF(0, Y(t) - fm.height() / 2.0, kLeft - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, TickLabel(t));
    p.drawText(QRectF(area.left(), height() - fm.height() - 4, area.width(), fm.height()),
               Qt::AlignHCenter, series_.xLabel);
    p.save();
    p.translate(12, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -fm.height() / 2.0, area.height(), fm.height()),
               Qt::AlignHCenter, series_.yLabel);
    p.restore();
}

}  // namespace fenra
