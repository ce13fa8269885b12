#include "ui/main/CalcReport.h"

#include "ui/messages/WindowMessages.h"
#include "ui/platform/Platform.h"

namespace fenra {

void ReportCalcResult(Platform& platform, QWidget* parent, int dataSet, const CalcResult& r) {
    switch (r.outcome) {
        case CalcOutcome::Calculated:
        case CalcOutcome::RatioZero:  // nothing to calculate, nothing to say
            return;
        default:
            platform.showMessage(parent, ProgramTitle(), CalcResultMessage(dataSet, r));
            return;
    }
}

}  // namespace fenra
