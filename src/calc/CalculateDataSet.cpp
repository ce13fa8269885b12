#include "calc/CalculateDataSet.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "elements/TargetElements.h"
#include "physics/ElectronicStopping.h"
#include "physics/FloatingPointCheck.h"
#include "physics/StopUnits.h"
#include "physics/Stopping.h"
#include "state/CompositionText.h"

namespace fenra {

namespace {

struct Results {
    float evAtoms = 0, kevMg = 0, evA = 0, kevUm = 0;
    bool Finite() const {
        return std::isfinite(evAtoms) && std::isfinite(kevMg) && std::isfinite(evA) &&
               std::isfinite(kevUm);
    }
};

CalcResult Outcome(CalcOutcome o, std::string symbol = {}) {
    CalcResult r;
    r.outcome = o;
    r.symbol = std::move(symbol);
    return r;
}

CalcResult Refusal(CalcOutcome o, float value, int slot = 0) {
    CalcResult r = Outcome(o);
    r.value = value;
    r.slot = slot;
    return r;
}

CalcResult MissingCoefficients(const ElementRecord& e, CoefficientTable table) {
    CalcResult r = Outcome(CalcOutcome::MissingCoefficients, e.Symbol);
    r.table = table;
    r.atomNum = e.AtomNum;
    return r;
}

// Bragg's rule with atomic ratios as weights: the stopping per atom is the ratio-weighted
// mean; the stopping per mass divides the ratio-weighted stopping per gram by the
// ratio-weighted mass.
Results CompoundResults(const DataSet& d, int n, const std::array<double, kMaxTargetSlots + 1>& S,
                        const std::array<TargetElementData, kMaxTargetSlots + 1>& t) {
    double W3 = 0, W4 = 0;
    for (int j = 1; j <= n; ++j) {
        const double r = d.TargetRatio[j];
        W3 = W3 + r * S[j] * kAvogadro * kMassStopFactor;
        // The two Singles multiplied in double precision: rounding this product to a Single
        // moves keV/(mg/cm2) of C10H8O4 in its 7th digit.
        W4 = W4 + static_cast<double>(d.TargetRatio[j]) * t[j].M;
    }
    Results res;
    res.evAtoms = static_cast<float>(BraggStopPerAtom(&d.TargetRatio[1], &S[1], n));
    res.kevMg = static_cast<float>(W3 / W4);
    return res;
}

}  // namespace

CalcResult CalculateDataSet(DataSet& d, const ElementDatabase& db) {
    if (d.ElementCount < 1) return Outcome(CalcOutcome::NoTargetElement);
    const int n = std::min<int>(d.ElementCount, kMaxTargetSlots);

    d.TargetName = CompositionText(d, CompositionEnd::CountedSlots);

    const ElementRecord* ion = db.FindElementBySymbol(d.IonName);
    if (!ion) return Outcome(CalcOutcome::UnknownIon, d.IonName);
    if (d.IonMass == 0) d.IonMass = ion->MAIW;

    std::array<TargetElementData, kMaxTargetSlots + 1> t{};
    std::array<const ElementRecord*, kMaxTargetSlots + 1> rec{};
    for (int j = 1; j <= n; ++j) {
        rec[j] = db.FindElementBySymbol(d.TargetElement[j]);
        if (!rec[j]) {
            CalcResult r = Outcome(CalcOutcome::UnknownElement, d.TargetElement[j]);
            r.slot = j;
            return r;
        }
        t[j] = TargetElementOf(*rec[j]);
        if (!ReadCoefficients(db, CoefficientTable::PCoef, &t[j]))
            return MissingCoefficients(*rec[j], CoefficientTable::PCoef);
    }

    // Everything from the energy per unit mass on is watched for floating-point faults: an
    // ion mass of 0, ratios adding up to 0, or a fault inside the stopping formulas.
    const FloatingPointCheck fp;
    const float E = d.IonEnergy / d.IonMass;  // keV/amu

    if (E >= kHighEnergyBound) {
        for (int j = 1; j <= n; ++j)
            if (!ReadCoefficients(db, CoefficientTable::HiCoef, &t[j]))
                return MissingCoefficients(*rec[j], CoefficientTable::HiCoef);
    }

    // The database passed its start-up check: every AtomNum is 1 or more. The designed
    // results are the classic model's.
    const StoppingIon stoppingIon{ion->AtomNum, ion->ScrnFac, d.IonMass};
    std::array<double, kMaxTargetSlots + 1> S{};
    for (int j = 1; j <= n; ++j) S[j] = ElementStop(stoppingIon, E, t[j], StoppingModel::classic);
    if (fp.Faulted()) return Refusal(CalcOutcome::FloatingPointFault, d.IonEnergy);

    Results res;
    if (n == 1) {
        // The ratio of a single element only says whether the target is there at all.
        if (d.TargetRatio[1] == 0) return Outcome(CalcOutcome::RatioZero);
        res.evAtoms = static_cast<float>(S[1]);
        const OtherStopUnits other = ConvertStopUnits(t[1].M, t[1].N, res.evAtoms);
        res.kevMg = other.KevMg;
        res.evA = other.EvA;
        res.kevUm = other.KevUm;
    } else {
        res = CompoundResults(d, n, S, t);
    }
    if (fp.Faulted() || !res.Finite()) return Refusal(CalcOutcome::FloatingPointFault, d.IonEnergy);

    d.StopEvAtoms = res.evAtoms;
    d.StopKevMg = res.kevMg;
    d.StopEvA = res.evA;
    d.StopKevUm = res.kevUm;
    d.Calculated = true;
    return Outcome(CalcOutcome::Calculated);
}

CalcResult CheckDataSetInputs(const DataSet& d) {
    if (!(d.IonEnergy > 0)) return Refusal(CalcOutcome::EnergyNotAboveZero, d.IonEnergy);
    if (d.IonMass < 0) return Refusal(CalcOutcome::MassBelowZero, d.IonMass);
    const int n = std::min<int>(d.ElementCount, kMaxTargetSlots);
    double sum = 0;
    for (int j = 1; j <= n; ++j) {
        if (d.TargetRatio[j] < 0) return Refusal(CalcOutcome::RatioBelowZero, d.TargetRatio[j], j);
        sum += d.TargetRatio[j];
    }
    // One element's ratio only says whether it is there (RatioZero); a compound needs weights.
    if (n > 1 && sum == 0) return Outcome(CalcOutcome::RatiosAddToZero);
    return Outcome(CalcOutcome::Calculated);
}

CalcResult CalculateCommand(DataSet& d, const ElementDatabase& db) {
    CalcResult r = CheckDataSetInputs(d);
    if (r.outcome == CalcOutcome::Calculated) r = CalculateDataSet(d, db);
    if (r.outcome != CalcOutcome::Calculated) ClearResults(d);
    return r;
}

}  // namespace fenra
