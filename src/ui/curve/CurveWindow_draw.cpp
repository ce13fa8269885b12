// The three drawing operations of the curve window: scale, ticks, tick labels and the curve
// as one polyline through its points; at the designed size the labels at the fifths of each
// axis, in a grown window at round numbers.

#include <QLabel>
#include <algorithm>

#include "state/NumberText.h"
#include "ui/curve/CurveCanvas.h"
#include "ui/curve/CurveLayout.h"
#include "ui/curve/CurveScale.h"
#include "ui/curve/CurveWindow.h"
#include "ui/platform/Platform.h"

namespace fenra {

namespace cl = fenra::curve_layout;

namespace {

// The plot leaves a fifth of its height free above the largest value.
constexpr double kHeadroom = 1.2;
constexpr int kTickCount = 5;  // ticks and labels at the fifths of each axis
// A grown window labels a round tick every so many pixels at most: room for "100000" across,
// for a line of text and a gap upwards.
constexpr int kLeastXTickSpacingPx = 80;
constexpr int kLeastYTickSpacingPx = 40;
constexpr int kMostTickIntervals = 10;

// 1.2 times the largest stopping value, rounded to Single; 0 when no value is positive
// (negative values never count).
float StoppingYMax(const std::vector<float>& stop) {
    float m = 0;
    for (float v : stop) {
        if (v > m) m = v;
    }
    return m > 0 ? static_cast<float>(double(m) * kHeadroom) : 0.0f;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

void CurveWindow::draw() {
    drawn_ = true;
    render(true);
    showDepthFit();
}

void CurveWindow::render(bool tell) {
    const fenra::CurveKind kind = kind_;
    canvas_->clear();
    const float w = canvas_->innerWidth();
    const float h = canvas_->innerHeight();

    float yMax = 0;
    if (kind == fenra::CurveKind::DepthEnergy) {
        yMax = static_cast<float>(double(snapshot_.ionEnergy) * kHeadroom);
        if (!(yMax > 0)) {
            // An energy curve is scaled by the ion's energy; without a positive energy there is
            // no scale.
            if (tell)
                platform_.showMessage(
                    this, fenra::ProgramTitle(),
                    tr("The ion energy is not above 0 keV: there is no energy curve to draw."));
            return;
        }
    } else {
        yMax = StoppingYMax(snapshot_.stop);
        if (!(yMax > 0)) {
            if (tell)
                platform_.showMessage(this, fenra::ProgramTitle(),
                                      tr("Stopping power is too small !!"));
            return;
        }
    }

    const float xMax = kind == fenra::CurveKind::EnergyStop ? snapshot_.ionEnergy : snapshot_.range;
    if (atDesignedSize()) {
        drawXAxis(w, h, xMax);
        drawYAxis(h, yMax);
    } else {
        drawRoundTicks(w, h, xMax, yMax);
    }
    drawPolyline(w, h, yMax);
}

// The value labels of an axis: the six designed ones first, then more made as needed.
QLabel* CurveWindow::valueLabel(bool yAxis, std::size_t index) {
    const auto& designed = yAxis ? labels_.yValues : labels_.xValues;
    if (index < designed.size()) return designed[index];
    std::vector<QLabel*>& more = yAxis ? moreYValues_ : moreXValues_;
    while (more.size() <= index - designed.size()) {
        auto* label = new QLabel(centralWidget());
        label->setObjectName(QStringLiteral("%1Tick%2")
                                 .arg(yAxis ? QStringLiteral("y") : QStringLiteral("x"))
                                 .arg(designed.size() + more.size()));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(yAxis ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
        more.push_back(label);
    }
    return more[index - designed.size()];
}

// Ticks at round numbers over the same scale as at the designed size, so the curve keeps its
// shape; a label beside or under each tick, the unused labels hidden.
void CurveWindow::drawRoundTicks(float w, float h, float xMax, float yMax) {
    const cl::Pixels& px = cl::CurvePixels();
    const QPoint inner =
        canvas_->geometry().topLeft() + QPoint(cl::kPlotBorderPx, cl::kPlotBorderPx);
    const auto intervals = [](float length, int spacing) {
        return std::clamp(int(length) / spacing, 1, kMostTickIntervals);
    };
    const auto place = [&](bool yAxis, const std::vector<double>& ticks, double max) {
        const double step = ticks.size() > 1 ? ticks[1] : max;
        std::size_t k = 0;
        for (; k < ticks.size(); ++k) {
            const double f = ticks[k] / max;
            const QString text = QString::fromStdString(fenra::RoundTickText(ticks[k], step));
            if (yAxis) {
                const float y = h - float(f) * h;
                if (k > 0) canvas_->drawLine(0, y, px.yTickLength, y);
                putLabel(valueLabel(true, k), text, Anchor::Right, px.yValueRight,
                         inner.y() + qRound(y) - px.valueHeight / 2);
            } else {
                const float x = float(f) * w;
                if (k > 0) canvas_->drawLine(x, h, x, h - px.xTickLength);
                putLabel(valueLabel(false, k), text, Anchor::Centre, inner.x() + qRound(x),
                         px.xValueTop + growth().height());
            }
        }
        const std::size_t made = (yAxis ? labels_.yValues : labels_.xValues).size() +
                                 (yAxis ? moreYValues_ : moreXValues_).size();
        for (; k < made; ++k) valueLabel(yAxis, k)->hide();
    };
    place(false, fenra::RoundTicks(xMax, intervals(w, kLeastXTickSpacingPx)), xMax);
    place(true, fenra::RoundTicks(yMax, intervals(h, kLeastYTickSpacingPx)), yMax);
}

// A depth far beyond the ion's range leaves most of the curve at 0; one far short of it shows
// only the start of the slowing down. The status line says so, with what to change.
void CurveWindow::showDepthFit() {
    const fenra::CurveDepth depth = fenra::FitOfCurveDepth(snapshot_, kind_);
    QString text;
    if (depth.fit == fenra::DepthFit::FarBeyond) {
        text = tr("The ion stops within the first %1 of the curve's depth of %2 (1E15 "
                  "atoms/cm2): the depth (Range in the main window) is far beyond the ion's "
                  "range.")
                   .arg(Text(fenra::GeneralText(float(depth.stopDepth))),
                        Text(fenra::GeneralText(snapshot_.range)));
    } else if (depth.fit == fenra::DepthFit::FarShort) {
        text = tr("The ion keeps %1% of its energy at the curve's depth of %2 (1E15 atoms/cm2): "
                  "the depth (Range in the main window) is far short of the ion's range.")
                   .arg(qRound(depth.energyLeftFraction * 100))
                   .arg(Text(fenra::GeneralText(snapshot_.range)));
    }
    status_->setText(text);
    status_->setToolTip(text);
}

void CurveWindow::drawXAxis(float w, float h, float xMax) {
    const float step = xMax / float(kTickCount);
    for (int i = 1; i < kTickCount; ++i) {
        const float x = float(i) * w / float(kTickCount);
        canvas_->drawLine(x, h, x, h - cl::CurvePixels().xTickLength);
        setLabelText(labels_.xValues[i], Text(fenra::GeneralText(step * float(i))));
    }
    setLabelText(labels_.xValues[kTickCount], Text(fenra::GeneralText(xMax)));
}

void CurveWindow::drawYAxis(float h, float yMax) {
    const float step = yMax / float(kTickCount);
    for (int i = 1; i < kTickCount; ++i) {
        const float y = h - float(i) * h / float(kTickCount);
        canvas_->drawLine(0, y, cl::CurvePixels().yTickLength, y);
        setLabelText(labels_.yValues[i], Text(fenra::FormatFixed3(step * float(i))));
    }
    setLabelText(labels_.yValues[kTickCount], Text(fenra::FormatFixed3(yMax)));
}

// Point i of a depth curve lies at depth i/N of the range, of the energy curve at the energy
// (N - i)/N of the full energy: point 0 on the right edge, point N on the left.
void CurveWindow::drawPolyline(float w, float h, float yMax) {
    const fenra::CurveKind kind = kind_;
    const bool energyValues = kind == fenra::CurveKind::DepthEnergy;
    const std::vector<float>& v = energyValues ? snapshot_.energy : snapshot_.stop;
    const int n = snapshot_.N();
    if (n < 1 || static_cast<int>(v.size()) != n + 1) return;
    const auto x = [&](int i) {
        const int along = kind == fenra::CurveKind::EnergyStop ? n - i : i;
        return float(along) * w / float(n);
    };
    const auto y = [&](int i) { return h - (v[i] / yMax) * h; };
    canvas_->setPoint(x(0), y(0));
    for (int i = 1; i <= n; ++i) canvas_->lineTo(x(i), y(i));
}

}  // namespace fenra
