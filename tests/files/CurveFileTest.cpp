// The three curve data files, their headers, value lines and the kind chosen by a caption.

#include <gtest/gtest.h>

#include "files/CurveFile.h"
#include "files/FileTestSupport.h"
#include "messages/OutcomeMessages.h"

namespace fenra {
namespace {

constexpr int kN = 100;

// A proton of 1000 keV over 100000, stopping values 1000 + i and energies 2000 + i, so every
// line shows which point it came from.
CurveSnapshot ProtonCurve() {
    CurveSnapshot c;
    c.ionName = "H";
    c.ionMass = 1.008f;
    c.ionEnergy = 1000;
    c.range = 100000;
    for (int i = 0; i <= kN; ++i) {
        c.stop.push_back(1000.0f + i);
        c.energy.push_back(2000.0f + i);
    }
    return c;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string::npos;
         end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

const std::string kDepthHeaderAfterTitle =
    "\r\n"
    "Ion : H\r\n"
    "Mass of ion : 1.008 \r\n"
    "Energy : 1000  keV\r\n"
    "Target :Si1\r\n"
    "Range : 100000 e15(atom/cm2)\r\n"
    "Slab thickness : 1000 e15(atom/cm2)\r\n"
    "\r\n";

TEST(CurveFileText, DepthStopHeaderAndValuesInPointOrder) {
    const std::string text = DepthStopCurveText(ProtonCurve(), "Si1", kN);
    const std::string header = "'Fenra32 Depth vs dE/dx curve data\r\n" + kDepthHeaderAfterTitle;
    ASSERT_EQ(text.substr(0, header.size()), header);
    const std::vector<std::string> lines = LinesOf(text);
    ASSERT_EQ(lines.size(), 110u);
    EXPECT_EQ(lines[9], "1000.");
    EXPECT_EQ(lines[10], "1001.");
    EXPECT_EQ(lines[109], "1100.");
}

TEST(CurveFileText, DepthEnergyTakesTheEnergies) {
    const std::string text = DepthEnergyCurveText(ProtonCurve(), "Si1", kN);
    const std::string header = "'Fenra32 Depth vs Energy curve data\r\n" + kDepthHeaderAfterTitle;
    ASSERT_EQ(text.substr(0, header.size()), header);
    const std::vector<std::string> lines = LinesOf(text);
    ASSERT_EQ(lines.size(), 110u);
    EXPECT_EQ(lines[9], "2000.");
    EXPECT_EQ(lines[109], "2100.");
}

TEST(CurveFileText, EnergyStopRunsFromTheLastPointToTheFirst) {
    const std::string text = EnergyStopCurveText(ProtonCurve(), "Si1", kN);
    const std::string header =
        "'Fenra32 Energy vs dE/dx curve data\r\n"
        "\r\n"
        "Ion : H\r\n"
        "Mass of ion : 1.008 \r\n"
        "Target :Si1\r\n"
        "Energy range : 0 - 1000  keV\r\n"
        "Slab energy : 10 keV\r\n"
        "\r\n";
    ASSERT_EQ(text.substr(0, header.size()), header);
    const std::vector<std::string> lines = LinesOf(text);
    ASSERT_EQ(lines.size(), 109u);
    EXPECT_EQ(lines[8], "1100.");
    EXPECT_EQ(lines[9], "1099.");
    EXPECT_EQ(lines[108], "1000.");
}

TEST(CurveFileText, ValueForms) {
    CurveSnapshot c = ProtonCurve();
    c.stop = {12.5f, .5f, 12, 0, -3, 1.23456f, 1195.96264f};
    const std::vector<std::string> lines = LinesOf(DepthStopCurveText(c, "Si1", 8));
    ASSERT_EQ(lines.size(), 18u);
    const std::vector<std::string> values(lines.begin() + 9, lines.end());
    // 1195.96264 is 1195.963 to the 7 digits of a Single, before the rounding to 4 decimals.
    EXPECT_EQ(values, (std::vector<std::string>{"12.5", ".5", "12.", " 0 ", " 0 ", "1.2346",
                                                "1195.963", " 0 ", " 0 "}))
        << "the last two points are past the end of the copy";
}

TEST(CurveFileText, HeaderNumbersInPrintForm) {
    CurveSnapshot c = ProtonCurve();
    c.ionName = "Fe";
    c.ionMass = 0.5f;
    c.ionEnergy = -1;  // never produced by a walk, but written as any number is
    c.range = 1;
    const std::vector<std::string> lines = LinesOf(DepthStopCurveText(c, "", 100));
    EXPECT_EQ(lines[2], "Ion : Fe");
    EXPECT_EQ(lines[3], "Mass of ion : .5 ");
    EXPECT_EQ(lines[4], "Energy :-1  keV");
    EXPECT_EQ(lines[5], "Target :");
    EXPECT_EQ(lines[6], "Range : 1 e15(atom/cm2)");
    EXPECT_EQ(lines[7], "Slab thickness : .01 e15(atom/cm2)");

    c.ionEnergy = 2;
    const std::vector<std::string> e = LinesOf(EnergyStopCurveText(c, "H2O1", 8));
    EXPECT_EQ(e[5], "Energy range : 0 - 2  keV");
    EXPECT_EQ(e[6], "Slab energy : .25 keV");
    EXPECT_EQ(e.size(), 8u + 9u);
}

TEST(SaveCurve, WritesTheLayoutOfItsKind) {
    const std::string path = test::ScratchPath("curve.Fcv");
    FileError fileError;
    ASSERT_TRUE(SaveCurve(CurveKind::EnergyStop, ProtonCurve(), "Si1", kN, path, &fileError))
        << DescribeFileError(fileError);
    EXPECT_EQ(test::ReadBytes(path), EnergyStopCurveText(ProtonCurve(), "Si1", kN));
    ASSERT_TRUE(SaveCurve(CurveKind::DepthEnergy, ProtonCurve(), "Si1", kN, path, &fileError));
    EXPECT_EQ(test::ReadBytes(path), DepthEnergyCurveText(ProtonCurve(), "Si1", kN));

    EXPECT_FALSE(SaveCurve(CurveKind::DepthStop, ProtonCurve(), "Si1", 0, path, &fileError));
}

}  // namespace
}  // namespace fenra
