#pragma once
// The drawing of one histogram of the ion paths: its bins as steps over a linear axis with
// ticks at round numbers, and on the depth histograms the faces of the layers as dashed lines,
// as the range window's plot marks them. The caption of the run goes above the title, so that
// an exported drawing says what it shows.

#include <QString>
#include <QWidget>
#include <vector>

#include "implant/Implant.h"

namespace fenra {

struct PlotSeries {
    QString title, xLabel, yLabel;
    Histogram bins;             // the values to draw, per bin
    std::vector<double> faces;  // x of the layer faces; empty for spectra
    // A line above the title saying what ran (ion, energy, layers, model); may be empty.
    QString caption;
};

class ImplantPlot : public QWidget {
    Q_OBJECT

  public:
    explicit ImplantPlot(QWidget* parent = nullptr);

    // What to draw; an empty series shows `missing` instead.
    void setSeries(const PlotSeries& series);
    void setMissing(const QString& missing);
    const PlotSeries& series() const { return series_; }
    QString missing() const { return missing_; }

    QSize sizeHint() const override { return {560, 360}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    PlotSeries series_;
    QString missing_;
};

// Round ticks over [0, top]: 1, 2 or 5 times a power of ten apart, the last at or above top.
std::vector<double> RoundTicks(double top);

}  // namespace fenra
