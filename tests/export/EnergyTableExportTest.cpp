// The energy table as CSV: fenra32-calc's column names, nine significant digits, CR LF, empty
// cells for what is not known and for a row that failed.

#include <gtest/gtest.h>

#include "export/EnergyTableExport.h"

namespace fenra {
namespace {

EnergyTableRow Row(double energy, double electronic, double nuclear, double range, double sigma,
                   double um) {
    EnergyTableRow r;
    r.energy = energy;
    r.stopping.electronic = static_cast<float>(electronic);
    r.stopping.nuclear = nuclear;
    r.stopping.total = r.stopping.electronic + nuclear;  // the Single, as StoppingAt adds it
    r.range = range;
    r.rangeMgCm2 = range / 1000;
    r.rangeUm = um;
    r.sigma = sigma;
    r.sigmaMgCm2 = sigma / 1000;
    r.sigmaUm = um / 10;
    return r;
}

TEST(EnergyTableExport, SmallTableByteForByte) {
    std::vector<EnergyTableRow> rows = {
        Row(100, 50.5, 1.25, 2000, 123.456789012, 4), Row(1234.56789012, 1e-5, 0, 1e9, 2.5e8, 1e6),
        // No density: no lengths; no straggling.
        Row(2e4, 10, 0.125, 3, EnergyTableRow::kUnknown, EnergyTableRow::kUnknown)};
    EnergyTableRow failed;
    failed.energy = 0.5;
    failed.range = 7;  // a failed row shows none of what it may hold
    failed.error = Value("the stopping is not finite");
    rows.push_back(failed);
    EXPECT_EQ(EnergyTableCsvText(rows),
              "energy_keV,electronic_eV_e15,nuclear_eV_e15,total_eV_e15,range_e15,range_mg_cm2,"
              "range_um,range_sigma_e15,range_sigma_mg_cm2,range_sigma_um\r\n"
              "100,50.5,1.25,51.75,2000,2,4,123.456789,0.123456789,0.4\r\n"
              "1234.56789,9.99999975e-06,0,9.99999975e-06,1e+09,1000000,1000000,250000000,"
              "250000,100000\r\n"
              "20000,10,0.125,10.125,3,0.003,,,,\r\n"
              "0.5,,,,,,,,,\r\n");
}

TEST(EnergyTableExport, EmptyTableIsTheHeader) {
    EXPECT_EQ(EnergyTableCsvText({}), std::string(kEnergyTableCsvHeader) + "\r\n");
}

}  // namespace
}  // namespace fenra
