#pragma once
// The fixed set of conversions between numbers and text. Every number the program shows,
// writes or reads goes through exactly one of these; "." is always the decimal point.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fenra {

// At most 7 significant digits, no trailing zeros, no leading zero before the point
// (.5, -.25), whole numbers without a point (1000), exponent form below 1E-4 and from 1E+07
// on (1E+07, 1.5E-05). Used in composition texts and inside the print form.
std::string ShortForm(float v);

// A number as a field of its own in a text file: " " or "-", the short form of the magnitude,
// and one trailing blank (" 1.008 ").
std::string PrintForm(float v);

// Values in the grid, the input fields and the curve labels: the short form with a zero
// before the point (0.5, -0.25).
std::string GeneralText(float v);

// The same for a Double with up to 15 significant digits (exponent form from 1E+15 on);
// used by the depth shown in the range field during a curve walk.
std::string GeneralText(double v);

// "##.###" and "##.####": the 7-significant-digit decimal of the Single rounded to 3 (4)
// decimals, halves away from zero; integer part in full, no zero before the point,
// no trailing zeros, the point always written (60., 12.5, .5, 1195.963).
std::string FormatFixed3(float v);
std::string FormatFixed4(float v);

// Nine significant digits, '.' as decimal point whatever the locale (the numbers of
// fenra32-calc and of the CSV exports).
std::string NineDigitText(double v);

// The shortest text that reads back to the same Single, '.' as decimal point whatever the
// locale: a typed input as it was typed (1.008, not 1.00800002).
std::string ShortestText(float v);

// A 16-bit Integer as plain digits, "-" for a negative number.
std::string IntegerText(int v);

// Leading-number rule: blanks (space, tab, CR, LF) are ignored wherever they stand; the
// longest beginning that forms a number is taken (sign, digits with at most one point,
// exponent with E or D in either case); no such beginning gives 0.
// "12abc" -> 12, "1 500" -> 1500, "2e3" -> 2000, "1.2.3" -> 1.2, "" -> 0.
// A number beyond the range of a Double ("1e999") gives 0 rather than an infinity.
double LeadingNumber(std::string_view text);

// The leading number as it is stored in a Single field: 0 when the value does not fit a Single,
// so that no infinity ever enters the working state.
float LeadingNumberAsSingle(std::string_view text);

// How a text reads under the leading-number rule, for a warning when the number read may not
// be what the user meant: Whole (a number and nothing else, or a blank text, which is 0 by
// the rule), NotWhole (only a beginning is a number: "1,000", "0x10", "inf", "1 000") or
// OutOfRange (a number beyond the range of a Single, read as 0: "1e39").
enum class NumberTextCheck { Whole, NotWhole, OutOfRange };
NumberTextCheck CheckNumberText(std::string_view text);

// Whole-text rule of the mass field: the text without surrounding blanks must be a decimal
// number as a whole (sign, digits with at most one point, exponent). Anything else, and a
// value beyond the range of a Single, gives 0, which means "no mass given".
float WholeTextNumber(std::string_view text);

// The mass field's value after it has shown `mass` as general text and stored what it shows
// (1.0078251 becomes 1.007825): the Single the calculator divides the energy by.
float ShownMass(float mass);

// Zone layout of a text-file line: after every field but the last, blanks up to the start of
// the next 14-character zone (columns 1, 15, 29, ...); the last field ends the line. The next
// zone start is always after the field's end: an empty field keeps its zone, and a field that
// fills its zone exactly is followed by a blank zone, so fields never run together.
std::string ZoneLine(const std::vector<std::string>& fields);

}  // namespace fenra
