#pragma once
// The windows were designed in twips, 1440 to the inch; at 96 pixels to the inch that is 15
// twips to a pixel. Every designed size becomes pixels through TwipsToPixels, and every window
// is centred by CentreOnScreen.

#include <QSize>

class QScreen;
class QWidget;

namespace fenra {

constexpr int kTwipsPerPixel = 15;

// The nearest pixel to a designed size or position (twips >= 0).
constexpr int TwipsToPixels(int twips) {
    return (2 * twips + kTwipsPerPixel) / (2 * kTwipsPerPixel);
}

// Moves the window so that a rectangle of the given outer size, at the window's position,
// stands in the middle of the screen (halves rounded towards the screen's top left). Nothing
// happens without a screen.
void CentreOnScreen(QWidget& window, const QScreen* screen, const QSize& outer);

}  // namespace fenra
