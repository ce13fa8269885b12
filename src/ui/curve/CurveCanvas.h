#pragma once
// canvas: the plot area of a curve window. The curve is drawn once, into an image that the
// widget paints from, so covering and uncovering the window never loses it.
//
// Drawing coordinates are twips from the upper left corner of the inner area (inside the
// border), x to the right and y downwards; InnerWidth() and InnerHeight() are the inner size in
// twips. Both edges map onto pixels of the image (0 onto the first row or column, the inner
// size onto the last), so a curve that runs along the bottom edge stays visible.

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QWidget>

class CurveCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit CurveCanvas(QWidget* parent = nullptr);

    // The drawing surface's operations.
    void Clear();
    float InnerWidth() const;
    float InnerHeight() const;
    void DrawLine(float x1, float y1, float x2, float y2);
    // Sets one pixel; it becomes the current drawing position.
    void SetPoint(float x, float y);
    // A line from the current drawing position, which then moves to (x, y).
    void LineTo(float x, float y);

    // The pixel of the image at drawing coordinates (x, y), and the image itself.
    QPoint ToPixel(float x, float y) const;
    const QImage& Image();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QSize InnerPixels() const;
    // The image follows the inner size (fixed with the window's layout, so in practice it is
    // made once); a new image starts white.
    void FitImage();
    void Line(QPoint from, QPoint to);

    QImage image_;
    QPoint current_;
};
