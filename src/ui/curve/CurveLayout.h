#pragma once
// The curve window's design: every field at its place in twips, as the window was laid out.
// Twips keep the drawing arithmetic independent of the screen; they become pixels through the
// one conversion of all windows.

#include <array>

#include "ui/platform/WindowGeometry.h"

namespace fenra::curve_layout {

constexpr float kTwipsPerPixel = static_cast<float>(fenra::kTwipsPerPixel);

constexpr int Px(int twips) {
    return fenra::TwipsToPixels(twips);
}

// Client area below the menu bar.
constexpr int kClientWidthTwips = 8130;
constexpr int kClientHeightTwips = 5880;

// canvas: the plot area, with its border.
constexpr int kPlotLeftTwips = 985;
constexpr int kPlotTopTwips = 93;
constexpr int kPlotWidthTwips = 6896;
constexpr int kPlotHeightTwips = 4645;
constexpr int kPlotBorderPx = 2;  // a sunken frame, two pixels on every side

// Y values yValueLabels(0..5): right-aligned, the bottom one at the bottom edge of the plot.
constexpr int kSTPowerLeftTwips = 788;
constexpr std::array<int, 6> kSTPowerTopTwips{4598, 3669, 2740, 1811, 882, 0};
// A one-digit label, as designed, ends here; longer texts grow to the left of it.
constexpr int kValueLabelDesignWidthTwips = 120;
constexpr int kValueLabelHeightTwips = 240;

// X values xLabels(0..5): centred under their ticks.
constexpr int kDepthTopTwips = 4877;
constexpr std::array<int, 6> kDepthLeftTwips{936, 2266, 3645, 5024, 6404, 7783};

// Fields with a size of their own: left, top, width, height.
struct TwipsRect {
    int left, top, width, height;
};
constexpr TwipsRect kXAxisTitle{3547, 5160, 1770, 285};  // xLabels(6)
constexpr TwipsRect kUnitLabel{49, 5202, 1830, 240};     // unitLabel

// The bottom line: captions and values of ion, energy and target.
constexpr int kInfoTopTwips = 5574;
constexpr int kIonCaptionLeftTwips = 2580;
constexpr int kIonValueLeftTwips = 2970;
constexpr int kEnergyCaptionLeftTwips = 3855;
constexpr int kEnergyValueLeftTwips = 4590;
constexpr int kTargetCaptionLeftTwips = 5535;
constexpr int kTargetValueLeftTwips = 6225;

// Fonts, in points.
constexpr const char* kFontFamily = "Arial";
constexpr float kFontPoints = 9.75f;
constexpr float kXAxisTitlePoints = 12.0f;

}  // namespace fenra::curve_layout
