#include "ui/range/StackPlot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "ui/messages/WindowMessages.h"
#include "ui/range/RangeTexts.h"

namespace fenra {

namespace {

// Room around the plot area for the tick labels and the axis titles, in logical pixels.
constexpr qreal kLeftMargin = 76, kRightMargin = 18, kTopMargin = 8, kBottomMargin = 50;
// Space between two lines of text above the plot.
constexpr qreal kLineGap = 2;
constexpr qreal kTickLength = 5;
// The title: centred, broken between words.
constexpr int kTitleFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
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

void StackPlot::setEnergyUnit(EnergyUnit unit, double massAmu) {
    if (unit == energyUnit_ && massAmu == energyMass_) return;
    energyUnit_ = unit;
    energyMass_ = massAmu;
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

void StackPlot::setTitle(const QString& title) {
    title_ = title;
    update();
}

QRectF StackPlot::plotArea() const {
    // Above the plot: the title, then one or two rows of layer numbers.
    const QFontMetricsF fm(font());
    int rows = 0;
    placeLabels(&rows);
    const qreal line = fm.height() + kLineGap;
    const QRectF title = titleBox();
    const qreal top =
        kTopMargin + (title.isEmpty() ? 0 : title.height() + kLineGap) + std::max(rows, 1) * line;
    return QRectF(kLeftMargin, top, width() - kLeftMargin - kRightMargin,
                  height() - top - kBottomMargin);
}

std::vector<LayerLabel> StackPlot::placeLabels(int* rows) const {
    std::vector<LayerLabel> labels;
    *rows = 0;
    if (!missing_.isEmpty()) return labels;
    const QFontMetricsF fm(font());
    const qreal left = kLeftMargin, width = this->width() - kLeftMargin - kRightMargin;
    qreal rowEnd[2] = {-1e9, -1e9};  // the right end of the last label of each row
    for (std::size_t k = 0; k + 1 < boundaries_.size(); ++k) {
        // A face a logarithmic axis cannot show (the front face at 0) lies at its start.
        const double a = std::clamp(AxisFraction(depthAxis_, boundaries_[k]).value_or(0), 0.0, 1.0);
        const double b =
            std::clamp(AxisFraction(depthAxis_, boundaries_[k + 1]).value_or(0), 0.0, 1.0);
        if (a >= 1) break;  // the layers behind the stop lie off the plot
        const QString text = QString::number(k + 1);
        const qreal w = fm.horizontalAdvance(text) + 4;
        qreal from = std::clamp(left + (a + b) / 2 * width - w / 2, left, left + width - w);
        int row = from >= rowEnd[0] ? 0 : from >= rowEnd[1] ? 1 : rowEnd[0] <= rowEnd[1] ? 0 : 1;
        from = std::max(from, rowEnd[row]);  // never over another label
        rowEnd[row] = from + w;
        *rows = std::max(*rows, row + 1);
        // The row is kept in y until the plot area is known.
        labels.push_back({text, QRectF(from, row, w, fm.height())});
    }
    return labels;
}

std::vector<LayerLabel> StackPlot::layerLabels() const {
    int rows = 0;
    std::vector<LayerLabel> labels = placeLabels(&rows);
    const qreal top = plotArea().top();
    const qreal line = QFontMetricsF(font()).height() + kLineGap;
    for (LayerLabel& l : labels) l.box.moveTop(top - (l.box.top() + 1) * line);
    return labels;
}

QString StackPlot::depthAxisTitle() const {
    return depthInUm_ ? tr("Depth (µm)") : tr("Depth (mg/cm2)");
}

QString StackPlot::valueAxisTitle() const {
    return quantity_ == PlotQuantity::Energy
               ? tr("Energy (%1)").arg(EnergyUnitDisplay(energyUnit_))
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
    if (!calc_.error.Empty())
        missing_ = TranslatedSentence(calc_.error);
    else if (!calc_.stackComplete)
        missing_ = TranslatedSentence(calc_.stackError);
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
        const double value = quantity_ == PlotQuantity::Energy ? shownEnergy(p.energy) : p.stopping;
        series_.emplace_back(PlotDepth(p.depth, depthInUm_), value);
        if (quantity_ == PlotQuantity::Energy && std::isfinite(p.energySigma)) {
            bandLow_.emplace_back(series_.back().x(),
                                  shownEnergy(std::max(0.0, p.energy - p.energySigma)));
            bandHigh_.emplace_back(series_.back().x(), shownEnergy(p.energy + p.energySigma));
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
    // A logarithmic depth axis starts at the first point past the front face.
    depthAxis_ =
        logDepth_ ? FitLogAxisFrom(depthMin, depthMax) : FitAxis(depthMin, depthMax, false);
    valueAxis_ = FitAxis(valueMin, valueMax, logValue_);
    update();
}

double StackPlot::shownEnergy(double keV) const {
    return EnergyFromKev(keV, energyUnit_, energyMass_);
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
    drawTitle(p);
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
        const int first = static_cast<int>(std::floor(std::log10(axis->min)));
        for (double decade = std::pow(10.0, first); decade < axis->max; decade *= 10)
            for (int m = 2; m <= 9; ++m) {
                const std::optional<double> f = AxisFraction(*axis, decade * m);
                if (!f || *f > 1) break;
                if (*f < 0) continue;
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
    p.setPen(QPen(kFaceColour, 1, Qt::DashLine));
    for (const double b : boundaries_) {
        const std::optional<double> f = AxisFraction(depthAxis_, b);
        // A face on the frame (the front face at depth 0) is the frame itself.
        if (!f || *f <= 0 || *f >= 1) continue;
        const qreal x = area.left() + *f * area.width();
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    p.setPen(palette().color(QPalette::Text));
    for (const LayerLabel& l : layerLabels()) p.drawText(l.box, Qt::AlignHCenter, l.text);
}

QRectF StackPlot::titleBox() const {
    if (title_.isEmpty()) return {};
    // The whole title, on as many lines as the width needs: an exported image says all of what
    // it shows however narrow the window was, so the title is wrapped, never cut short.
    const QRectF width(kLeftMargin, kTopMargin, this->width() - kLeftMargin - kRightMargin, 1e6);
    const QRectF used = QFontMetricsF(font()).boundingRect(width, kTitleFlags, titleText());
    return QRectF(width.left(), width.top(), width.width(), used.height());
}

QString StackPlot::titleText() const {
    // A layer's material, thickness and unit stay on one line ("Si 40 µm"), as do an energy and
    // its unit: the lines break between layers.
    static const QRegularExpression besideNumber(QStringLiteral("(?<=\\d) | (?=\\d)"));
    QString text = title_;
    return text.replace(besideNumber, QString(QChar(QChar::Nbsp)));
}

void StackPlot::drawTitle(QPainter& p) const {
    const QRectF box = titleBox();
    if (box.isEmpty()) return;
    p.setPen(palette().color(QPalette::Text));
    p.drawText(box, kTitleFlags, titleText());
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
        return where + tr(": energy %1 %2")
                           .arg(QString::number(*value, 'g', 5), EnergyUnitDisplay(energyUnit_));
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
