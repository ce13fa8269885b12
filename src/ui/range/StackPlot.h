#pragma once
// The range window's plot: the ion's energy, or the total stopping, against depth through the
// stack, with the faces of the layers marked, labelled axes (linear or logarithmic) and a
// read-out of the depth and the curve's value under the mouse. It paints from the last
// calculation it was given, with QPainter at the device's own resolution, so the same drawing
// serves the screen, a PNG, an SVG and a PDF.

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "range/StackCalculation.h"
#include "range/Units.h"
#include "ui/range/PlotScale.h"

namespace fenra {

enum class PlotQuantity { Energy, Stopping };

// A layer's number above the plot: the text and where it is drawn.
struct LayerLabel {
    QString text;
    QRectF box;
};

class StackPlot : public QWidget {
    Q_OBJECT

  public:
    explicit StackPlot(QWidget* parent = nullptr);

    // The curve of c, whose stopping values are in unit.
    void setCalculation(const StackCalculation& c, StopUnit unit);
    // The unit the energies are shown in (axis, read-out, +-sigma band); per u by massAmu.
    void setEnergyUnit(EnergyUnit unit, double massAmu);
    void setQuantity(PlotQuantity q);
    void setLogAxes(bool logDepth, bool logValue);
    // The line above the plot that says what it shows (ion, energy, materials, model); it is
    // drawn on the screen and in every exported image, whole: where the plot is narrower than
    // the title, on two lines or more.
    void setTitle(const QString& title);
    const QString& title() const { return title_; }
    // The points of the energy's +-sigma band (depth, energy - sigma) and (depth, energy +
    // sigma) in the energy unit, empty for the stopping.
    const std::vector<QPointF>& bandLow() const { return bandLow_; }
    const std::vector<QPointF>& bandHigh() const { return bandHigh_; }

    PlotQuantity quantity() const { return quantity_; }
    // Where the curve is drawn, and its axes, as painted last.
    QRectF plotArea() const;
    const PlotAxis& depthAxis() const { return depthAxis_; }
    const PlotAxis& valueAxis() const { return valueAxis_; }
    QString depthAxisTitle() const;
    QString valueAxisTitle() const;
    // The series drawn: depth in the axis' unit, and the value (an energy in the energy unit).
    const std::vector<QPointF>& series() const { return series_; }
    // Why there is no curve (empty when there is one).
    const QString& missing() const { return missing_; }
    // The number of every layer the path reaches, centred over the layer's part of the depth
    // axis; where two would overlap, the second goes one row higher.
    std::vector<LayerLabel> layerLabels() const;
    // What the read-out says for a point of the widget: empty outside the plot area.
    QString readOut(QPointF at) const;

  signals:
    void cursorMoved(const QString& readOut);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void rebuild();
    void drawAxes(QPainter& p, const QRectF& area) const;
    void drawMinorGrid(QPainter& p, const QRectF& area) const;
    void drawBoundaries(QPainter& p, const QRectF& area) const;
    void drawTitle(QPainter& p) const;
    // Where the title is drawn, as high as its lines (empty without a title).
    QRectF titleBox() const;
    // The title as drawn: a number joined to its neighbours by no-break spaces.
    QString titleText() const;
    // The labels' horizontal places and rows (0 beside the plot), and how many rows they use.
    std::vector<LayerLabel> placeLabels(int* rows) const;
    void drawCurve(QPainter& p, const QRectF& area) const;
    void drawBand(QPainter& p, const QRectF& area) const;
    std::optional<QPointF> toWidget(const QRectF& area, QPointF v) const;
    // An energy in keV in the plot's energy unit.
    double shownEnergy(double keV) const;
    // The curve's value at a depth (in the axis' unit), linear between the points; nothing
    // beyond the end of the path.
    std::optional<double> valueAtDepth(double depth) const;

    StackCalculation calc_;
    StopUnit unit_ = StopUnit::EvE15;
    EnergyUnit energyUnit_ = EnergyUnit::Kev;
    double energyMass_ = 0;  // amu, for the per-u units
    PlotQuantity quantity_ = PlotQuantity::Energy;
    bool logDepth_ = false, logValue_ = false;
    bool depthInUm_ = true;  // else mg/cm2: a layer without a density has no length
    std::vector<QPointF> series_;
    // The energy plus and minus its spread at each point where the spread is known.
    std::vector<QPointF> bandHigh_, bandLow_;
    std::vector<double> boundaries_;
    PlotAxis depthAxis_, valueAxis_;
    QString missing_;
    QString title_;
};

// A depth in the unit the plot uses: um when it is known, else mg/cm2.
double PlotDepth(const StackDepth& d, bool inUm);

}  // namespace fenra
