// The image export of any widget: PNG at the screen's device pixel ratio, an SVG that parses,
// a PDF, the clipboard, the choice of format by extension, the save dialog through the
// platform and the refusals. Also run with QT_SCALE_FACTOR=2 (see tests/ui/CMakeLists.txt).

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

#include "support/ScriptedPlatform.h"
#include "ui/export/ImageExport.h"

namespace {

// A drawing whose every pixel is known: white, with a red square in its upper left quarter.
class Square : public QWidget {
  public:
    Square() { resize(200, 120); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.fillRect(QRect(0, 0, 100, 60), Qt::red);
    }
};

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class ImageExportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void formatByExtension();
    void pngAtTheDevicePixelRatio();
    void svgParses();
    void pdfIsAPdf();
    void clipboardHoldsTheImage();
    void unknownExtensionWritesNothing();
    void unwritablePathIsReported();
    void saveDialogAndItsMemory();
    void cancelWritesNothing();

  private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
    Square square_;
};

void ImageExportTest::formatByExtension() {
    QCOMPARE(fenra::ImageFormatOf("a.png"), fenra::ImageFormat::Png);
    QCOMPARE(fenra::ImageFormatOf("/x/b.SVG"), fenra::ImageFormat::Svg);
    QCOMPARE(fenra::ImageFormatOf("c.Pdf"), fenra::ImageFormat::Pdf);
    QVERIFY(!fenra::ImageFormatOf("d.jpg").has_value());
    QVERIFY(!fenra::ImageFormatOf("png").has_value());
    QVERIFY(!fenra::ImageFormatOf("e.png.txt").has_value());
}

void ImageExportTest::pngAtTheDevicePixelRatio() {
    square_.show();
    QVERIFY(QTest::qWaitForWindowExposed(&square_));
    const qreal ratio = square_.devicePixelRatioF();
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == "2") QCOMPARE(ratio, 2.0);
    QString error;
    QVERIFY2(fenra::SaveWidgetImage(square_, Path("a.png"), &error), qPrintable(error));
    const QByteArray bytes = Bytes(Path("a.png"));
    QVERIFY(bytes.startsWith("\x89PNG\r\n\x1a\n"));
    QImage image;
    QVERIFY(image.loadFromData(bytes, "PNG"));
    QCOMPARE(image.size(), QSize(qRound(200 * ratio), qRound(120 * ratio)));
    // The square covers the upper left quarter in device pixels too.
    QCOMPARE(image.pixelColor(qRound(99 * ratio), qRound(59 * ratio)), QColor(Qt::red));
    QCOMPARE(image.pixelColor(qRound(101 * ratio), qRound(59 * ratio)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(qRound(99 * ratio), qRound(61 * ratio)), QColor(Qt::white));
}

void ImageExportTest::svgParses() {
    QString error;
    QVERIFY2(fenra::SaveWidgetImage(square_, Path("a.svg"), &error), qPrintable(error));
    QXmlStreamReader xml(Bytes(Path("a.svg")));
    QString root;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && root.isEmpty())
            root = xml.name().toString();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(root, QString("svg"));
    QSvgRenderer svg(Path("a.svg"));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox(), QRect(0, 0, 200, 120));
    // Drawn back, the square is where it was.
    QImage back(200, 120, QImage::Format_ARGB32);
    back.fill(Qt::transparent);
    QPainter p(&back);
    svg.render(&p);
    p.end();
    QCOMPARE(back.pixelColor(50, 30), QColor(Qt::red));
    QCOMPARE(back.pixelColor(150, 90), QColor(Qt::white));
}

void ImageExportTest::pdfIsAPdf() {
    QString error;
    QVERIFY2(fenra::SaveWidgetImage(square_, Path("a.pdf"), &error), qPrintable(error));
    const QByteArray bytes = Bytes(Path("a.pdf"));
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.trimmed().endsWith("%%EOF"));
    // One page of the widget's size at 96 pixels to the inch: 200 x 120 pixels are 150 x 90
    // points.
    QCOMPARE(fenra::kWindowPixelsPerInch, 96);
    const QRegularExpression page(R"(/MediaBox \[0 0 150(\.0*)? 90(\.0*)?\])");
    QVERIFY(QString::fromLatin1(bytes).contains(page));
}

void ImageExportTest::clipboardHoldsTheImage() {
    QGuiApplication::clipboard()->clear();
    fenra::CopyWidgetImage(square_);
    const QImage image = QGuiApplication::clipboard()->image();
    QVERIFY(!image.isNull());
    const qreal ratio = square_.devicePixelRatioF();
    QCOMPARE(image.size(), QSize(qRound(200 * ratio), qRound(120 * ratio)));
    QCOMPARE(image.pixelColor(5, 5), QColor(Qt::red));
}

void ImageExportTest::unknownExtensionWritesNothing() {
    QString error;
    QVERIFY(!fenra::SaveWidgetImage(square_, Path("a.jpg"), &error));
    QCOMPARE(error, QString("the file name \"a.jpg\" ends in none of .png, .svg and .pdf"));
    QVERIFY(!QFile::exists(Path("a.jpg")));
}

void ImageExportTest::unwritablePathIsReported() {
    fenra::ScriptedPlatform platform;
    platform.fileAnswers.push_back(Path("no/such/folder/a.png"));
    QString last;
    QVERIFY(!fenra::SaveWidgetImageAs(platform, &square_, square_, &last));
    QCOMPARE(platform.messages.size(), std::size_t(1));
    QCOMPARE(platform.messages[0].title, QString("Fenra32"));
    QVERIFY2(platform.messages[0].text.startsWith("The image was not saved: "),
             qPrintable(platform.messages[0].text));
    QVERIFY(platform.messages[0].text.size() > QString("The image was not saved: ").size());
    QVERIFY(!QFile::exists(Path("no/such/folder/a.png")));
}

void ImageExportTest::saveDialogAndItsMemory() {
    fenra::ScriptedPlatform platform;
    platform.fileAnswers.push_back(Path("first.svg"));
    platform.fileAnswers.push_back(Path("second.txt"));
    QString last;
    QVERIFY(fenra::SaveWidgetImageAs(platform, &square_, square_, &last));
    QCOMPARE(last, Path("first.svg"));
    QVERIFY(QSvgRenderer(Path("first.svg")).isValid());
    const fenra::FileDialogSettings& s = platform.fileDialogs[0].settings;
    QCOMPARE(s.title, QString("Save image"));
    QCOMPARE(s.filter, QString("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    QCOMPARE(s.defaultSuffix, QString("png"));
    QVERIFY(s.confirmOverwrite);
    QCOMPARE(s.initialFile, QString());
    // The second dialog starts from the first choice; a file name of no image format is
    // refused in words, not written in some format.
    QVERIFY(!fenra::SaveWidgetImageAs(platform, &square_, square_, &last));
    QCOMPARE(platform.fileDialogs[1].settings.initialFile, Path("first.svg"));
    QCOMPARE(platform.events.back(),
             QString("message:The image was not saved: the file name \"second.txt\" ends in "
                     "none of .png, .svg and .pdf"));
    QVERIFY(!QFile::exists(Path("second.txt")));
}

void ImageExportTest::cancelWritesNothing() {
    fenra::ScriptedPlatform platform;
    platform.fileAnswers.push_back(std::nullopt);
    QString last = "kept.png";
    QVERIFY(!fenra::SaveWidgetImageAs(platform, &square_, square_, &last));
    QCOMPARE(last, QString("kept.png"));
    QVERIFY(platform.messages.empty());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ImageExportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "image_export_test.moc"
