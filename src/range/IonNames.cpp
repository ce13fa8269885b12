#include "range/IonNames.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>

namespace fenra {

namespace {

struct IsotopeRow {
    int Z, A;
    double mass;  // amu
};

// Ordered by Z, then A.
constexpr IsotopeRow kIsotopes[] = {
#include "IsotopeMassTable.inc"
};

struct Particle {
    const char* name;
    int Z, A;
};
constexpr Particle kParticles[] = {
    {"p", 1, 1}, {"proton", 1, 1}, {"d", 1, 2},      {"deuteron", 1, 2},
    {"t", 1, 3}, {"triton", 1, 3}, {"helion", 2, 3}, {"alpha", 2, 4},
};

// The largest mass number read: no nucleus has 300 nucleons, and three digits keep the number
// from overflowing.
constexpr int kMaxMassNumberDigits = 3;

bool Before(const IsotopeRow& r, std::pair<int, int> za) {
    return r.Z < za.first || (r.Z == za.first && r.A < za.second);
}

}  // namespace

std::optional<double> IsotopeMass(int Z, int A) {
    const auto it =
        std::lower_bound(std::begin(kIsotopes), std::end(kIsotopes), std::make_pair(Z, A), Before);
    if (it == std::end(kIsotopes) || it->Z != Z || it->A != A) return std::nullopt;
    return it->mass;
}

MassNumberRange MassNumbersOf(int Z) {
    MassNumberRange r;
    for (const IsotopeRow& row : kIsotopes) {
        if (row.Z != Z) continue;
        if (r.lowest == 0) r.lowest = row.A;
        r.highest = row.A;
    }
    return r;
}

std::optional<IsotopeName> ParticleNamed(std::string_view text) {
    for (const Particle& p : kParticles)
        if (text == p.name) return IsotopeName{p.Z, p.A, IsotopeMass(p.Z, p.A).value_or(0)};
    return std::nullopt;
}

bool SplitMassNumber(std::string_view text, int* A, std::string_view* symbol) {
    std::size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
    if (digits == 0 || digits > kMaxMassNumberDigits || digits == text.size()) return false;
    for (std::size_t k = digits; k < text.size(); ++k)
        if (!std::isalpha(static_cast<unsigned char>(text[k]))) return false;
    std::from_chars(text.data(), text.data() + digits, *A);
    *symbol = text.substr(digits);
    return *A >= 1;
}

}  // namespace fenra
