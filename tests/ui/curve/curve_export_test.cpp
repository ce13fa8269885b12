// A curve window's picture and points for other programs: Save image… as PNG, SVG and PDF,
// Copy image, Save data…; the designed Save curve stays beside them.

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "CurveTestState.h"
#include "export/CurveExport.h"
#include "files/TextFile.h"
#include "support/ScriptedPlatform.h"
#include "ui/messages/WindowMessages.h"

// The windows of the program live in namespace fenra.
using fenra::CurveCanvas;
using fenra::CurveWindow;

using namespace curve_test;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A slope from the top left to the bottom right of the plot, with its labels.
std::unique_ptr<CurveWindow> SlopeWindow(fenra::ScriptedPlatform& platform, fenra::CurveKind kind) {
    fenra::CurveSnapshot s = OneCurve();
    for (int i = 0; i <= fenra::kSlabCount; ++i) {
        s.stop[i] = float(fenra::kSlabCount - i) + 0.5f;
        s.energy[i] = 1000.0f * float(fenra::kSlabCount - i) / fenra::kSlabCount;
    }
    auto w = std::make_unique<CurveWindow>(platform, kind, s, "/tmp/");
    w->setCurveLabels(QStringLiteral("1E15 Atom/cm2"), QStringLiteral("Unit : keV"),
                      QStringLiteral("H"), QStringLiteral("1000"), QStringLiteral("Si"));
    w->show();
    w->draw();
    return w;
}

// Dark pixels inside the plot's rectangle of an image of the whole picture.
int DarkPixelsIn(const QImage& picture, const QRect& plot) {
    int n = 0;
    for (int y = plot.top() + 3; y < plot.bottom() - 3; ++y)
        for (int x = plot.left() + 3; x < plot.right() - 3; ++x)
            n += qGray(picture.pixel(x, y)) < 128;
    return n;
}

}  // namespace

class CurveExportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        platform_ = fenra::ScriptedPlatform();
    }
    void commandsSitBesideSaveCurve();
    void pngIsThePictureAtTheScreensRatio();
    void svgIsADrawingOfThePicture();
    void pdfIsADrawingOfThePicture();
    void otherExtensionsAreRefused();
    void unwritableImageIsReported();
    void copyPutsThePictureOnTheClipboard();
    void dataIsTheCoresCsvOfEachKind();
    void noCurveGivesNoData();

  private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    QString SaveImage(CurveWindow& w, const QString& name) {
        platform_.fileAnswers.push_back(Path(name));
        w.saveImage();
        return Path(name);
    }
    std::unique_ptr<QTemporaryDir> dir_;
    fenra::ScriptedPlatform platform_;
};

void CurveExportTest::commandsSitBesideSaveCurve() {
    auto w = SlopeWindow(platform_, fenra::CurveKind::DepthStop);
    QStringList names;
    for (QAction* a : w->findChild<QMenu*>(QStringLiteral("mnuFile"))->actions())
        names << a->objectName();
    QCOMPARE(names,
             QStringList({"mnuSave", "mnuSaveImage", "mnuCopyImage", "mnuSaveData", "mnuExit"}));
}

void CurveExportTest::pngIsThePictureAtTheScreensRatio() {
    auto w = SlopeWindow(platform_, fenra::CurveKind::DepthStop);
    const QString path = SaveImage(*w, "slope.png");
    QVERIFY(platform_.messages.empty());
    QImage png;
    QVERIFY(png.loadFromData(ReadAll(path), "PNG"));
    const qreal ratio = w->devicePixelRatioF();
    QCOMPARE(png.size(), (QSizeF(w->centralWidget()->size()) * ratio).toSize());
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
             w->pictureImage().convertToFormat(QImage::Format_RGB32));
    auto* canvas = w->findChild<CurveCanvas*>("PicCurve");
    QVERIFY(DarkPixelsIn(png, canvas->geometry()) > 100);
    // A second save offers the first one's file, as Save curve does.
    SaveImage(*w, "again.PNG");
    QCOMPARE(platform_.fileDialogs.back().settings.initialFile, path);
    QVERIFY(ReadAll(Path("again.PNG")).startsWith("\x89PNG"));
}

void CurveExportTest::svgIsADrawingOfThePicture() {
    auto w = SlopeWindow(platform_, fenra::CurveKind::DepthStop);
    const QString path = SaveImage(*w, "slope.svg");
    QVERIFY(platform_.messages.empty());
    QSvgRenderer svg(path);
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(QPoint(0, 0), w->centralWidget()->size()));
    const QByteArray text = ReadAll(path);
    // Lines and text, no picture of pixels in it.
    QVERIFY(!text.contains("<image"));
    QVERIFY(text.contains("1E15 Atom/cm2"));
    QImage drawn(w->centralWidget()->size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    svg.render(&painter);
    painter.end();
    auto* canvas = w->findChild<CurveCanvas*>("PicCurve");
    QVERIFY(DarkPixelsIn(drawn, canvas->geometry()) > 100);
}

void CurveExportTest::pdfIsADrawingOfThePicture() {
    auto w = SlopeWindow(platform_, fenra::CurveKind::EnergyStop);
    const QByteArray pdf = ReadAll(SaveImage(*w, "slope.pdf"));
    QVERIFY(platform_.messages.empty());
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QVERIFY(!pdf.contains("/Subtype /Image"));
    // The one rule of every window's export: a pixel is 1/96 inch, 3/4 of a point.
    const QRegularExpressionMatch box =
        QRegularExpression(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")
            .match(QString::fromLatin1(pdf));
    QVERIFY(box.hasMatch());
    const QSize picture = w->centralWidget()->size();
    QVERIFY(qAbs(box.captured(1).toDouble() - picture.width() * 0.75) <= 1.0);
    QVERIFY(qAbs(box.captured(2).toDouble() - picture.height() * 0.75) <= 1.0);
}

void CurveExportTest::otherExtensionsAreRefused() {
    auto w = SlopeWindow(platform_, fenra::CurveKind::DepthStop);
    const QString path = SaveImage(*w, "slope.jpg");
    QCOMPARE(platform_.messages.size(), std::size_t(1));
    // The one refusal of every window's image export.
    QCOMPARE(platform_.messages[0].text,
             QString("The image was not saved: the file name \"slope.jpg\" ends in none of "
                     ".png, .svg and .pdf"));
    QVERIFY(!QFile::exists(path));
}

void CurveExportTest::unwritableImageIsReported() {
    auto w = SlopeWindow(platform_, fenra::CurveKind::DepthStop);
    const QString path = Path("missing/slope.svg");
    fenra::FileError error;
    QVERIFY(!fenra::WriteTextFile(path.toStdString(), "x", &error));
    SaveImage(*w, "missing/slope.svg");
    QCOMPARE(platform_.messages.size(), std::size_t(1));
    QCOMPARE(platform_.messages[0].text,
             "The image was not saved: " + fenra::FileErrorMessage(error));
}

void CurveExportTest::copyPutsThePictureOnTheClipboard() {
    auto w = SlopeWindow(platform_, fenra::CurveKind::DepthEnergy);
    QGuiApplication::clipboard()->clear();
    w->findChild<QAction*>(QStringLiteral("mnuCopyImage"))->trigger();
    const QImage copied = QGuiApplication::clipboard()->image();
    QVERIFY(!copied.isNull());
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32),
             w->pictureImage().convertToFormat(QImage::Format_RGB32));
}

void CurveExportTest::dataIsTheCoresCsvOfEachKind() {
    for (fenra::CurveKind kind : {fenra::CurveKind::DepthStop, fenra::CurveKind::DepthEnergy,
                                  fenra::CurveKind::EnergyStop}) {
        auto w = SlopeWindow(platform_, kind);
        const QString path = Path(QStringLiteral("points%1.csv").arg(int(kind)));
        platform_.fileAnswers.push_back(path);
        w->findChild<QAction*>(QStringLiteral("mnuSaveData"))->trigger();
        QVERIFY(platform_.messages.empty());
        const std::string expected = fenra::CurveCsvText(kind, w->snapshot(), w->snapshot().N());
        QCOMPARE(ReadAll(path), QByteArray::fromStdString(expected));
        QVERIFY(ReadAll(path).startsWith(QByteArray(fenra::CurveCsvHeader(kind)) + "\r\n"));
        QCOMPARE(ReadAll(path).count("\r\n"), w->snapshot().N() + 2);
        QCOMPARE(platform_.fileDialogs.back().settings.defaultSuffix, QString("csv"));
    }
}

void CurveExportTest::noCurveGivesNoData() {
    CurveWindow w(platform_, fenra::CurveKind::DepthStop, OneCurve(), "/tmp/");
    w.saveData();
    QCOMPARE(platform_.messages.size(), std::size_t(1));
    QCOMPARE(platform_.messages[0].text, fenra::NoCalculationMessage());
    QVERIFY(platform_.fileDialogs.empty());
}

QTEST_MAIN(CurveExportTest)
#include "curve_export_test.moc"
