#pragma once
// The curve window's design: every field at its place in twips, as the window was laid out.
// The window is laid out and drawn in pixels: CurvePixels() converts the design once, through
// the one twips-to-pixels conversion of all windows.

#include <array>

#include "ui/platform/WindowGeometry.h"

namespace fenra::curve_layout {

// Client area below the menu bar.
constexpr int kClientWidthTwips = 8130;
constexpr int kClientHeightTwips = 5880;

// PicCurve: the plot area, with its border.
constexpr int kPlotLeftTwips = 985;
constexpr int kPlotTopTwips = 93;
constexpr int kPlotWidthTwips = 6896;
constexpr int kPlotHeightTwips = 4645;
constexpr int kPlotBorderPx = 2;  // a sunken frame, two pixels on every side

// Y values lblSTPower(0..5): right-aligned, the bottom one at the bottom edge of the plot.
constexpr int kSTPowerLeftTwips = 788;
constexpr std::array<int, 6> kSTPowerTopTwips{4598, 3669, 2740, 1811, 882, 0};
// A one-digit label, as designed, ends here; longer texts grow to the left of it.
constexpr int kValueLabelDesignWidthTwips = 120;
constexpr int kValueLabelHeightTwips = 240;

// X values lblDepth(0..5): centred under their ticks.
constexpr int kDepthTopTwips = 4877;
constexpr std::array<int, 6> kDepthLeftTwips{936, 2266, 3645, 5024, 6404, 7783};

// Fields with a size of their own: left, top, width, height.
struct TwipsRect {
    int left, top, width, height;
};
constexpr TwipsRect kXAxisTitle{3547, 5160, 1770, 285};  // lblDepth(6)
constexpr TwipsRect kUnitLabel{49, 5202, 1830, 240};     // unitLabel

// The bottom line: captions and values of ion, energy and target.
constexpr int kInfoTopTwips = 5574;
constexpr int kIonCaptionLeftTwips = 2580;
constexpr int kIonValueLeftTwips = 2970;
constexpr int kEnergyCaptionLeftTwips = 3855;
constexpr int kEnergyValueLeftTwips = 4590;
constexpr int kTargetCaptionLeftTwips = 5535;
constexpr int kTargetValueLeftTwips = 6225;

// The ticks at the fifths of each axis: X ticks upwards from the bottom edge, Y ticks
// rightwards from the left edge.
constexpr int kXTickTwips = 80;
constexpr int kYTickTwips = 50;

// Fonts, in points.
constexpr const char* kFontFamily = "Arial";
constexpr float kFontPoints = 9.75f;
constexpr float kXAxisTitlePoints = 12.0f;

// The design in pixels (logical pixels: a high-DPI screen multiplies them by its ratio).
struct PixelRect {
    int left, top, width, height;
};
struct Pixels {
    int clientWidth, clientHeight;
    PixelRect plot;
    std::array<int, 6> yValueTops;     // lblSTPower(0..5)
    int yValueRight;                   // where the Y values end
    std::array<int, 6> xValueCentres;  // lblDepth(0..5)
    int xValueTop;
    int valueWidth, valueHeight;  // the least size of a value label
    PixelRect xAxisTitle, unitLabel;
    int infoTop;
    int ionCaptionLeft, ionValueLeft, energyCaptionLeft, energyValueLeft, targetCaptionLeft,
        targetValueLeft;
    // Tick lengths keep their fraction of a pixel: the plot maps them onto its own pixels.
    float xTickLength, yTickLength;
};

// The design converted once; every call returns the same value.
const Pixels& CurvePixels();

}  // namespace fenra::curve_layout
