// The three drawing operations of the curve window: scale, ticks, tick labels and the curve
// as one polyline through its points.

#include <QLabel>

#include "state/NumberText.h"
#include "ui/curve/CurveCanvas.h"
#include "ui/curve/CurveLayout.h"
#include "ui/curve/CurveWindow.h"
#include "ui/platform/Platform.h"

namespace cl = fenra::curve_layout;

namespace {

// The plot leaves a fifth of its height free above the largest value.
constexpr double kHeadroom = 1.2;
constexpr int kTickCount = 5;  // ticks and labels at the fifths of each axis

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
            platform_.showMessage(
                this, fenra::ProgramTitle(),
                tr("The ion energy is not above 0 keV: there is no energy curve to draw."));
            return;
        }
    } else {
        yMax = StoppingYMax(snapshot_.stop);
        if (!(yMax > 0)) {
            platform_.showMessage(this, fenra::ProgramTitle(),
                                  tr("Stopping power is too small !!"));
            return;
        }
    }

    const float xMax = kind == fenra::CurveKind::EnergyStop ? snapshot_.ionEnergy : snapshot_.range;
    drawXAxis(w, h, xMax);
    drawYAxis(h, yMax);
    drawPolyline(w, h, yMax);
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
