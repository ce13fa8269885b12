// The range window's exports: the plot as PNG, SVG, PDF and on the clipboard, its series and
// the layer table as CSV byte for byte, each of what the fields say at the moment of the
// command, and the refusals.

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "export/StackExport.h"
#include "support/RangeWindowDriver.h"

using namespace range_test;

namespace {

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<cannot open>");
}

// The texts of an SVG file's <text> elements, in the order drawn; a number and its unit are
// joined by a no-break space, read here as a blank.
QStringList SvgTexts(const QByteArray& svg) {
    QXmlStreamReader xml(svg);
    QStringList texts;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"text")
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements)
                         .replace(QChar(QChar::Nbsp), QLatin1Char(' '))
                         .simplified();
    return texts;
}

// The same joined by blanks: a title broken over lines reads whole again.
QString SvgText(const QByteArray& svg) {
    return SvgTexts(svg).join(QLatin1Char(' '));
}

void Run(const Window& t, const char* command) {
    t.Child<QAction>(command)->trigger();
}

}  // namespace

class RangeExportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void commandsAreInTheFileMenu();
    void plotImageInThreeFormats();
    void copyImage();
    void narrowExportCarriesTheWholeTitle();
    void plotDataIsTheSeriesAsCsv();
    void tableIsTheLayersAsCsv();
    void exportsFollowTheLastKeystroke();
    void nothingToSaveIsSaid();
    void unwritableCsvIsReported();

  private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void RangeExportTest::commandsAreInTheFileMenu() {
    Window t;
    QCOMPARE(t.Child<QAction>("mnuSaveImage")->text(), QString("Save &image…"));
    QCOMPARE(t.Child<QAction>("mnuCopyImage")->text(), QString("&Copy image"));
    QCOMPARE(t.Child<QAction>("mnuSaveData")->text(), QString("Save &data…"));
    QCOMPARE(t.Child<QAction>("mnuSaveTable")->text(), QString("Save &table…"));
}

void RangeExportTest::plotImageInThreeFormats() {
    Window t;
    t.BuildThreeLayers();
    t.platform.fileAnswers = {Path("plot.png"), Path("plot.svg"), Path("plot.pdf")};
    for (int k = 0; k < 3; ++k) Run(t, "mnuSaveImage");
    QVERIFY(t.platform.messages.empty());
    const QWidget& plot = t.w->plot();
    QImage png;
    QVERIFY(png.loadFromData(Bytes(Path("plot.png")), "PNG"));
    const qreal ratio = plot.devicePixelRatioF();
    QCOMPARE(png.size(), QSize(qRound(plot.width() * ratio), qRound(plot.height() * ratio)));
    QSvgRenderer svg(Path("plot.svg"));
    QVERIFY(svg.isValid());
    QCOMPARE(svg.viewBox().size(), plot.size());
    QVERIFY(Bytes(Path("plot.pdf")).startsWith("%PDF-"));
    // Each dialog starts from the file chosen before.
    QCOMPARE(t.platform.fileDialogs[2].settings.initialFile, Path("plot.svg"));
    // The PNG shows the curve: some of its pixels are the curve's blue.
    int blue = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) blue += png.pixelColor(x, y) == QColor(0, 90, 200);
    QVERIFY(blue > 100);
}

void RangeExportTest::copyImage() {
    Window t;
    QGuiApplication::clipboard()->clear();
    Run(t, "mnuCopyImage");
    const QImage image = QGuiApplication::clipboard()->image();
    QVERIFY(!image.isNull());
    const QWidget& plot = t.w->plot();
    QCOMPARE(image.size(), plot.size() * plot.devicePixelRatioF());
}

void RangeExportTest::narrowExportCarriesTheWholeTitle() {
    Window t;
    t.BuildThreeLayers();
    t.w->resize(t.w->minimumSizeHint());  // the window at its narrowest
    QCoreApplication::processEvents();
    const fenra::StackPlot& plot = t.w->plot();
    const QString title = QStringLiteral(
        "He 2000 keV through mylar 2 µm, Al 3 µm, Si 40 µm "
        "(classic model)");
    QCOMPARE(plot.title(), title);
    // The title does not fit on one line here.
    QVERIFY2(QFontMetricsF(plot.font()).horizontalAdvance(title) > plot.plotArea().width(),
             qPrintable(QString::number(plot.width())));
    t.platform.fileAnswers = {Path("narrow.svg"), Path("narrow.png")};
    Run(t, "mnuSaveImage");
    Run(t, "mnuSaveImage");
    QVERIFY(t.platform.messages.empty());
    const QString svg = SvgText(Bytes(Path("narrow.svg")));
    QVERIFY2(svg.contains(title), qPrintable(svg));
    QVERIFY2(!svg.contains(QChar(0x2026)), qPrintable(svg));  // nothing cut short
    // The first line breaks between two layers, not between a number and its unit.
    const QStringList lines = SvgTexts(Bytes(Path("narrow.svg")));
    QVERIFY2(title.startsWith(lines[0]) && lines[0] != title, qPrintable(lines[0]));
    QVERIFY2(lines[0].endsWith(QString::fromUtf8("µm,")), qPrintable(lines[0]));
    // The layer numbers and the plot lie below the title's two lines.
    const qreal line = QFontMetricsF(plot.font()).height();
    QVERIFY(plot.plotArea().top() >= 8 + 3 * line);
    for (const fenra::LayerLabel& l : plot.layerLabels()) QVERIFY(l.box.top() >= 8 + 2 * line);
    // The PNG has ink on the title's second line, in the middle of the plot's width.
    QImage png;
    QVERIFY(png.loadFromData(Bytes(Path("narrow.png")), "PNG"));
    const qreal ratio = plot.devicePixelRatioF();
    int ink = 0;
    for (int y = qRound((8 + line + 2) * ratio); y < qRound((8 + 2 * line) * ratio); ++y)
        for (int x = png.width() / 4; x < png.width() * 3 / 4; ++x)
            ink += qGray(png.pixel(x, y)) < 128;
    QVERIFY(ink > 10);
}

void RangeExportTest::plotDataIsTheSeriesAsCsv() {
    Window t;
    t.BuildThreeLayers();
    t.Choose("cboStopUnit", 2);
    t.platform.fileAnswers = {Path("path.csv")};
    Run(t, "mnuSaveData");
    fenra::StackInput in = ThreeLayerInput();
    in.unit = fenra::StopUnit::KevUm;
    const std::string expected = fenra::StackPlotCsvText(Calculate(in), in.unit);
    QCOMPARE(Bytes(Path("path.csv")), QByteArray::fromStdString(expected));
    QVERIFY(Bytes(Path("path.csv"))
                .startsWith("layer,depth_e15,depth_mg_cm2,depth_um,energy_keV,"
                            "total_stopping_keV_um,energy_sigma_keV\r\n1,0,0,0,2000,"));
    const fenra::FileDialogSettings& s = t.platform.fileDialogs[0].settings;
    QCOMPARE(s.title, QString("Save data"));
    QCOMPARE(s.filter, QString("CSV file (*.csv);;All files (*.*)"));
    QCOMPARE(s.defaultSuffix, QString("csv"));
    QVERIFY(s.confirmOverwrite);
}

void RangeExportTest::tableIsTheLayersAsCsv() {
    Window t;
    t.BuildThreeLayers();
    t.platform.fileAnswers = {Path("layers.csv")};
    Run(t, "mnuSaveTable");
    QCOMPARE(Bytes(Path("layers.csv")),
             QByteArray::fromStdString(fenra::StackTableCsvText(Calculate(ThreeLayerInput()))));
    const QList<QByteArray> lines = Bytes(Path("layers.csv")).split('\n');
    QCOMPARE(lines.size(), 5);  // heading, three layers, and the end after the last CR LF
    QVERIFY(lines[1].startsWith("1,mylar,1.4,"));
    QVERIFY(lines[2].startsWith("2,Al,"));
    QCOMPARE(t.platform.fileDialogs[0].settings.title, QString("Save table"));
}

void RangeExportTest::exportsFollowTheLastKeystroke() {
    Window t;
    t.BuildThreeLayers();
    QLineEdit* energy = t.Field("txtEnergy");
    energy->selectAll();
    QTest::keyClicks(energy, "3000");  // no turn of the event loop before the command
    t.platform.fileAnswers = {Path("after.csv")};
    Run(t, "mnuSaveTable");
    fenra::StackInput in = ThreeLayerInput();
    in.energy = 3000;
    QCOMPARE(Bytes(Path("after.csv")),
             QByteArray::fromStdString(fenra::StackTableCsvText(Calculate(in))));
}

void RangeExportTest::nothingToSaveIsSaid() {
    Window t;
    t.Type("txtEnergy", "fast");
    t.platform.fileAnswers = {Path("none.csv"), Path("none2.csv")};
    Run(t, "mnuSaveData");
    Run(t, "mnuSaveTable");
    QCOMPARE(t.platform.messages.size(), std::size_t(2));
    QCOMPARE(t.platform.messages[0].text,
             QString("There is no curve to save: the energy is not a finite number of at least "
                     "0 keV"));
    QCOMPARE(t.platform.messages[1].text,
             QString("There is no layer table to save: the stack has no layer, or the ion or "
                     "energy cannot be read."));
    QVERIFY(t.platform.fileDialogs.empty());
    QVERIFY(!QFile::exists(Path("none.csv")));
}

void RangeExportTest::unwritableCsvIsReported() {
    Window t;
    t.platform.fileAnswers = {Path("missing/folder/x.csv")};
    Run(t, "mnuSaveData");
    QCOMPARE(t.platform.messages.size(), std::size_t(1));
    QVERIFY2(t.platform.messages[0].text.startsWith("The file was not saved: "),
             qPrintable(t.platform.messages[0].text));
    QVERIFY(t.platform.messages[0].text.contains("missing/folder/x.csv"));
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RangeExportTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "range_export_test.moc"
