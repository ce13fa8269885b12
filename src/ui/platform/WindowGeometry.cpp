#include "ui/platform/WindowGeometry.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

namespace fenra {

void CentreOnScreen(QWidget& window, const QScreen* screen, const QSize& outer) {
    if (screen == nullptr) return;
    const QRect area = screen->geometry();
    window.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
}

}  // namespace fenra
