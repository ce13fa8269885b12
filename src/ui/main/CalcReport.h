#pragma once
// How Calculate tells the user about a data set it could not calculate.

#include "calc/CalculateDataSet.h"

class QWidget;

namespace fenra {
class Platform;

// Nothing for a calculated data set or a one-element target of ratio 0; otherwise a message
// naming the data set and the reason.
void ReportCalcResult(Platform& platform, QWidget* parent, int dataSet, const CalcResult& r);

}  // namespace fenra
