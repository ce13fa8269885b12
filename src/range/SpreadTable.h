#pragma once
// The integrals behind the spreads of an ion in a material, on the nodes of its range table
// (RangeTable.h), so that a layer costs two look-ups:
//  - energy-loss straggling: Q(E) = integral from 0 to E of (dOmega^2/dx) / S^3 dE', the range
//    straggling variance; a layer from E_in to E_out leaves
//    sigma_E^2 = S(E_out)^2 [sigma_in^2 / S(E_in)^2 + Q(E_in) - Q(E_out)]
//    (the standard propagation of the variance with the stopping's energy dependence);
//  - multiple scattering: the Fermi-Eyges moments of the scattering power T(E) over a layer,
//    from the integrand T/S between the nodes and the range table's R(E) as the depth;
//  - the mean equilibrium charge at an energy.
// Between nodes each integrand is the cubic through its values at the four Gauss-Lobatto
// points of the interval, with S from the range table's interpolation (within about 1e-6 of
// the stopping). The variance gained below the table's start (0.01 keV/u) is left out.
//
// The nodes are worked out from the bottom up, as far as a request reaches (Locate): a beam of
// a few MeV needs about half of a table that runs to 10 GeV/u. Each node is the same whatever
// order the requests come in, since Q sums the intervals from the bottom in one order.
//
// Units: energies keV; depths 1E15 atoms/cm2; Q in (1E15 atoms/cm2)^2; angles rad.
// A node never changes once it is worked out, and nodes are added under a lock: a table can be
// read from several threads at once.

#include <atomic>
#include <memory>
#include <mutex>
#include <new>
#include <type_traits>
#include <vector>

#include "physics/ChargeState.h"
#include "physics/Scattering.h"
#include "physics/Straggling.h"
#include "range/RangeTable.h"

namespace fenra {

// What the spread formulas need of a target, resolved once.
struct SpreadMaterial {
    int Z1 = 0;
    double mass = 0;                     // amu
    std::vector<ElementShare> elements;  // atomic numbers and ratios
    double meanZ = 0;                    // ratio-weighted atomic number
    double inverseX0 = 0;                // 1/X0 per atom, per 1E15 atoms/cm2
    ChargeMedium medium = ChargeMedium::Solid;
    ChargeFit charge;  // of Z1 in a target of meanZ and this medium
};

SpreadMaterial SpreadMaterialOf(const Target& t);

// d(Omega^2)/dx of the ion at E (keV): eV^2 per 1E15 atoms/cm2, with its equilibrium <q^2>.
double StragglingPerAtom(const SpreadMaterial& m, double E);

// The scattering power at E: rad^2 per 1E15 atoms/cm2.
double ScatteringPowerAt(const SpreadMaterial& m, double E);

ChargeState ChargeAt(const SpreadMaterial& m, double E);

class SpreadTable {
  public:
    SpreadTable(const Target& t, std::shared_ptr<const RangeTable> range);
    SpreadTable(const SpreadTable&) = delete;
    SpreadTable& operator=(const SpreadTable&) = delete;

    const RangeTable& Ranges() const { return *range_; }
    const SpreadMaterial& Material() const { return material_; }

    // Energies (keV) the table covers: [LowEnergy, HighEnergy).
    bool Covers(double E) const { return E >= range_->LowEnergy() && E < range_->HighEnergy(); }

    // An energy the table covers with the interval holding it: found once, then read by every
    // quantity below at that energy and at any lower Point (the nodes up to it are worked out).
    struct Point {
        double E = 0;  // keV
        std::size_t interval = 0;
        double s = 0;  // (E - e0) / (e1 - e0) on the interval, 0..1
    };
    Point Locate(double E) const;  // Covers(E)

    // Q(E) in (1E15 atoms/cm2)^2: the range straggling variance of an ion of energy E.
    double VarianceIntegral(double E) const;

    // Q(high) - Q(low), low <= high, without the rounding of the difference of two large values.
    double VarianceBetween(double low, double high) const;
    double VarianceBetween(const Point& low, const Point& high) const;

    // The stopping the table uses at E, eV/(1E15 atoms/cm2): 1000 / (dR/dE).
    double Stopping(double E) const { return Stopping(Locate(E)); }
    double Stopping(const Point& p) const;

    // The scattering of the path from `high` down to `low` (keV, low <= high): thickness and
    // moments measured back from the point where the ion has `low`, in 1E15 atoms/cm2.
    ScatteringSlab Scattering(double low, double high) const;
    ScatteringSlab Scattering(const Point& low, const Point& high) const;

    // Mean equilibrium charge at E.
    double MeanCharge(double E) const;
    double MeanCharge(const Point& p) const;

  private:
    struct Cubic {
        double c[4] = {0, 0, 0, 0};  // c0 + c1 s + c2 s^2 + c3 s^3, s = (E - e0) / h
    };
    struct Node {
        Cubic variance;       // 1000 (dOmega^2/dx) / S^3, (1E15 atoms/cm2)^2 per keV
        Cubic scattering;     // 1000 T / S, rad^2 per keV
        Cubic charge;         // mean charge
        double q0 = 0;        // Q at the interval's start
        ScatteringSlab slab;  // the whole interval
    };

    // The values of the three integrands at one energy, kept from an interval's end for the
    // next one's start.
    struct Integrands {
        double E = -1;  // keV; -1 before the first
        double omega = 0, power = 0, charge = 0;
    };

    // Makes the nodes of intervals 0..i readable.
    void Need(std::size_t i) const {
        if (i >= built_.load(std::memory_order_acquire)) Grow(i);
    }
    void Grow(std::size_t i) const;
    void BuildNode(std::size_t i, Integrands* last) const;  // with growing_ held
    ScatteringSlab Part(std::size_t i, double s0, double s1) const;
    double Fraction(std::size_t i, double E) const;
    double VarianceBelow(const Point& p) const;  // Q(p.E)

    std::shared_ptr<const RangeTable> range_;
    SpreadMaterial material_;
    // One slot per interval of the range table, allocated once so that readers of built nodes
    // never see them move; the node of an interval is constructed in its slot when it is worked
    // out (those below built_).
    using NodeSlot = std::aligned_storage_t<sizeof(Node), alignof(Node)>;
    static_assert(std::is_trivially_destructible_v<Node>);
    std::unique_ptr<NodeSlot[]> slots_;
    std::size_t nodeCount_ = 0;
    const Node& NodeAt(std::size_t i) const {
        return *std::launder(reinterpret_cast<const Node*>(&slots_[i]));
    }
    // The slabs of kBlock intervals in a row (block b: intervals kBlock b .. kBlock b + kBlock-1),
    // so that a thick layer chains a few blocks instead of every interval; those whose
    // intervals are all below built_ are worked out.
    static constexpr std::size_t kBlock = 8;
    mutable std::vector<ScatteringSlab> blocks_;
    mutable std::atomic<std::size_t> built_{0};  // a multiple of kBlock, or every interval
    mutable std::mutex growing_;
    mutable double qBuilt_ = 0;  // Q at the end of the last built interval, with growing_ held
};

}  // namespace fenra
