#pragma once
// Count, mean and central moment sums M2, M3, M4 of a sample, merged pairwise by the formulas
// of Pebay (Sandia report SAND2008-6212, 2008): a sum taken block by block in a fixed order
// gives the same bits however the blocks were computed, and the central form keeps the
// straggle of fast ions (a few per cent of the range) free of cancellation.

#include <cstdint>

namespace fenra {

struct Moments {
    double n = 0, mean = 0, m2 = 0, m3 = 0, m4 = 0;

    void Add(double x);
    void Merge(const Moments& b);

    double Variance() const { return n > 0 ? m2 / n : 0; }  // of the sample, 1/n
    double StandardDeviation() const;
    double StandardError() const;           // of the mean
    double StandardDeviationError() const;  // of the standard deviation, from m4
    double Skewness() const;
    double Kurtosis() const;  // 3 for a normal distribution
};

}  // namespace fenra
