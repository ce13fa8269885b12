#include "ui/curve/CurveLayout.h"

namespace fenra::curve_layout {

namespace {

int Px(int twips) {
    return fenra::TwipsToPixels(twips);
}

PixelRect PxRect(const TwipsRect& r) {
    return {Px(r.left), Px(r.top), Px(r.width), Px(r.height)};
}

Pixels Convert() {
    Pixels p{};
    p.clientWidth = Px(kClientWidthTwips);
    p.clientHeight = Px(kClientHeightTwips);
    p.plot = {Px(kPlotLeftTwips), Px(kPlotTopTwips), Px(kPlotWidthTwips), Px(kPlotHeightTwips)};
    for (std::size_t i = 0; i < p.yValueTops.size(); ++i) {
        p.yValueTops[i] = Px(kSTPowerTopTwips[i]);
        // X values are centred where a one-digit label was designed.
        p.xValueCentres[i] = Px(kDepthLeftTwips[i] + kValueLabelDesignWidthTwips / 2);
    }
    // Y values end a little left of the plot; their tops put each beside its tick.
    p.yValueRight = Px(kSTPowerLeftTwips + kValueLabelDesignWidthTwips);
    p.xValueTop = Px(kDepthTopTwips);
    p.valueWidth = Px(kValueLabelDesignWidthTwips);
    p.valueHeight = Px(kValueLabelHeightTwips);
    p.xAxisTitle = PxRect(kXAxisTitle);
    p.unitLabel = PxRect(kUnitLabel);
    p.infoTop = Px(kInfoTopTwips);
    p.ionCaptionLeft = Px(kIonCaptionLeftTwips);
    p.ionValueLeft = Px(kIonValueLeftTwips);
    p.energyCaptionLeft = Px(kEnergyCaptionLeftTwips);
    p.energyValueLeft = Px(kEnergyValueLeftTwips);
    p.targetCaptionLeft = Px(kTargetCaptionLeftTwips);
    p.targetValueLeft = Px(kTargetValueLeftTwips);
    p.xTickLength = static_cast<float>(kXTickTwips) / static_cast<float>(fenra::kTwipsPerPixel);
    p.yTickLength = static_cast<float>(kYTickTwips) / static_cast<float>(fenra::kTwipsPerPixel);
    return p;
}

}  // namespace

const Pixels& CurvePixels() {
    static const Pixels pixels = Convert();
    return pixels;
}

}  // namespace fenra::curve_layout
