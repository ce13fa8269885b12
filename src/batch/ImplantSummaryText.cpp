#include "batch/ImplantSummaryText.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "messages/ImplantLabels.h"
#include "messages/Message.h"
#include "messages/PhysicsMessages.h"
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

// "300 of 300 (interrupted), seed 1, cut-off 10 eV, stopping model classic": the ions run and
// the options that decide the results.
Message RunText(const ImplantArguments& o, const ImplantResult& r) {
    Message run = Sentence(PhysicsText::SummaryIonsRun, {Value(std::to_string(r.ionsRun)),
                                                         Value(std::to_string(r.ionsRequested))});
    if (r.cancelled) run = Sentence(PhysicsText::SummaryInterrupted, {std::move(run)});
    run = Sentence(PhysicsText::SummaryRunOptions,
                   {std::move(run), Value(std::to_string(o.seed)), Value(Num(o.cutoff)),
                    Value(StoppingModelName(o.model))});
    if (!o.straggling) run = Sentence(PhysicsText::SummaryStragglingOff, {std::move(run)});
    return run;
}

}  // namespace

void PrintImplantSummary(std::ostream& out, const ImplantArguments& o, const ImplantCommandStack& s,
                         const ImplantResult& r, const char* lead) {
    auto line = [&](ImplantLabel label, const std::string& value,
                    const std::vector<std::string>& labelValues = {}) {
        out << lead << FillPlaceholders(LabelOf(label), labelValues) << ": " << value << "\n";
    };
    using L = ImplantLabel;
    line(L::Ion,
         Words(Sentence(PhysicsText::SummaryIon, {Value(s.ion.symbol), Value(Num(s.ion.mass)),
                                                  Value(Num(s.energy)), Value(Num(o.angle))})));
    Message layers;
    for (std::size_t k = 0; k < s.names.size(); ++k) {
        Message layer = Sentence(PhysicsText::SummaryLayer,
                                 {Value(s.names[k]), Value(Num(s.layers[k].thickness))});
        layers = k == 0 ? std::move(layer)
                        : Sentence(PhysicsText::Joined, {std::move(layers), std::move(layer)});
    }
    line(L::Layers, Words(layers));
    line(L::Ions, Words(RunText(o, r)));
    line(L::Recoils, Words(Sentence(PhysicsText::SummaryRecoilsNotFollowed)));
    line(L::Stopped, std::to_string(r.stopped));
    line(L::Backscattered, Percent(r.backscatteredFraction));
    line(L::Transmitted, Percent(r.transmittedFraction));
    line(L::ProjectedRange, WithError(r.projectedRange, "nm"));
    line(L::Straggle, WithError(r.straggle, "nm"));
    line(L::Skewness, Num(r.skewness));
    line(L::Kurtosis, Num(r.kurtosis));
    line(L::LateralSpread, WithError(r.lateralSpread, "nm"));
    line(L::RadialRange, WithError(r.radialRange, "nm"));
    line(L::PathLength, WithError(r.pathLength, "nm"));
    for (std::size_t k = 0; k < s.names.size(); ++k)
        line(L::StoppedInLayer, std::to_string(r.stoppedPerLayer[k]),
             {std::to_string(k + 1), s.names[k]});
    if (r.backscattered > 0) {
        line(L::BackscatteredEnergy, WithError(r.backscatteredEnergy, "keV"));
        line(L::BackscatteredEnergySpread, WithError(r.backscatteredEnergySpread, "keV"));
        line(L::BackscatteredAngle, WithError(r.backscatteredAngle, "deg"));
    }
    if (r.transmitted > 0) {
        line(L::TransmittedEnergy, WithError(r.transmittedEnergy, "keV"));
        line(L::TransmittedEnergySpread, WithError(r.transmittedEnergySpread, "keV"));
        line(L::TransmittedAngle, WithError(r.transmittedAngle, "deg"));
    }
    line(L::EnergyToElectrons, WithError({r.electronicEnergy, r.electronicEnergyError}, "keV"));
    line(L::EnergyToNuclei, WithError({r.nuclearEnergy, r.nuclearEnergyError}, "keV"));
    line(L::DisplacementsPerIon,
         Num(r.displacementsPerIon.mean) + " +- " + Num(r.displacementsPerIon.error),
         {DisplacementText(s.displacement)});
    line(L::CollisionsPerIon, Num(r.collisionsPerIon) + " +- " + Num(r.collisionsPerIonError));
    if (r.beyondDepthRange > 0) line(L::StoppedBeyondHistogram, std::to_string(r.beyondDepthRange));
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
