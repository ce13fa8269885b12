// Text-to-number rules of the input fields, target files and the mass field.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "state/NumberText.h"

namespace fenra {
namespace {

TEST(LeadingNumber, LongestNumericBeginning) {
    EXPECT_DOUBLE_EQ(LeadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber("-3.5kev"), -3.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LeadingNumber("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("5."), 5);
    EXPECT_DOUBLE_EQ(LeadingNumber("-.5e1"), -5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1.5e2x"), 150);
    EXPECT_DOUBLE_EQ(LeadingNumber("1,5"), 1);  // the comma is no decimal point
    EXPECT_DOUBLE_EQ(LeadingNumber("0x10"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("007"), 7);
}

TEST(LeadingNumber, BlanksIgnoredAnywhere) {
    EXPECT_DOUBLE_EQ(LeadingNumber("1 500"), 1500);
    EXPECT_DOUBLE_EQ(LeadingNumber("\t12\r\n"), 12);
    EXPECT_DOUBLE_EQ(LeadingNumber(" 1 2 . 5 "), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("- 4"), -4);
    EXPECT_DOUBLE_EQ(LeadingNumber("2 e 3"), 2000);
}

TEST(LeadingNumber, ExponentLetters) {
    EXPECT_DOUBLE_EQ(LeadingNumber("2e3"), 2000);
    EXPECT_DOUBLE_EQ(LeadingNumber("2E3"), 2000);
    EXPECT_DOUBLE_EQ(LeadingNumber("2D3"), 2000);
    EXPECT_DOUBLE_EQ(LeadingNumber("2d-3"), 0.002);
    EXPECT_DOUBLE_EQ(LeadingNumber("2e+3"), 2000);
    // An exponent without digits is not part of the number.
    EXPECT_DOUBLE_EQ(LeadingNumber("1e"), 1);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e+"), 1);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e-x"), 1);
    EXPECT_DOUBLE_EQ(LeadingNumber("1ee2"), 1);
}

TEST(LeadingNumber, NoNumberGivesZero) {
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber("."), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("+"), 0);
    EXPECT_EQ(LeadingNumber(".e5"), 0);
    EXPECT_EQ(LeadingNumber("e5"), 0);
    EXPECT_EQ(LeadingNumber("   "), 0);
    EXPECT_EQ(LeadingNumber("inf"), 0);
    EXPECT_EQ(LeadingNumber("nan"), 0);
}

TEST(LeadingNumber, OutOfRangeGivesZero) {
    EXPECT_EQ(LeadingNumber("1e999"), 0);
    EXPECT_EQ(LeadingNumber("-1e999"), 0);
    EXPECT_EQ(LeadingNumber("1e-999"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e300"), 1e300);
}

TEST(LeadingNumber, AsSingleStaysFinite) {
    EXPECT_EQ(LeadingNumberAsSingle("2.5 keV"), 2.5f);
    EXPECT_EQ(LeadingNumberAsSingle("0.1"), 0.1f);
    EXPECT_EQ(LeadingNumberAsSingle("1e39"), 0.0f);
    EXPECT_EQ(LeadingNumberAsSingle("-1e39"), 0.0f);
    EXPECT_EQ(LeadingNumberAsSingle("1e999"), 0.0f);
    EXPECT_EQ(LeadingNumberAsSingle("3.4e38"), 3.4e38f);
    EXPECT_EQ(LeadingNumberAsSingle("abc"), 0.0f);
}

TEST(WholeTextNumber, WholeTextMustBeANumber) {
    EXPECT_EQ(WholeTextNumber("1.008"), 1.008f);
    EXPECT_EQ(WholeTextNumber(" 1.008 \t"), 1.008f);
    EXPECT_EQ(WholeTextNumber("\n5\r\n"), 5.0f);
    EXPECT_EQ(WholeTextNumber("1."), 1.0f);
    EXPECT_EQ(WholeTextNumber(".5"), 0.5f);
    EXPECT_EQ(WholeTextNumber("+.5"), 0.5f);
    EXPECT_EQ(WholeTextNumber("-2"), -2.0f);
    EXPECT_EQ(WholeTextNumber("2D3"), 2000.0f);
    EXPECT_EQ(WholeTextNumber("4.0026e0"), 4.0026f);
}

TEST(WholeTextNumber, PartialTextsGiveZero) {
    // What the field holds while a mass is being typed.
    for (const char* text : {"", "   ", "-", "+", ".", "1e", "1e+", "-.", "e5"}) {
        EXPECT_EQ(WholeTextNumber(text), 0.0f) << '"' << text << '"';
    }
    for (const char* text : {"12abc", "1 2", "1.2.3", "--5", "5e5.5", "0x10", "1,5", "inf"}) {
        EXPECT_EQ(WholeTextNumber(text), 0.0f) << '"' << text << '"';
    }
}

TEST(WholeTextNumber, RangeOfASingle) {
    EXPECT_EQ(WholeTextNumber("1e39"), 0.0f);
    EXPECT_EQ(WholeTextNumber("-1e39"), 0.0f);
    EXPECT_EQ(WholeTextNumber("1e-50"), 0.0f);
    EXPECT_EQ(WholeTextNumber("3.4028235e38"), std::numeric_limits<float>::max());
}

TEST(WholeTextNumber, RoundsOnceToSingle) {
    // Just above the midpoint 1 + 2^-24 between the Singles 1 and 1 + 2^-23. Through a Double
    // the excess is lost and the tie goes to the even 1; rounded once it goes up.
    EXPECT_EQ(WholeTextNumber("1.000000059604644775390625000001"), std::nextafter(1.0f, 2.0f));
}

TEST(CheckNumberText, SaysWhenTheNumberReadMayNotBeTheOneMeant) {
    for (const char* whole : {"", "  ", "1000", " 1.5e3 ", "-2", "+.5", "3.4e38"})
        EXPECT_EQ(CheckNumberText(whole), NumberTextCheck::Whole) << whole;
    for (const char* partly : {"1,000", "1 000", "0x10", "inf", "nan", "12abc", "1.2.3", "1e"})
        EXPECT_EQ(CheckNumberText(partly), NumberTextCheck::NotWhole) << partly;
    const std::string nines(50, '9');
    for (const std::string& beyond : {std::string("1e39"), std::string("-1e39"), nines,
                                      std::string("1e999"), std::string("1e39xyz")})
        EXPECT_EQ(CheckNumberText(beyond), NumberTextCheck::OutOfRange) << beyond;
}

}  // namespace
}  // namespace fenra
