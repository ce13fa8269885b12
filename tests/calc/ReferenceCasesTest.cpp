// The 22 reference cases of tests/data/examples: every data set of reference.fta, shown and
// calculated as the Calculate command does, must give the four results of reference.values to
// the last digit of a Single (%.9g prints a Single so that it reads back to the same bits).

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "calc/CalcTestSupport.h"
#include "calc/CalculateDataSet.h"
#include "messages/OutcomeMessages.h"
#include "support/ReferenceTables.h"

namespace fenra {
namespace {

// Just enough of the target-file layout for these files: comment lines start with an
// apostrophe; ion, mass, energy and range are separated by blanks; the target text is symbol
// runs each followed by a number run.
std::vector<DataSet> ReadTargetLines() {
    std::vector<DataSet> sets;
    for (const std::string& line : test::ReferenceTargetLines()) {
        std::istringstream fields(line);
        std::string ion, mass, energy, range, target;
        fields >> ion >> mass >> energy >> range >> target;
        Target slots;
        for (std::size_t k = 0; k < target.size();) {
            std::string symbol, number;
            while (k < target.size() && std::isalpha(static_cast<unsigned char>(target[k])))
                symbol += target[k++];
            while (k < target.size() && !std::isalpha(static_cast<unsigned char>(target[k])))
                number += target[k++];
            slots.emplace_back(symbol, std::strtof(number.c_str(), nullptr));
        }
        DataSet d;
        SetDataSet(d, ion, std::strtof(mass.c_str(), nullptr), std::strtof(energy.c_str(), nullptr),
                   slots, std::strtof(range.c_str(), nullptr));
        sets.push_back(d);
    }
    return sets;
}

std::string Format(float v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(v));
    return buf;
}

TEST(ReferenceCases, EveryDataSetGivesTheReferenceResults) {
    const std::vector<DataSet> sets = ReadTargetLines();
    ASSERT_EQ(sets.size(), 22u);

    const std::vector<std::string> values = test::ReferenceValueLines();
    ASSERT_EQ(values.size(), sets.size() + 1);
    ASSERT_EQ(values[0], "set\tStopEvAtoms\tStopKevMg\tStopEvA\tStopKevUm");

    WorkingState s;
    s.DataSetCount = static_cast<int16_t>(sets.size());
    for (std::size_t k = 0; k < sets.size(); ++k) s.DataSets[static_cast<int>(k) + 1] = sets[k];

    for (int i = 1; i <= s.DataSetCount; ++i) {
        const std::string& line = values[static_cast<std::size_t>(i)];
        s.CurrentDataSet = static_cast<int16_t>(i);
        ApplyDataSetDisplay(s.DataSets[i], TestDatabase());
        const CalcResult r = CalculateDataSet(s.DataSets[i], TestDatabase());
        ASSERT_EQ(r.outcome, CalcOutcome::Calculated) << DescribeCalcResult(i, r);
        const DataSet& d = s.DataSets[i];
        const std::string got = std::to_string(i) + "\t" + Format(d.StopEvAtoms) + "\t" +
                                Format(d.StopKevMg) + "\t" + Format(d.StopEvA) + "\t" +
                                Format(d.StopKevUm);
        EXPECT_EQ(got, line) << d.IonName << " " << d.IonEnergy << " keV in " << d.TargetName;
    }
}

}  // namespace
}  // namespace fenra
