#include "batch/ImplantSummaryText.h"

#include <algorithm>
#include <string>
#include <vector>

#include "physics/StoppingModel.h"
#include "state/NumberText.h"

namespace fenra {

namespace {

std::string Num(double v) {
    return NineDigitText(v);
}

std::string WithError(const MeanValue& m, const char* unit) {
    return Num(m.mean) + " +- " + Num(m.error) + " " + unit;
}

std::string Percent(const MeanValue& m) {
    return Num(100 * m.mean) + " +- " + Num(100 * m.error) + " %";
}

}  // namespace

void PrintImplantSummary(std::ostream& out, const ImplantArguments& o, const ImplantCommandStack& s,
                         const ImplantResult& r, const char* lead) {
    auto line = [&](const std::string& key, const std::string& value) {
        out << lead << key << ": " << value << "\n";
    };
    line("ion", s.ion.symbol + " " + Num(s.ion.mass) + " amu, " + Num(s.energy) + " keV, " +
                    Num(o.angle) + " deg from the normal");
    std::string layers;
    for (std::size_t k = 0; k < s.names.size(); ++k)
        layers += (k ? ", " : "") + s.names[k] + " " + Num(s.layers[k].thickness) + " nm";
    line("layers", layers);
    line("ions", std::to_string(r.ionsRun) + " of " + std::to_string(r.ionsRequested) +
                     (r.cancelled ? " (interrupted)" : "") + ", seed " + std::to_string(o.seed) +
                     ", cut-off " + Num(o.cutoff) + " eV, stopping model " +
                     StoppingModelName(o.model) +
                     (o.straggling ? "" : ", electronic straggling off"));
    line("recoils", "not followed: their energy counts as nuclear energy where they were struck");
    line("stopped", std::to_string(r.stopped));
    line("backscattered", Percent(r.backscatteredFraction));
    line("transmitted", Percent(r.transmittedFraction));
    line("projected range", WithError(r.projectedRange, "nm"));
    line("straggle", WithError(r.straggle, "nm"));
    line("skewness", Num(r.skewness));
    line("kurtosis", Num(r.kurtosis));
    line("lateral spread", WithError(r.lateralSpread, "nm"));
    line("radial range", WithError(r.radialRange, "nm"));
    line("path length", WithError(r.pathLength, "nm"));
    for (std::size_t k = 0; k < s.names.size(); ++k)
        line("stopped in layer " + std::to_string(k + 1) + " (" + s.names[k] + ")",
             std::to_string(r.stoppedPerLayer[k]));
    if (r.backscattered > 0) {
        line("backscattered energy", WithError(r.backscatteredEnergy, "keV"));
        line("backscattered energy spread", WithError(r.backscatteredEnergySpread, "keV"));
        line("backscattered angle", WithError(r.backscatteredAngle, "deg"));
    }
    if (r.transmitted > 0) {
        line("transmitted energy", WithError(r.transmittedEnergy, "keV"));
        line("transmitted energy spread", WithError(r.transmittedEnergySpread, "keV"));
        line("transmitted angle", WithError(r.transmittedAngle, "deg"));
    }
    line("energy per ion to electrons",
         WithError({r.electronicEnergy, r.electronicEnergyError}, "keV"));
    line("energy per ion to nuclei", WithError({r.nuclearEnergy, r.nuclearEnergyError}, "keV"));
    line("displacements per ion (Kinchin-Pease, " + DisplacementText(s.displacement) + ")",
         Num(r.displacementsPerIon.mean) + " +- " + Num(r.displacementsPerIon.error));
    line("collisions per ion", Num(r.collisionsPerIon) + " +- " + Num(r.collisionsPerIonError));
    if (r.beyondDepthRange > 0)
        line("stopped beyond the histogram", std::to_string(r.beyondDepthRange));
}

void PrintImplantDepthTable(std::ostream& out, const ImplantResult& r) {
    const std::vector<std::string> header = {"depth_from_nm", "depth_to_nm",
                                             "stopped_ions",  "electronic_eV_nm",
                                             "nuclear_eV_nm", "displacements_per_nm"};
    std::vector<std::vector<std::string>> rows;
    for (std::size_t k = 0; k < r.depth.values.size(); ++k)
        rows.push_back({Num(r.depth.Edge(k)), Num(r.depth.Edge(k + 1)), Num(r.depth.values[k]),
                        Num(r.electronicDeposit.values[k]), Num(r.nuclearDeposit.values[k]),
                        Num(r.displacements.values[k])});
    std::vector<std::size_t> width(header.size());
    for (std::size_t c = 0; c < header.size(); ++c) {
        width[c] = header[c].size();
        for (const auto& row : rows) width[c] = std::max(width[c], row[c].size());
    }
    auto print = [&](const std::vector<std::string>& row) {
        std::string s;
        for (std::size_t c = 0; c < row.size(); ++c)
            s += (c ? "  " : "") + std::string(width[c] - row[c].size(), ' ') + row[c];
        out << s << "\n";
    };
    print(header);
    for (const auto& row : rows) print(row);
}

}  // namespace fenra
