#include "ui/range/StackPlot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/range/RangeTexts.h"

namespace fenra {

namespace {

// Room around the plot area for the tick labels and the axis titles, in logical pixels.
constexpr qreal kLeftMargin = 76, kRightMargin = 18, kTopMargin = 24, kBottomMargin = 50;
constexpr qreal kTickLength = 5;
const QColor kCurveColour(0, 90, 200);
const QColor kBandColour(0, 90, 200, 45);
const QColor kFaceColour(150, 150, 150);
const QColor kGridColour(225, 225, 225);
const QColor kMinorGridColour(243, 243, 243);

}  // namespace

double PlotDepth(const StackDepth& d, bool inUm) {
    return inUm ? d.um : d.mgCm2;
}

StackPlot::StackPlot(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setMinimumSize(360, 240);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    rebuild();
}

void StackPlot::setCalculation(const StackCalculation& c, StopUnit unit) {
    calc_ = c;
    unit_ = unit;
    rebuild();
}

void StackPlot::setQuantity(PlotQuantity q) {
    quantity_ = q;
    rebuild();
}

void StackPlot::setLogAxes(bool logDepth, bool logValue) {
    logDepth_ = logDepth;
    logValue_ = logValue;
    rebuild();
}

QRectF StackPlot::plotArea() const {
    return QRectF(kLeftMargin, kTopMargin, width() - kLeftMargin - kRightMargin,
                  height() - kTopMargin - kBottomMargin);
}

QString StackPlot::depthAxisTitle() const {
    return depthInUm_ ? tr("Depth (µm)") : tr("Depth (mg/cm2)");
}

QString StackPlot::valueAxisTitle() const {
    return quantity_ == PlotQuantity::Energy
               ? tr("Energy (keV)")
               : tr("Total stopping (%1)").arg(StopUnitDisplay(unit_));
}

void StackPlot::rebuild() {
    series_.clear();
    bandHigh_.clear();
    bandLow_.clear();
    boundaries_.clear();
    missing_.clear();
    const std::vector<StackPlotPoint>& points = calc_.plot;
    depthInUm_ = std::all_of(points.begin(), points.end(),
                             [](const StackPlotPoint& p) { return p.depth.hasUm; });
    if (!calc_.error.empty())
        missing_ = QString::fromStdString(calc_.error);
    else if (!calc_.stackComplete)
        missing_ = QString::fromStdString(calc_.stackError);
    else if (points.empty())
        missing_ = tr("Add a layer to follow the ion through a stack.");
    else if (quantity_ == PlotQuantity::Stopping && IsLength(unit_) &&
             std::any_of(calc_.layers.begin(), calc_.layers.end(),
                         [](const StackLayerRow& r) { return r.reached && !(r.density > 0); }))
        missing_ = tr("No stopping in %1 through this stack: a layer has no density.")
                       .arg(StopUnitDisplay(unit_));
    for (const StackPlotPoint& p : points) {
        if (!missing_.isEmpty()) break;
        // A point where the model gives no stopping (an ion at rest) is left out.
        if (quantity_ == PlotQuantity::Stopping && !p.stoppingKnown) continue;
        const double value = quantity_ == PlotQuantity::Energy ? p.energy : p.stopping;
        series_.emplace_back(PlotDepth(p.depth, depthInUm_), value);
        if (quantity_ == PlotQuantity::Energy && std::isfinite(p.energySigma)) {
            bandLow_.emplace_back(series_.back().x(), std::max(0.0, value - p.energySigma));
            bandHigh_.emplace_back(series_.back().x(), value + p.energySigma);
        }
    }
    for (const StackDepth& b : calc_.boundaries) boundaries_.push_back(PlotDepth(b, depthInUm_));
    double depthMin = 0, depthMax = 0, valueMin = 0, valueMax = 0;
    bool first = true;
    std::vector<QPointF> shown = series_;
    shown.insert(shown.end(), bandHigh_.begin(), bandHigh_.end());
    for (const QPointF& s : shown) {
        // A logarithmic axis starts at the first positive value: the front face lies at 0.
        const bool depthShown = !logDepth_ || s.x() > 0, valueShown = !logValue_ || s.y() > 0;
        if (!depthShown || !valueShown) continue;
        depthMin = first ? s.x() : std::min(depthMin, s.x());
        depthMax = first ? s.x() : std::max(depthMax, s.x());
        valueMin = first ? s.y() : std::min(valueMin, s.y());
        valueMax = first ? s.y() : std::max(valueMax, s.y());
        first = false;
    }
    // The depth axis ends with the path: where the ion stops, or at the back face it leaves
    // through. The faces beyond a stop lie off the plot.
    depthAxis_ = FitAxis(depthMin, depthMax, logDepth_);
    valueAxis_ = FitAxis(valueMin, valueMax, logValue_);
    update();
}

std::optional<QPointF> StackPlot::toWidget(const QRectF& area, QPointF v) const {
    const std::optional<double> fx = AxisFraction(depthAxis_, v.x());
    const std::optional<double> fy = AxisFraction(valueAxis_, v.y());
    if (!fx || !fy) return std::nullopt;
    return QPointF(area.left() + *fx * area.width(), area.bottom() - *fy * area.height());
}

void StackPlot::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(rect(), Qt::white);
    const QRectF area = plotArea();
    if (!missing_.isEmpty()) {
        p.setPen(palette().color(QPalette::Text));
        p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, missing_);
        return;
    }
    drawAxes(p, area);
    drawBoundaries(p, area);
    drawBand(p, area);
    drawCurve(p, area);
}

void StackPlot::drawMinorGrid(QPainter& p, const QRectF& area) const {
    // 2 to 9 times each decade of a logarithmic axis, as light lines without labels.
    p.setPen(QPen(kMinorGridColour, 0));
    for (const PlotAxis* axis : {&depthAxis_, &valueAxis_}) {
        if (!axis->log) continue;
        for (const double decade : AxisTicks(*axis))
            for (int m = 2; m <= 9; ++m) {
                const std::optional<double> f = AxisFraction(*axis, decade * m);
                if (!f || *f > 1) break;
                if (axis == &depthAxis_) {
                    const qreal x = area.left() + *f * area.width();
                    p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
                } else {
                    const qreal y = area.bottom() - *f * area.height();
                    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
                }
            }
    }
}

void StackPlot::drawAxes(QPainter& p, const QRectF& area) const {
    drawMinorGrid(p, area);
    const QFontMetricsF fm(font());
    const QColor text = palette().color(QPalette::Text);
    for (const double t : AxisTicks(depthAxis_)) {
        const qreal x = area.left() + AxisFraction(depthAxis_, t).value_or(0) * area.width();
        p.setPen(QPen(kGridColour, 0));
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        p.setPen(QPen(text, 0));
        p.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + kTickLength));
        const QRectF box(x - 40, area.bottom() + kTickLength + 1, 80, fm.height());
        p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, TickText(t));
    }
    for (const double t : AxisTicks(valueAxis_)) {
        const qreal y = area.bottom() - AxisFraction(valueAxis_, t).value_or(0) * area.height();
        p.setPen(QPen(kGridColour, 0));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        p.setPen(QPen(text, 0));
        p.drawLine(QPointF(area.left() - kTickLength, y), QPointF(area.left(), y));
        const QRectF box(0, y - fm.height() / 2, area.left() - kTickLength - 3, fm.height());
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, TickText(t));
    }
    p.setPen(QPen(text, 1));
    p.drawRect(area);
    const QRectF below(area.left(), height() - fm.height() - 4, area.width(), fm.height());
    p.drawText(below, Qt::AlignHCenter, depthAxisTitle());
    p.save();
    p.translate(4, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, 0, area.height(), fm.height()), Qt::AlignHCenter,
               valueAxisTitle());
    p.restore();
}

void StackPlot::drawBoundaries(QPainter& p, const QRectF& area) const {
    QPen face(kFaceColour, 1, Qt::DashLine);
    const QFontMetricsF fm(font());
    for (std::size_t k = 0; k < boundaries_.size(); ++k) {
        const std::optional<double> f = AxisFraction(depthAxis_, boundaries_[k]);
        if (!f || *f < 0 || *f > 1) continue;
        const qreal x = area.left() + *f * area.width();
        p.setPen(face);
        // A face on the frame (the front face at depth 0) is the frame itself.
        if (*f > 0 && *f < 1) p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        if (k + 1 >= boundaries_.size()) continue;
        // The layer's number above the plot, in the middle of the layer where it fits.
        const std::optional<double> g = AxisFraction(depthAxis_, boundaries_[k + 1]);
        const qreal right = area.left() + std::clamp(g.value_or(1.0), 0.0, 1.0) * area.width();
        const QString number = QString::number(k + 1);
        if (right - x < fm.horizontalAdvance(number) + 2) continue;
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRectF(x, area.top() - fm.height() - 2, right - x, fm.height()),
                   Qt::AlignHCenter, number);
    }
}

void StackPlot::drawCurve(QPainter& p, const QRectF& area) const {
    QPainterPath path;
    bool pen = false;
    for (const QPointF& s : series_) {
        const std::optional<QPointF> at = toWidget(area, s);
        if (!at) {
            pen = false;  // a point a logarithmic axis cannot show breaks the line
            continue;
        }
        if (pen)
            path.lineTo(*at);
        else
            path.moveTo(*at);
        pen = true;
    }
    p.save();
    p.setClipRect(area.adjusted(-1, -1, 1, 1));
    p.setPen(QPen(kCurveColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void StackPlot::drawBand(QPainter& p, const QRectF& area) const {
    // Up along E + sigma, back along E - sigma; points a logarithmic axis cannot show are left
    // out.
    QPolygonF polygon;
    for (const QPointF& s : bandHigh_)
        if (const std::optional<QPointF> at = toWidget(area, s)) polygon << *at;
    for (auto it = bandLow_.rbegin(); it != bandLow_.rend(); ++it)
        if (const std::optional<QPointF> at = toWidget(area, *it)) polygon << *at;
    if (polygon.size() < 3) return;
    p.save();
    p.setClipRect(area);
    p.setPen(Qt::NoPen);
    p.setBrush(kBandColour);
    p.drawPolygon(polygon);
    p.restore();
}

std::optional<double> StackPlot::valueAtDepth(double depth) const {
    for (std::size_t k = 1; k < series_.size(); ++k) {
        const QPointF a = series_[k - 1], b = series_[k];
        if (depth < a.x() || depth > b.x() || b.x() <= a.x()) continue;
        return a.y() + (b.y() - a.y()) * (depth - a.x()) / (b.x() - a.x());
    }
    return std::nullopt;
}

QString StackPlot::readOut(QPointF at) const {
    const QRectF area = plotArea();
    if (series_.empty() || !area.contains(at)) return QString();
    const double depth = AxisValue(depthAxis_, (at.x() - area.left()) / area.width());
    const QString where =
        tr("depth %1 %2").arg(QString::number(depth, 'g', 5), depthInUm_ ? tr("µm") : tr("mg/cm2"));
    const std::optional<double> value = valueAtDepth(depth);
    if (!value) return where + tr(": beyond the end of the path");
    if (quantity_ == PlotQuantity::Energy)
        return where + tr(": energy %1 keV").arg(QString::number(*value, 'g', 5));
    return where + tr(": total stopping %1 %2")
                       .arg(QString::number(*value, 'g', 5), StopUnitDisplay(unit_));
}

void StackPlot::mouseMoveEvent(QMouseEvent* event) {
    emit cursorMoved(readOut(event->position()));
}

void StackPlot::leaveEvent(QEvent*) {
    emit cursorMoved(QString());
}

}  // namespace fenra
