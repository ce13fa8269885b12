#pragma once
// What the Bethe formula needs of each element Z = 1..92 besides its atomic number: the mean
// excitation energy I and Sternheimer's density-effect parameters for the element in its
// natural state (gas or condensed). Values: data/bethe_elements.csv, sources in
// data/SOURCES.md (I: ICRU Reports 37 and 49, the values of the NIST PSTAR/ASTAR tables;
// density effect: Sternheimer, Berger and Seltzer, At. Data Nucl. Data Tables 30 (1984) 261).

namespace fenra {

// Parameters of Sternheimer's density-effect formula (see DensityEffect.h). X = log10(beta
// gamma); Cbar is the table's -C, written positive.
struct SternheimerParameters {
    double X0 = 0, X1 = 0, a = 0, m = 0, Cbar = 0, delta0 = 0;
};

struct BetheElement {
    int Z = 0;
    double meanExcitation = 0;  // eV
    bool gas = false;           // the density-effect parameters are those of the gas at STP
    SternheimerParameters density;
};

constexpr int kBetheElementCount = 92;

// The element of atomic number Z, or nullptr outside 1..92.
const BetheElement* FindBetheElement(int Z);

}  // namespace fenra
