// Number-to-text conversions. Expected texts are worked out by hand from the decimal expansion
// of each Single (noted beside the less obvious ones), not taken from the code's output.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "state/NumberText.h"

namespace fenra {
namespace {

TEST(ShortForm, WholeNumbersHaveNoPoint) {
    EXPECT_EQ(ShortForm(1000.0f), "1000");
    EXPECT_EQ(ShortForm(100000.0f), "100000");
    EXPECT_EQ(ShortForm(1234567.0f), "1234567");
    EXPECT_EQ(ShortForm(9999999.0f), "9999999");
    EXPECT_EQ(ShortForm(1.0f), "1");
    EXPECT_EQ(ShortForm(-60.0f), "-60");
}

TEST(ShortForm, FractionsWithoutLeadingZero) {
    EXPECT_EQ(ShortForm(0.5f), ".5");
    EXPECT_EQ(ShortForm(-0.25f), "-.25");
    EXPECT_EQ(ShortForm(1.008f), "1.008");
    EXPECT_EQ(ShortForm(2.5f), "2.5");
    EXPECT_EQ(ShortForm(1.1f), "1.1");              // 1.10000002384...
    EXPECT_EQ(ShortForm(1.0f / 3.0f), ".3333333");  // .333333343...
    EXPECT_EQ(ShortForm(2.0f / 3.0f), ".6666667");  // .666666686...
    EXPECT_EQ(ShortForm(123.456f), "123.456");
    EXPECT_EQ(ShortForm(0.00012345f), ".00012345");
}

TEST(ShortForm, ZeroOfEitherSign) {
    EXPECT_EQ(ShortForm(0.0f), "0");
    EXPECT_EQ(ShortForm(-0.0f), "0");
}

TEST(ShortForm, ExponentForm) {
    EXPECT_EQ(ShortForm(1e7f), "1E+07");
    EXPECT_EQ(ShortForm(1e-5f), "1E-05");
    EXPECT_EQ(ShortForm(1.5e-5f), "1.5E-05");
    EXPECT_EQ(ShortForm(-2.5e-6f), "-2.5E-06");
    EXPECT_EQ(ShortForm(12345678901.0f), "1.234568E+10");  // the Single is 12345678848
    EXPECT_EQ(ShortForm(12345678.0f), "1.234568E+07");
    EXPECT_EQ(ShortForm(1e38f), "1E+38");
    EXPECT_EQ(ShortForm(std::numeric_limits<float>::max()), "3.402823E+38");
    // The smallest subnormal Single, 1.40129846E-45.
    EXPECT_EQ(ShortForm(std::numeric_limits<float>::denorm_min()), "1.401298E-45");
}

TEST(ShortForm, SevenDigitsRoundTiesToEven) {
    // Both are exact Singles with an eighth digit of exactly 5.
    EXPECT_EQ(ShortForm(1234567.5f), "1234568");
    EXPECT_EQ(ShortForm(2345678.5f), "2345678");
    EXPECT_EQ(ShortForm(-2345678.5f), "-2345678");
}

TEST(ShortForm, ExponentChosenAfterRounding) {
    // The Single nearest 1E-4 lies below it, 9.99999975E-5: seven digits make it 1.000000E-4,
    // which is written in fixed notation; the Single below, 9.99999902E-5, stays below 1E-4.
    EXPECT_EQ(ShortForm(0.0001f), ".0001");
    EXPECT_EQ(GeneralText(0.0001f), "0.0001");
    EXPECT_EQ(ShortForm(std::nextafter(0.0001f, 0.0f)), "9.999999E-05");
    EXPECT_EQ(ShortForm(std::nextafter(0.0001f, 1.0f)), ".0001");  // 1.00000005E-4
    // 9999999.5 is no Single: the literal is already 1E+07 (tie to the even 10000000).
    EXPECT_EQ(ShortForm(9999999.5f), "1E+07");
    EXPECT_EQ(ShortForm(std::nextafter(1e7f, 0.0f)), "9999999");
    // 0.99999996 becomes the Single 0.99999994, which keeps seven nines.
    EXPECT_EQ(ShortForm(0.99999996f), ".9999999");
    // Around 1E+08 the Singles are 8 apart: 99999992 has seven digits 9.999999.
    EXPECT_EQ(ShortForm(99999992.0f), "9.999999E+07");
}

TEST(ShortForm, NonFiniteDoesNotCrash) {
    EXPECT_EQ(ShortForm(std::numeric_limits<float>::quiet_NaN()), "NaN");
    EXPECT_EQ(ShortForm(std::numeric_limits<float>::infinity()), "Inf");
    EXPECT_EQ(ShortForm(-std::numeric_limits<float>::infinity()), "-Inf");
    EXPECT_EQ(PrintForm(std::numeric_limits<float>::quiet_NaN()), " NaN ");
    EXPECT_EQ(FormatFixed3(std::numeric_limits<float>::infinity()), "Inf");
}

TEST(PrintForm, SignOrBlankThenShortFormThenBlank) {
    EXPECT_EQ(PrintForm(1.008f), " 1.008 ");
    EXPECT_EQ(PrintForm(1000.0f), " 1000 ");
    EXPECT_EQ(PrintForm(-2.5f), "-2.5 ");
    EXPECT_EQ(PrintForm(0.5f), " .5 ");
    EXPECT_EQ(PrintForm(-0.25f), "-.25 ");
    EXPECT_EQ(PrintForm(0.0f), " 0 ");
    EXPECT_EQ(PrintForm(-0.0f), " 0 ");
    EXPECT_EQ(PrintForm(1e7f), " 1E+07 ");
    EXPECT_EQ(PrintForm(-1.5e-5f), "-1.5E-05 ");
}

TEST(GeneralText, SingleWithZeroBeforePoint) {
    EXPECT_EQ(GeneralText(0.5f), "0.5");
    EXPECT_EQ(GeneralText(-0.25f), "-0.25");
    EXPECT_EQ(GeneralText(0.0001f), "0.0001");
    EXPECT_EQ(GeneralText(1000.0f), "1000");
    EXPECT_EQ(GeneralText(100000.0f), "100000");
    EXPECT_EQ(GeneralText(1.008f), "1.008");
    EXPECT_EQ(GeneralText(0.0f), "0");
    EXPECT_EQ(GeneralText(1.5e-5f), "1.5E-05");
    EXPECT_EQ(GeneralText(1e7f), "1E+07");
}

TEST(GeneralText, DoubleWithFifteenDigits) {
    EXPECT_EQ(GeneralText(0.1), "0.1");
    EXPECT_EQ(GeneralText(100000.0), "100000");
    EXPECT_EQ(GeneralText(12345.678), "12345.678");
    EXPECT_EQ(GeneralText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(GeneralText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(GeneralText(-0.25), "-0.25");
    EXPECT_EQ(GeneralText(0.0), "0");
    // The Single 0.1 widened shows its own binary value, not the Single's seven digits.
    EXPECT_EQ(GeneralText(static_cast<double>(0.1f)), "0.100000001490116");
    EXPECT_EQ(GeneralText(12345678.0), "12345678");
}

TEST(GeneralText, DoubleExponentBoundaries) {
    EXPECT_EQ(GeneralText(999999999999999.0), "999999999999999");
    EXPECT_EQ(GeneralText(1e15), "1E+15");
    EXPECT_EQ(GeneralText(1234567890123456.0), "1.23456789012346E+15");
    EXPECT_EQ(GeneralText(0.0001), "0.0001");
    EXPECT_EQ(GeneralText(1e-5), "1E-05");
    EXPECT_EQ(GeneralText(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(GeneralText(1e300), "1E+300");
}

TEST(FormatFixed, PointAlwaysWritten) {
    EXPECT_EQ(FormatFixed3(60.0f), "60.");
    EXPECT_EQ(FormatFixed3(120.0f), "120.");
    EXPECT_EQ(FormatFixed3(12.5f), "12.5");
    EXPECT_EQ(FormatFixed3(0.5f), ".5");
    EXPECT_EQ(FormatFixed3(1.008f), "1.008");
    EXPECT_EQ(FormatFixed4(1.008f), "1.008");
    EXPECT_EQ(FormatFixed4(60.0f), "60.");
    EXPECT_EQ(FormatFixed4(0.5f), ".5");
    EXPECT_EQ(FormatFixed3(-12.5f), "-12.5");
    EXPECT_EQ(FormatFixed3(-0.5f), "-.5");
}

TEST(FormatFixed, RoundsTheSevenDigitDecimal) {
    // 1195.96337890625 shows as 1195.963: four decimals cannot bring back the binary 3789.
    EXPECT_EQ(FormatFixed3(1195.96337890625f), "1195.963");
    EXPECT_EQ(FormatFixed4(1195.96337890625f), "1195.963");
    // 2.0005 is the Single 2.00049996..., shown as 2.0005: the half goes away from zero.
    EXPECT_EQ(FormatFixed3(2.0005f), "2.001");
    EXPECT_EQ(FormatFixed3(-2.0005f), "-2.001");
    // 1.00005 is the Single 1.00004995..., shown as 1.00005.
    EXPECT_EQ(FormatFixed4(1.00005f), "1.0001");
    EXPECT_EQ(FormatFixed3(0.0005f), ".001");
    EXPECT_EQ(FormatFixed3(0.0004999f), ".");
}

TEST(FormatFixed, CarryAndLargeValues) {
    EXPECT_EQ(FormatFixed3(9.9996f), "10.");
    EXPECT_EQ(FormatFixed4(9.9996f), "9.9996");
    EXPECT_EQ(FormatFixed3(99.9999f), "100.");
    EXPECT_EQ(FormatFixed3(0.9996f), "1.");
    EXPECT_EQ(FormatFixed3(1e7f), "10000000.");
    EXPECT_EQ(FormatFixed3(12345678.0f), "12345680.");  // seven digits 1.234568E+07
    EXPECT_EQ(FormatFixed3(1234567.5f), "1234568.");
}

TEST(FormatFixed, TinyValuesRoundToBarePoint) {
    EXPECT_EQ(FormatFixed3(0.00012345f), ".");
    EXPECT_EQ(FormatFixed4(0.00012345f), ".0001");
    EXPECT_EQ(FormatFixed4(1.5e-5f), ".");
    EXPECT_EQ(FormatFixed3(-0.0001f), ".");  // no sign on a value that rounds to nothing
    EXPECT_EQ(FormatFixed3(0.0f), ".");
}

TEST(IntegerText, PlainDigits) {
    EXPECT_EQ(IntegerText(0), "0");
    EXPECT_EQ(IntegerText(42), "42");
    EXPECT_EQ(IntegerText(-7), "-7");
    EXPECT_EQ(IntegerText(32767), "32767");
    EXPECT_EQ(IntegerText(-32768), "-32768");
}

TEST(ZoneLine, FieldsStartAtZoneColumns) {
    const std::string line = ZoneLine({"H", " 1.008 ", " 1000 "});
    EXPECT_EQ(line, "H" + std::string(13, ' ') + " 1.008 " + std::string(7, ' ') + " 1000 ");
    // Column 15 is index 14, column 29 index 28.
    EXPECT_EQ(line.substr(14, 7), " 1.008 ");
    EXPECT_EQ(line.substr(28), " 1000 ");
}

TEST(ZoneLine, FullAndOverlongFields) {
    const std::string full(14, 'x');
    EXPECT_EQ(ZoneLine({full, "y"}), full + std::string(14, ' ') + "y");
    const std::string overlong(15, 'x');
    EXPECT_EQ(ZoneLine({overlong, "y"}), overlong + std::string(13, ' ') + "y");
    EXPECT_EQ(ZoneLine({"a", full, "b"}),
              "a" + std::string(13, ' ') + full + std::string(14, ' ') + "b");
    // An empty field in the middle keeps its zone: the next field starts one zone later.
    EXPECT_EQ(ZoneLine({"a", "", "b"}), "a" + std::string(27, ' ') + "b");
}

TEST(ZoneLine, EmptyAndSingleFields) {
    EXPECT_EQ(ZoneLine({}), "");
    EXPECT_EQ(ZoneLine({" 5 "}), " 5 ");  // the last field is never padded
    EXPECT_EQ(ZoneLine({"", "x"}), std::string(14, ' ') + "x");
    EXPECT_EQ(ZoneLine({"a", ""}), "a" + std::string(13, ' '));
}

TEST(NineDigitText, NineSignificantDigitsWithAPoint) {
    EXPECT_EQ(NineDigitText(1.0 / 3), "0.333333333");
    EXPECT_EQ(NineDigitText(static_cast<double>(1.008f)), "1.00800002");
    EXPECT_EQ(NineDigitText(1000), "1000");
    EXPECT_EQ(NineDigitText(1.5e-12), "1.5e-12");
}

TEST(ShortestText, ReadsBackToTheSameSingle) {
    EXPECT_EQ(ShortestText(1.008f), "1.008");
    EXPECT_EQ(ShortestText(2500.5f), "2500.5");
    EXPECT_EQ(ShortestText(0.1f), "0.1");
    EXPECT_EQ(std::stof(ShortestText(1.2345679f)), 1.2345679f);
}

}  // namespace
}  // namespace fenra
