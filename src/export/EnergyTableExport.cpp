#include "export/EnergyTableExport.h"

#include <cmath>

#include "export/CsvText.h"
#include "files/TextFile.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

std::string Known(double v, bool read) {
    return NumberOrEmpty(v, read && std::isfinite(v));
}

}  // namespace

std::string EnergyTableCsvText(const std::vector<EnergyTableRow>& rows) {
    std::string out;
    AppendLine(out, kEnergyTableCsvHeader);
    for (const EnergyTableRow& r : rows) {
        const bool read = r.error.Empty();
        const StoppingValues& s = r.stopping;
        AppendCsvLine(out, {NineDigitText(r.energy), Known(s.electronic, read),
                            Known(s.nuclear, read), Known(s.total, read), Known(r.range, read),
                            Known(r.rangeMgCm2, read), Known(r.rangeUm, read), Known(r.sigma, read),
                            Known(r.sigmaMgCm2, read), Known(r.sigmaUm, read)});
    }
    return out;
}

}  // namespace fenra
