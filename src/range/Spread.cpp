#include "range/Spread.h"

#include <cmath>

namespace fenra {

namespace {

constexpr double kKeV2PerEv2 = 1e-6;
constexpr double kUmPerCm = 1e4;
constexpr double kAtomsPerE15 = 1e15;

// The beam between layers: its energy variance (keV^2) and its transverse spread (um).
struct Beam {
    double energyVariance = 0;
    BeamSpread spread;
    bool lateralKnown = true;
};

// A slab measured in 1E15 atoms/cm2 as lengths in um.
ScatteringSlab InMicrometres(const ScatteringSlab& s, double umPerE15) {
    return {s.thickness * umPerE15, s.m0, s.m1 * umPerE15, s.m2 * umPerE15 * umPerE15};
}

void Scatter(Beam* beam, const Target& t, const ScatteringSlab& slab) {
    if (beam->lateralKnown && t.atomsPerCm3 > 0) {
        beam->spread =
            Through(beam->spread, InMicrometres(slab, kAtomsPerE15 / t.atomsPerCm3 * kUmPerCm));
    } else {
        beam->lateralKnown = false;
        beam->spread.angle2 += slab.m0;
    }
}

// The lateral spread where the ion stops: the scattering down to kSpreadLowEnergy, then the
// rest of its path without (the formulas do not hold there; it is a short way).
LayerSpread Stop(Beam* beam, const Target& t, const SpreadTable& table, double energyIn) {
    const double cutoff = std::max(kSpreadLowEnergy * t.ion.mass, table.Ranges().LowEnergy());
    ScatteringSlab slab = table.Scattering(cutoff, energyIn);
    const double rest = table.Ranges().Range(std::min(cutoff, energyIn));
    slab = Follow(slab, ScatteringSlab{rest, 0, 0, 0});
    Scatter(beam, t, slab);
    LayerSpread s;
    if (beam->lateralKnown) s.lateralSigma = std::sqrt(beam->spread.lateral2);
    // An ion that enters this slow is scattered outside the formulas' validity all its way.
    s.outOfValidity = energyIn < kSpreadLowEnergy * t.ion.mass;
    return s;
}

LayerSpread Pass(Beam* beam, const Target& t, const SpreadTable& table, const LayerResult& r) {
    LayerSpread s;
    if (!table.Covers(r.energyIn) || (!r.stopped && !table.Covers(r.energyOut))) {
        beam->lateralKnown = false;
        beam->energyVariance = std::nan("");
        s.outOfValidity = true;
        return s;
    }
    if (r.stopped) return Stop(beam, t, table, r.energyIn);
    const SpreadTable::Point in = table.Locate(r.energyIn), out = table.Locate(r.energyOut);
    const double sIn = table.Stopping(in), sOut = table.Stopping(out);
    const double gained = table.VarianceBetween(out, in);
    beam->energyVariance =
        sOut * sOut * (beam->energyVariance / (sIn * sIn) + gained * kKeV2PerEv2);
    Scatter(beam, t, table.Scattering(out, in));
    s.energySigma = std::sqrt(beam->energyVariance);
    s.angleSigma = std::sqrt(beam->spread.angle2);
    if (beam->lateralKnown) s.lateralSigma = std::sqrt(beam->spread.lateral2);
    s.chargeMean = table.MeanCharge(out);
    s.outOfValidity = r.energyOut < kSpreadLowEnergy * t.ion.mass ||
                      r.energyOut < kNearlyStoppedFraction * r.energyIn ||
                      s.angleSigma > kSmallAngleLimit;
    return s;
}

}  // namespace

StackResult EnergyAfterStackWithSpreads(const std::vector<Layer>& stack, double energyIn,
                                        std::vector<LayerSpread>* spreads, RangeCache& cache) {
    spreads->clear();
    spreads->reserve(stack.size());
    Beam beam;
    return WalkStack(stack, energyIn, [&](const Layer& l, double E) {
        return cache.UseSpread(l.target, [&](const SpreadTable& table) {
            const LayerResult r = PassLayer(l.target, table.Ranges(), E, l.thickness);
            spreads->push_back(Pass(&beam, l.target, table, r));
            return r;
        });
    });
}

StackResult EnergyBeforeStackWithSpreads(const std::vector<Layer>& stack, double energyOut,
                                         std::vector<LayerSpread>* spreads, RangeCache& cache) {
    spreads->clear();
    StackResult path = EnergyBeforeStack(stack, energyOut, cache);
    // The spreads grow from the front: the path found from the back, walked forward.
    spreads->reserve(path.layers.size());
    Beam beam;
    for (std::size_t k = 0; k < path.layers.size(); ++k) {
        const Target& t = stack[k].target;
        spreads->push_back(cache.UseSpread(
            t, [&](const SpreadTable& table) { return Pass(&beam, t, table, path.layers[k]); }));
    }
    return path;
}

double EnergySigmaWithin(const Target& t, double energyIn, double sigmaIn, double energy,
                         RangeCache& cache) {
    return cache.UseSpread(t, [&](const SpreadTable& table) {
        if (!table.Covers(energyIn) || !table.Covers(energy) || !(energy <= energyIn))
            return LayerSpread::kUnknown;
        const double sIn = table.Stopping(energyIn), s = table.Stopping(energy);
        const double variance = s * s *
                                (sigmaIn * sigmaIn / (sIn * sIn) +
                                 table.VarianceBetween(energy, energyIn) * kKeV2PerEv2);
        return std::sqrt(variance);
    });
}

RangeSpread RangeStraggling(const Target& t, double E, RangeCache& cache) {
    RangeSpread s;
    s.range = Range(t, E, cache).range;
    s.sigma = cache.UseSpread(
        t, [E](const SpreadTable& table) { return std::sqrt(table.VarianceIntegral(E)); });
    s.outOfValidity = E < kSpreadLowEnergy * t.ion.mass || !std::isfinite(s.sigma);
    return s;
}

Message SpreadValiditySentence(Message what) {
    return Sentence(PhysicsText::SpreadsOutsideValidity, {std::move(what)});
}

std::string SpreadValidityWarning(const std::string& what) {
    return Words(SpreadValiditySentence(Value(what)));
}

}  // namespace fenra
