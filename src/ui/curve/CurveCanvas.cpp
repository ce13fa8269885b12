#include "ui/curve/CurveCanvas.h"

#include <QPainter>
#include <cmath>

#include "ui/curve/CurveLayout.h"

namespace cl = fenra::curve_layout;

namespace {

const QColor kCurveColour = Qt::black;
const QColor kBackground = Qt::white;

// Points far outside the plot are clipped by the image anyway; this keeps them in int range.
constexpr double kFarOutsidePx = 1e6;

// Twips along one axis of the inner area to a pixel index, the far edge onto the last pixel.
int ToPixelAxis(float twips, float innerTwips, int pixels) {
    if (!(innerTwips > 0) || pixels <= 1) return 0;
    const double scaled = double(twips) / double(innerTwips) * double(pixels - 1);
    if (std::isnan(scaled)) return -1;  // nowhere on the plot
    return static_cast<int>(
        std::lround(std::fmax(-kFarOutsidePx, std::fmin(kFarOutsidePx, scaled))));
}

}  // namespace

CurveCanvas::CurveCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CurveCanvas::InnerPixels() const {
    return (size() - QSize(2 * cl::kPlotBorderPx, 2 * cl::kPlotBorderPx)).expandedTo(QSize(0, 0));
}

void CurveCanvas::FitImage() {
    if (!image_.isNull() && image_.size() == InnerPixels()) return;
    image_ = QImage(InnerPixels(), QImage::Format_RGB32);
    image_.fill(kBackground);
}

const QImage& CurveCanvas::Image() {
    FitImage();
    return image_;
}

void CurveCanvas::Clear() {
    FitImage();
    image_.fill(kBackground);
    update();
}

float CurveCanvas::InnerWidth() const {
    return static_cast<float>(InnerPixels().width()) * cl::kTwipsPerPixel;
}
float CurveCanvas::InnerHeight() const {
    return static_cast<float>(InnerPixels().height()) * cl::kTwipsPerPixel;
}

QPoint CurveCanvas::ToPixel(float x, float y) const {
    const QSize px = InnerPixels();
    return QPoint(ToPixelAxis(x, InnerWidth(), px.width()),
                  ToPixelAxis(y, InnerHeight(), px.height()));
}

void CurveCanvas::Line(QPoint from, QPoint to) {
    FitImage();
    QPainter p(&image_);
    p.setPen(QPen(kCurveColour, 0));
    p.drawLine(from, to);
    update();
}

void CurveCanvas::DrawLine(float x1, float y1, float x2, float y2) {
    Line(ToPixel(x1, y1), ToPixel(x2, y2));
}

void CurveCanvas::SetPoint(float x, float y) {
    FitImage();
    current_ = ToPixel(x, y);
    if (image_.rect().contains(current_)) image_.setPixelColor(current_, kCurveColour);
    update();
}

void CurveCanvas::LineTo(float x, float y) {
    const QPoint to = ToPixel(x, y);
    Line(current_, to);
    current_ = to;
}

void CurveCanvas::paintEvent(QPaintEvent*) {
    FitImage();
    QPainter p(this);
    // A sunken frame of two pixels: grey outside, black inside.
    p.setPen(Qt::darkGray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
    p.drawImage(cl::kPlotBorderPx, cl::kPlotBorderPx, image_);
}
