#pragma once
// PicCurve: the plot area of a curve window. What is drawn is kept as lines and points, and
// rendered into an image at the screen's resolution, which the widget paints from: covering
// and uncovering the window never loses the curve, and a screen with another pixel ratio
// gets it rendered afresh.
//
// Drawing coordinates are logical pixels from the upper left corner of the inner area (inside
// the border), x to the right and y downwards, as fractions; innerWidth() and innerHeight()
// are the inner size. Both edges map onto pixels of the image (0 onto the first row or column,
// the inner size onto the last), so a curve that runs along the bottom edge stays visible.

#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QWidget>
#include <vector>

namespace fenra {

class CurveCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit CurveCanvas(QWidget* parent = nullptr);

    // The drawing surface's operations.
    void clear();
    float innerWidth() const;
    float innerHeight() const;
    void drawLine(float x1, float y1, float x2, float y2);
    // Sets one pixel; it becomes the current drawing position.
    void setPoint(float x, float y);
    // A line from the current drawing position, which then moves to (x, y).
    void lineTo(float x, float y);

    // The pixel of the image at 1:1 at drawing coordinates (x, y).
    QPoint toPixel(float x, float y) const;
    // The plot as rendered for this widget's screen: its device pixel ratio is the screen's,
    // its size the inner size times that ratio.
    QImage image();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static bool paintsVectors(const QPainter& p);
    void paintVectors(QPainter& p) const;
    QSize innerPixels() const;
    // The image follows the inner size and the screen's pixel ratio; a new one is rendered
    // from the lines and points drawn so far.
    void fitImage();
    void render(const QLineF& line);
    void render(const QPointF& point);

    std::vector<QLineF> lines_;
    std::vector<QPointF> points_;
    QPointF current_;
    QImage image_;  // in device pixels
    qreal ratio_ = 1;
};

}  // namespace fenra
