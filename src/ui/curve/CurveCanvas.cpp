#include "ui/curve/CurveCanvas.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

#include "ui/curve/CurveLayout.h"

namespace fenra {

namespace cl = fenra::curve_layout;

namespace {

const QColor kCurveColour = Qt::black;
const QColor kBackground = Qt::white;

// Points far outside the plot are clipped by the image anyway; this keeps them in int range.
constexpr double kFarOutsidePx = 1e6;

// A position along one axis of the inner area to a device pixel, the far edge onto the last.
double ToDeviceAxis(double v, double inner, int devicePixels) {
    if (!(inner > 0) || devicePixels <= 1) return 0;
    const double scaled = v / inner * double(devicePixels - 1);
    if (std::isnan(scaled)) return -1;  // nowhere on the plot
    return std::fmax(-kFarOutsidePx, std::fmin(kFarOutsidePx, scaled));
}

}  // namespace

CurveCanvas::CurveCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize CurveCanvas::innerPixels() const {
    return (size() - QSize(2 * cl::kPlotBorderPx, 2 * cl::kPlotBorderPx)).expandedTo(QSize(0, 0));
}

float CurveCanvas::innerWidth() const {
    return static_cast<float>(innerPixels().width());
}
float CurveCanvas::innerHeight() const {
    return static_cast<float>(innerPixels().height());
}

QPoint CurveCanvas::toPixel(float x, float y) const {
    const QSize px = innerPixels();
    return QPoint(int(std::lround(ToDeviceAxis(x, innerWidth(), px.width()))),
                  int(std::lround(ToDeviceAxis(y, innerHeight(), px.height()))));
}

void CurveCanvas::fitImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize device = (QSizeF(innerPixels()) * ratio).toSize();
    if (!image_.isNull() && image_.size() == device && ratio_ == ratio) return;
    ratio_ = ratio;
    image_ = QImage(device, QImage::Format_RGB32);
    image_.fill(kBackground);
    for (const QLineF& line : lines_) render(line);
    for (const QPointF& point : points_) render(point);
}

// At 1:1 a line is one pixel wide and ends on whole pixels, as the plot was designed; on a
// screen with more pixels it is as wide as one pixel there and smoothed, not stair-stepped.
void CurveCanvas::render(const QLineF& line) {
    const int w = image_.width(), h = image_.height();
    const double inW = innerWidth(), inH = innerHeight();
    QPointF from(ToDeviceAxis(line.x1(), inW, w), ToDeviceAxis(line.y1(), inH, h));
    QPointF to(ToDeviceAxis(line.x2(), inW, w), ToDeviceAxis(line.y2(), inH, h));
    QPainter p(&image_);
    if (ratio_ > 1) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kCurveColour, ratio_, Qt::SolidLine, Qt::RoundCap));
        // Pixel centres lie half a pixel in.
        p.drawLine(from + QPointF(0.5, 0.5), to + QPointF(0.5, 0.5));
    } else {
        p.setPen(QPen(kCurveColour, 0));
        p.drawLine(QPoint(qRound(from.x()), qRound(from.y())),
                   QPoint(qRound(to.x()), qRound(to.y())));
    }
}

void CurveCanvas::render(const QPointF& point) {
    const QPointF at(ToDeviceAxis(point.x(), innerWidth(), image_.width()),
                     ToDeviceAxis(point.y(), innerHeight(), image_.height()));
    const QPoint pixel(qRound(at.x()), qRound(at.y()));
    if (ratio_ <= 1) {
        if (image_.rect().contains(pixel)) image_.setPixelColor(pixel, kCurveColour);
        return;
    }
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kCurveColour, ratio_, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(at + QPointF(0.5, 0.5));
}

QImage CurveCanvas::image() {
    fitImage();
    QImage shown = image_;
    shown.setDevicePixelRatio(ratio_);
    return shown;
}

void CurveCanvas::clear() {
    lines_.clear();
    points_.clear();
    image_ = QImage();
    update();
}

void CurveCanvas::drawLine(float x1, float y1, float x2, float y2) {
    fitImage();
    lines_.emplace_back(x1, y1, x2, y2);
    render(lines_.back());
    update();
}

void CurveCanvas::setPoint(float x, float y) {
    fitImage();
    current_ = QPointF(x, y);
    points_.push_back(current_);
    render(current_);
    update();
}

void CurveCanvas::lineTo(float x, float y) {
    const QPointF to(x, y);
    drawLine(float(current_.x()), float(current_.y()), x, y);
    current_ = to;
}

// Painting into an SVG or PDF file (QWidget::render) draws the kept lines and points as they
// are, so the file scales without steps; on the screen and into images the rendered image is
// shown.
bool CurveCanvas::paintsVectors(const QPainter& p) {
    const QPaintEngine* engine = p.paintEngine();
    if (engine == nullptr) return false;
    const QPaintEngine::Type type = engine->type();
    return type == QPaintEngine::SVG || type == QPaintEngine::Pdf || type == QPaintEngine::Picture;
}

void CurveCanvas::paintVectors(QPainter& p) const {
    const QSize inner = innerPixels();
    p.save();
    p.translate(cl::kPlotBorderPx, cl::kPlotBorderPx);
    p.setClipRect(QRect(QPoint(0, 0), inner));
    p.fillRect(QRect(QPoint(0, 0), inner), kBackground);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(kCurveColour, 1, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    const double inW = innerWidth(), inH = innerHeight();
    const auto at = [&](double x, double y) {
        // Pixel centres lie half a pixel in, as in the rendered image.
        return QPointF(ToDeviceAxis(x, inW, inner.width()) + 0.5,
                       ToDeviceAxis(y, inH, inner.height()) + 0.5);
    };
    for (const QLineF& line : lines_)
        p.drawLine(at(line.x1(), line.y1()), at(line.x2(), line.y2()));
    for (const QPointF& point : points_) p.drawPoint(at(point.x(), point.y()));
    p.restore();
}

void CurveCanvas::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // A sunken frame of two pixels: grey outside, black inside.
    p.setPen(Qt::darkGray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(1, 1, -2, -2));
    if (paintsVectors(p)) {
        paintVectors(p);
        return;
    }
    fitImage();
    p.drawImage(QPointF(cl::kPlotBorderPx, cl::kPlotBorderPx), image());
}

}  // namespace fenra
