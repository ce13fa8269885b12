// The names of what an ion paths run gives: each label is its row, word for word, and the key the
// Python dict and the CSV files use is the label with '_' for each space unless the row names
// its own.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "messages/ImplantLabels.h"
#include "messages/Message.h"

namespace fenra {
namespace {

struct LabelCase {
    ImplantLabel id;
    const char* label;
    const char* key;
};

class ImplantLabelTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(ImplantLabelTest, SaysItsLabelAndKey) {
    const LabelCase& c = GetParam();
    ASSERT_NE(LabelOf(c.id), nullptr);
    EXPECT_STREQ(LabelOf(c.id), c.label);
    EXPECT_EQ(KeyOf(c.id), c.key);
}

constexpr LabelCase kLabels[] = {
    {ImplantLabel::Ion, "ion", "ion"},
    {ImplantLabel::Layers, "layers", "layers"},
    {ImplantLabel::Ions, "ions", "ions"},
    {ImplantLabel::Recoils, "recoils", "recoils_followed"},
    {ImplantLabel::Stopped, "stopped", "stopped"},
    {ImplantLabel::Backscattered, "backscattered", "backscattered_fraction"},
    {ImplantLabel::Transmitted, "transmitted", "transmitted_fraction"},
    {ImplantLabel::ProjectedRange, "projected range", "projected_range"},
    {ImplantLabel::Straggle, "straggle", "straggle"},
    {ImplantLabel::Skewness, "skewness", "skewness"},
    {ImplantLabel::Kurtosis, "kurtosis", "kurtosis"},
    {ImplantLabel::LateralSpread, "lateral spread", "lateral_spread"},
    {ImplantLabel::RadialRange, "radial range", "radial_range"},
    {ImplantLabel::PathLength, "path length", "path_length"},
    {ImplantLabel::StoppedInLayer, "stopped in layer %1 (%2)", "stopped_per_layer"},
    {ImplantLabel::BackscatteredEnergy, "backscattered energy", "backscattered_energy"},
    {ImplantLabel::BackscatteredEnergySpread, "backscattered energy spread",
     "backscattered_energy_spread"},
    {ImplantLabel::BackscatteredAngle, "backscattered angle", "backscattered_angle"},
    {ImplantLabel::TransmittedEnergy, "transmitted energy", "transmitted_energy"},
    {ImplantLabel::TransmittedEnergySpread, "transmitted energy spread",
     "transmitted_energy_spread"},
    {ImplantLabel::TransmittedAngle, "transmitted angle", "transmitted_angle"},
    {ImplantLabel::EnergyToElectrons, "energy per ion to electrons", "electronic_energy"},
    {ImplantLabel::EnergyToNuclei, "energy per ion to nuclei", "nuclear_energy"},
    {ImplantLabel::DisplacementsPerIon, "displacements per ion (Kinchin-Pease, %1)",
     "displacements_per_ion"},
    {ImplantLabel::CollisionsPerIon, "collisions per ion", "collisions_per_ion"},
    {ImplantLabel::StoppedBeyondHistogram, "stopped beyond the histogram",
     "stopped_beyond_the_histogram"},
};

INSTANTIATE_TEST_SUITE_P(Table, ImplantLabelTest, ::testing::ValuesIn(kLabels));

TEST(ImplantLabels, EveryLabelIsInTheTableOnceWithAKeyOfItsOwn) {
    ASSERT_EQ(std::size(kLabels), static_cast<std::size_t>(ImplantLabel::Count));
    std::set<std::string> labels, keys;
    for (int k = 0; k < static_cast<int>(ImplantLabel::Count); ++k) {
        const auto id = static_cast<ImplantLabel>(k);
        ASSERT_NE(LabelOf(id), nullptr) << k;
        EXPECT_TRUE(labels.insert(LabelOf(id)).second) << LabelOf(id);
        EXPECT_TRUE(keys.insert(KeyOf(id)).second) << KeyOf(id);
        EXPECT_EQ(KeyOf(id).find(' '), std::string::npos) << KeyOf(id);
    }
    EXPECT_EQ(LabelOf(ImplantLabel::Count), nullptr);
    EXPECT_EQ(KeyOf(ImplantLabel::Count), "");
}

TEST(ImplantLabels, FillTheirValuesAsTheSummaryDoes) {
    EXPECT_EQ(FillPlaceholders(LabelOf(ImplantLabel::StoppedInLayer), {"2", "SiO2%1"}),
              "stopped in layer 2 (SiO2%1)");
    EXPECT_EQ(FillPlaceholders(LabelOf(ImplantLabel::DisplacementsPerIon), {"Ed 25 eV"}),
              "displacements per ion (Kinchin-Pease, Ed 25 eV)");
}

}  // namespace
}  // namespace fenra
