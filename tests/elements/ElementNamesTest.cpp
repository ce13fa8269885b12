#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "elements/ElementNames.h"

namespace fenra {
namespace {

// Every name is the one data/elements.csv gives its atomic number (columns AtomNum,Symbol,Name).
TEST(ElementNames, AreTheNamesOfTheElementData) {
    std::ifstream in(std::string(FENRA_SOURCE_DIR) + "/data/elements.csv");
    std::string line;
    std::getline(in, line);
    ASSERT_EQ(line.rfind("AtomNum,Symbol,Name,", 0), 0u) << line;
    int rows = 0;
    while (std::getline(in, line)) {
        std::stringstream cells(line);
        std::string z, symbol, name;
        std::getline(cells, z, ',');
        std::getline(cells, symbol, ',');
        std::getline(cells, name, ',');
        ++rows;
        EXPECT_EQ(std::stoi(z), rows) << line;
        EXPECT_EQ(ElementName(rows), name) << line;
    }
    EXPECT_EQ(rows, 92);
}

TEST(ElementNames, NoNameOutsideTheTable) {
    EXPECT_EQ(ElementName(14), "Silicon");
    EXPECT_EQ(ElementName(1), "Hydrogen");
    EXPECT_EQ(ElementName(92), "Uranium");
    EXPECT_TRUE(ElementName(0).empty());
    EXPECT_TRUE(ElementName(93).empty());
    EXPECT_TRUE(ElementName(-1).empty());
}

}  // namespace
}  // namespace fenra
