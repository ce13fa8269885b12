// The curve on a screen of twice the pixels (as at a scale factor of 2): drawn at the screen's
// resolution, not drawn at 1:1 and blown up into 2x2 blocks.

#include <QApplication>
#include <QtTest>

#include "CurveTestState.h"
#include "support/ScriptedPlatform.h"

// The windows of the program live in namespace fenra.
using fenra::CurveCanvas;
using fenra::CurveWindow;

using namespace curve_test;

namespace {

// Non-white pixels in a 2x2 block that starts on even coordinates, when the block is not all of
// one colour: a plot drawn at 1:1 and scaled up has none.
int MixedBlocks(const QImage& img) {
    int mixed = 0;
    for (int y = 0; y + 1 < img.height(); y += 2) {
        for (int x = 0; x + 1 < img.width(); x += 2) {
            const QRgb a = img.pixel(x, y);
            if (img.pixel(x + 1, y) != a || img.pixel(x, y + 1) != a ||
                img.pixel(x + 1, y + 1) != a)
                ++mixed;
        }
    }
    return mixed;
}

// A straight slope from the top left to the bottom right of the plot.
CurveWindow* DiagonalCurve(fenra::ScriptedPlatform& platform) {
    fenra::CurveSnapshot s = OneCurve();
    for (int i = 0; i <= fenra::kSlabCount; ++i) s.stop[i] = float(fenra::kSlabCount - i);
    auto* w = new CurveWindow(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w->show();
    w->draw();
    return w;
}

}  // namespace

class CurveHiDpiTest : public QObject {
    Q_OBJECT

  private slots:
    void theScreenHasTwiceThePixels();
    void thePlotIsRenderedAtTheScreensResolution();
    void aSlopeIsSmoothNotBlocky();
};

void CurveHiDpiTest::theScreenHasTwiceThePixels() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
}

void CurveHiDpiTest::thePlotIsRenderedAtTheScreensResolution() {
    fenra::ScriptedPlatform platform;
    std::unique_ptr<CurveWindow> w(DiagonalCurve(platform));
    auto* canvas = w->findChild<CurveCanvas*>("PicCurve");
    const QImage img = canvas->image();
    QCOMPARE(img.devicePixelRatio(), 2.0);
    // The inner area is the plot less a border of 2 pixels on every side.
    QCOMPARE(img.size(), (canvas->size() - QSize(4, 4)) * 2);
    // On the screen the plot shows that image as it is.
    const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), canvas->size() * 2);
    QCOMPARE(shown.copy(4, 4, img.width(), img.height()),
             img.convertToFormat(QImage::Format_RGB32));
}

void CurveHiDpiTest::aSlopeIsSmoothNotBlocky() {
    fenra::ScriptedPlatform platform;
    std::unique_ptr<CurveWindow> w(DiagonalCurve(platform));
    auto* canvas = w->findChild<CurveCanvas*>("PicCurve");
    // Inside the frame of two pixels, four at this ratio.
    const QImage shown = canvas->grab()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32)
                             .copy(QRect(QPoint(4, 4), (canvas->size() - QSize(4, 4)) * 2));
    // The slope crosses the plot: hundreds of blocks along it are of mixed colour.
    QVERIFY2(MixedBlocks(shown) > 300, qPrintable(QString::number(MixedBlocks(shown))));
    // Smoothing leaves greys beside the black.
    bool grey = false;
    for (int y = 0; y < shown.height() && !grey; ++y)
        for (int x = 0; x < shown.width() && !grey; ++x) {
            const int g = qGray(shown.pixel(x, y));
            grey = g > 40 && g < 215;
        }
    QVERIFY(grey);
}

int main(int argc, char** argv) {
    // Before the application exists, so every screen reports twice the pixels.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    CurveHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "curve_hidpi_test.moc"
