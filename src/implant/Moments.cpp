#include "implant/Moments.h"

#include <algorithm>
#include <cmath>

namespace fenra {

void Moments::Add(double x) {
    Moments one;
    one.n = 1;
    one.mean = x;
    Merge(one);
}

void Moments::Merge(const Moments& b) {
    if (b.n == 0) return;
    if (n == 0) {
        *this = b;
        return;
    }
    const double na = n, nb = b.n, total = na + nb;
    const double d = b.mean - mean;
    const double d2 = d * d;
    const double ab = na * nb;
    const double m4New = m4 + b.m4 +
                         d2 * d2 * ab * (na * na - ab + nb * nb) / (total * total * total) +
                         6 * d2 * (na * na * b.m2 + nb * nb * m2) / (total * total) +
                         4 * d * (na * b.m3 - nb * m3) / total;
    const double m3New = m3 + b.m3 + d2 * d * ab * (na - nb) / (total * total) +
                         3 * d * (na * b.m2 - nb * m2) / total;
    m2 += b.m2 + d2 * ab / total;
    m3 = m3New;
    m4 = m4New;
    mean += d * nb / total;
    n = total;
}

double Moments::StandardDeviation() const {
    return std::sqrt(Variance());
}

double Moments::StandardError() const {
    return n > 1 ? std::sqrt(m2 / (n - 1) / n) : 0;
}

double Moments::StandardDeviationError() const {
    // Var(s) = (mu4 - mu2^2) / (4 mu2 n) to first order in 1/n.
    if (!(n > 1) || !(m2 > 0)) return 0;
    const double mu2 = m2 / n, mu4 = m4 / n;
    return std::sqrt(std::max(0.0, mu4 - mu2 * mu2) / (4 * mu2 * n));
}

double Moments::Skewness() const {
    return m2 > 0 ? std::sqrt(n) * m3 / std::pow(m2, 1.5) : 0;
}

double Moments::Kurtosis() const {
    return m2 > 0 ? n * m4 / (m2 * m2) : 0;
}

}  // namespace fenra
