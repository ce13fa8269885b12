// The stopping models by name: the names a command line or a script gives, each model found
// back from its own name, and the list the refusals of an unknown name print.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "physics/StoppingModel.h"

namespace fenra {
namespace {

TEST(StoppingModelNames, EveryModelIsFoundByItsName) {
    int models = 0;
    for (int k = 0; *StoppingModelName(static_cast<StoppingModel>(k)); ++k, ++models) {
        const auto model = static_cast<StoppingModel>(k);
        EXPECT_EQ(StoppingModelNamed(StoppingModelName(model)), std::optional<StoppingModel>(model))
            << StoppingModelName(model);
    }
    EXPECT_GE(models, 1);
    EXPECT_EQ(StoppingModelNamed("classic"), std::optional<StoppingModel>(StoppingModel::classic));
    // The default first, as the refusals list them.
    EXPECT_EQ(StoppingModelNames(), (std::vector<std::string>{"classic", "modern"}));
}

class UnknownModelName : public ::testing::TestWithParam<const char*> {};

TEST_P(UnknownModelName, IsNoModel) {
    EXPECT_EQ(StoppingModelNamed(GetParam()), std::nullopt);
}

// Case, blanks and an empty name are not forgiven: a name is typed as listed.
INSTANTIATE_TEST_SUITE_P(Table, UnknownModelName,
                         ::testing::Values("", "Classic", " classic", "classic ", "Modern",
                                           "classic2"));

}  // namespace
}  // namespace fenra
