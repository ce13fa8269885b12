#pragma once
// What the tests of the curve commands ask of a driven main window: the stopping the walk must
// show at an energy, and the curve windows the commands opened.

#include <QList>

#include "calc/CalculateDataSet.h"
#include "support/MainWindowDriver.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

namespace curve_test {

// The stopping of the current data set at another energy, calculated on a copy of the state.
inline float StopAt(const fenra::MainWindowDriver& d, float energy) {
    fenra::WorkingState copy = d.state;
    copy.Current().IonEnergy = energy;
    fenra::CalculateDataSet(copy.DataSets[copy.CurrentDataSet], d.db);
    return copy.Current().StopEvAtoms;
}

// Every curve window the commands opened that is still open, oldest first.
inline QList<CurveWindow*> CurveWindowsOf(const fenra::MainWindowDriver& d) {
    return d.window->childWindows().openCurveWindows();
}

}  // namespace curve_test
