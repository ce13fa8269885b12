#pragma once
// Multiple Coulomb scattering in the Gaussian approximation: the scattering power
// T = d<theta^2>/dx (plane-projected angle) and its accumulation through matter with the
// lateral displacement (Fermi-Eyges moments). Pure functions, double.
//
// Scattering power in the Fermi-Rossi form T = (z E_s / pv)^2 / X0 (B. Rossi, K. Greisen, Rev.
// Mod. Phys. 13 (1941) 240) with E_s = 15.0 MeV, the value B. Gottschalk recommends for it
// (Med. Phys. 37 (2010) 352, arXiv:0908.1413). It is local (a function of the ion and material
// at the point), so the angle of a layer split in two is that of the whole layer. z is the
// ion's atomic number: the ion scatters on the target nuclei at impact parameters well inside
// its own electrons.
//
// Radiation length X0 of an element (Y.S. Tsai, Rev. Mod. Phys. 46 (1974) 815; Particle Data
// Group, Review of Particle Physics, "Passage of particles through matter", eq. 34.26):
// 1/X0 = 4 alpha r_e^2 N_A/A {Z^2 [L_rad - f(Z)] + Z L'_rad}, written as
// X0 = 716.408 g/cm2 A / {Z^2 [L_rad - f(Z)] + Z L'_rad}; L_rad = ln(184.15 Z^-1/3),
// L'_rad = ln(1194 Z^-2/3) for Z > 4, Tsai's values for Z = 1..4; the Coulomb correction
// f(Z) = a^2 [1/(1 + a^2) + 0.20206 - 0.0369 a^2 + 0.0083 a^4 - 0.002 a^6], a = alpha Z.
// Compounds by Bragg's rule on 1/X0 per atom.

namespace fenra {

constexpr double kScatteringEs = 15.0;  // MeV

// 716.408 g/cm2 * N_A / 1e15: the radiation-length constant per atom, in 1E15 atoms/cm2.
constexpr double kRadiationLengthPerE15 = 431430981759.008;

// 1/X0 of one atom of element Z, per 1E15 atoms/cm2.
double InverseRadiationLengthPerAtom(int Z);

// Scattering power of an ion of atomic number z with p v in MeV, in a material whose 1/X0 per
// atom is inverseX0: rad^2 per 1E15 atoms/cm2.
double ScatteringPower(int z, double pvMeV, double inverseX0);

// What a slab adds to a beam, with distances measured back from its exit face: the angle
// variance m0 = integral of T dx, m1 = integral of (exit - x) T dx, m2 = integral of
// (exit - x)^2 T dx, over its thickness. Units are the caller's (areal or length).
struct ScatteringSlab {
    double thickness = 0;
    double m0 = 0, m1 = 0, m2 = 0;
};

// The slab made of `first` followed by `second` (inline: the tables chain many).
inline ScatteringSlab Follow(const ScatteringSlab& first, const ScatteringSlab& second) {
    const double t = second.thickness;
    return {first.thickness + t, first.m0 + second.m0, first.m1 + t * first.m0 + second.m1,
            first.m2 + 2 * t * first.m1 + t * t * first.m0 + second.m2};
}

// The spread of a beam in one transverse plane: angle variance (rad^2), angle-position
// covariance and position variance (length units of the slabs).
struct BeamSpread {
    double angle2 = 0, covariance = 0, lateral2 = 0;
};

// The beam behind a slab (Fermi-Eyges: a drift over the thickness plus the slab's scattering).
BeamSpread Through(const BeamSpread& in, const ScatteringSlab& slab);

}  // namespace fenra
