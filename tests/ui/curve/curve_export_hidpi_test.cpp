// Save image… and Copy image on a screen of twice the pixels: the PNG and the clipboard hold
// the picture at that ratio, the SVG stays in the window's own pixels.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "CurveTestState.h"
#include "support/ScriptedPlatform.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

using namespace curve_test;

class CurveExportHiDpiTest : public QObject {
    Q_OBJECT

  private slots:
    void pictureHasTwiceThePixels();
};

void CurveExportHiDpiTest::pictureHasTwiceThePixels() {
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    for (int i = 0; i <= fenra::kSlabCount; ++i) s.stop[i] = float(fenra::kSlabCount - i);
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.show();
    w.draw();
    QTemporaryDir dir;
    const QSize logical = w.centralWidget()->size();
    platform.fileAnswers.push_back(dir.filePath("twice.png"));
    w.saveImage();
    QImage png(dir.filePath("twice.png"));
    QCOMPARE(png.size(), logical * 2);
    w.copyImage();
    QCOMPARE(QGuiApplication::clipboard()->image().size(), logical * 2);
    platform.fileAnswers.push_back(dir.filePath("twice.svg"));
    w.saveImage();
    QCOMPARE(QSvgRenderer(dir.filePath("twice.svg")).viewBox(), QRect(QPoint(0, 0), logical));
    QVERIFY(platform.messages.empty());
}

int main(int argc, char** argv) {
    // Before the application exists, so every screen reports twice the pixels.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    CurveExportHiDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "curve_export_hidpi_test.moc"
