#pragma once
// A curve filled in by hand, and small readers of a curve window's fields, for the curve
// window tests.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "calc/CurveWalk.h"
#include "state/CurveSnapshot.h"
#include "ui/curve/CurveCanvas.h"
#include "ui/curve/CurveWindow.h"

// The windows of the program live in namespace fenra.
using fenra::CurveCanvas;
using fenra::CurveWindow;

namespace curve_test {

// The curve of a proton of 1.008 amu at 1000 keV over the range 100000: 100 slabs, every
// point 0 until a test fills it in.
inline fenra::CurveSnapshot OneCurve() {
    fenra::CurveSnapshot c;
    c.stop.assign(fenra::kSlabCount + 1, 0.0f);
    c.energy.assign(fenra::kSlabCount + 1, 0.0f);
    c.ionName = "H";
    c.ionMass = 1.008f;
    c.ionEnergy = 1000;
    c.range = 100000;
    return c;
}

inline void Fill(std::vector<float>& values, float v) {
    std::fill(values.begin(), values.end(), v);
}

inline QString Label(const CurveWindow& w, const QString& name) {
    const auto* l = w.findChild<QLabel*>(name);
    return l ? l->text() : QString("<no %1>").arg(name);
}

// The texts of lblSTPower0..5 or lblDepth0..5, index 0 first.
inline QStringList Labels(const CurveWindow& w, const QString& prefix) {
    QStringList texts;
    for (int i = 0; i <= 5; ++i) texts << Label(w, prefix + QString::number(i));
    return texts;
}

inline QImage Plot(CurveWindow& w) {
    return w.findChild<CurveCanvas*>("PicCurve")->image();
}

inline bool IsBlack(const QImage& img, int x, int y) {
    return img.pixelColor(x, y) == QColor(Qt::black);
}

inline int BlackCount(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += IsBlack(img, x, y);
    return n;
}

// Rows of column x that are black, from the top.
inline QList<int> BlackRows(const QImage& img, int x) {
    QList<int> rows;
    for (int y = 0; y < img.height(); ++y)
        if (IsBlack(img, x, y)) rows << y;
    return rows;
}

}  // namespace curve_test
