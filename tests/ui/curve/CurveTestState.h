#pragma once
// A working state with one data set and a curve filled in by hand, and small readers of a
// curve window's fields, for the curve window tests.

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QString>
#include <QStringList>

#include "state/WorkingState.h"
#include "ui/curve/CurveCanvas.h"
#include "ui/curve/frmStpCurve.h"

namespace curve_test {

// Data set 1: a proton of 1.008 amu at 1000 keV, range 100000, target Si1; no curve yet.
inline fenra::WorkingState OneDataSet() {
    fenra::WorkingState s;
    s.SlabCount = fenra::kSlabCount;
    s.DataSetCount = 1;
    s.CurrentDataSet = 1;
    s.NextCurveWindow = 1;
    s.AppPath = "/tmp/";
    fenra::DataSet& d = s.DataSets[1];
    d.IonName = "H";
    d.IonMass = 1.008f;
    d.IonEnergy = 1000;
    d.Range = 100000;
    d.ElementCount = 1;
    d.TargetElement[1] = "Si";
    d.TargetRatio[1] = 1;
    d.TargetName = "Si1";
    return s;
}

inline QString Label(const frmStpCurve& w, const QString& name) {
    const auto* l = w.findChild<QLabel*>(name);
    return l ? l->text() : QString("<no %1>").arg(name);
}

// The texts of lblSTPower0..5 or lblDepth0..5, index 0 first.
inline QStringList Labels(const frmStpCurve& w, const QString& prefix) {
    QStringList texts;
    for (int i = 0; i <= 5; ++i) texts << Label(w, prefix + QString::number(i));
    return texts;
}

inline QImage Plot(frmStpCurve& w) {
    return w.findChild<CurveCanvas*>("PicCurve")->Image();
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
