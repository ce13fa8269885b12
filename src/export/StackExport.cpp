#include "export/StackExport.h"

#include <cmath>

#include "export/CsvText.h"
#include "files/TextFile.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

constexpr double kMradPerRad = 1000;

std::string Spread(double v, bool known) {
    return NumberOrEmpty(v, known && std::isfinite(v));
}

const char* StopUnitSlug(StopUnit unit) {
    switch (unit) {
        case StopUnit::EvE15:
            return "eV_e15";
        case StopUnit::KevMgCm2:
            return "keV_mg_cm2";
        case StopUnit::KevUm:
            return "keV_um";
        case StopUnit::EvAngstrom:
            break;
    }
    return "eV_A";
}

}  // namespace

std::string StoppingColumnName(StopUnit unit) {
    return std::string("total_stopping_") + StopUnitSlug(unit);
}

std::string StackTableCsvText(const StackCalculation& c) {
    std::string out;
    AppendLine(out, kStackTableCsvHeader);
    for (std::size_t k = 0; k < c.layers.size(); ++k) {
        const StackLayerRow& r = c.layers[k];
        const bool read = r.error.Empty();
        const bool reached = c.stackComplete && r.reached;
        AppendCsvLine(
            out,
            {std::to_string(k + 1), CsvField(read ? r.name : Words(r.error)),
             NumberOrEmpty(r.density, read && r.density > 0), NumberOrEmpty(r.thickness.e15, read),
             NumberOrEmpty(r.thickness.mgCm2, read),
             NumberOrEmpty(r.thickness.um, read && r.thickness.hasUm),
             NumberOrEmpty(r.energyIn, reached), NumberOrEmpty(r.energyOut, reached),
             NumberOrEmpty(r.energyLoss, reached),
             NumberOrEmpty(r.stopDepthInLayer.e15, reached && r.stopped),
             NumberOrEmpty(r.stopDepthInLayer.mgCm2, reached && r.stopped),
             NumberOrEmpty(r.stopDepthInLayer.um, reached && r.stopped && r.stopDepthInLayer.hasUm),
             NumberOrEmpty(r.stopDepth.e15, reached && r.stopped),
             NumberOrEmpty(r.stopDepth.mgCm2, reached && r.stopped),
             NumberOrEmpty(r.stopDepth.um, reached && r.stopped && r.stopDepth.hasUm),
             Spread(r.energySigma, reached), Spread(r.angleSigma * kMradPerRad, reached),
             Spread(r.lateralSigma, reached), Spread(r.chargeMean, reached)});
    }
    return out;
}

std::string StackPlotCsvText(const StackCalculation& c, StopUnit unit) {
    std::string out;
    AppendLine(out, "layer,depth_e15,depth_mg_cm2,depth_um,energy_keV," + StoppingColumnName(unit) +
                        ",energy_sigma_keV");
    for (const StackPlotPoint& p : c.plot) {
        AppendCsvLine(out, {std::to_string(p.layer + 1), NineDigitText(p.depth.e15),
                            NineDigitText(p.depth.mgCm2), NumberOrEmpty(p.depth.um, p.depth.hasUm),
                            NineDigitText(p.energy), NumberOrEmpty(p.stopping, p.stoppingKnown),
                            Spread(p.energySigma, true)});
    }
    return out;
}

bool SaveStackTableCsv(const StackCalculation& c, const std::string& path, FileError* error) {
    return WriteTextFile(path, StackTableCsvText(c), error);
}

bool SaveStackPlotCsv(const StackCalculation& c, StopUnit unit, const std::string& path,
                      FileError* error) {
    return WriteTextFile(path, StackPlotCsvText(c, unit), error);
}

}  // namespace fenra
