// The Help menu: the About box, shown through the platform, with the version, the licence, the
// data sources and the README's accuracy statement.

#include <QFile>
#include <QMenu>
#include <QMenuBar>

#include "support/MainWindowDriver.h"
#include "ui/main/AboutText.h"

using fenra::MainWindowDriver;

class MainWindowHelpTest : public QObject {
    Q_OBJECT

  private slots:
    void aboutShowsVersionLicenceSourcesAndAccuracy();
    void aboutStaysOnDuringACurveWalk();
    void readmeCarriesTheAccuracyStatement();
    void textsSayWhatEachPartComputes_data();
    void textsSayWhatEachPartComputes();
};

void MainWindowHelpTest::aboutShowsVersionLicenceSourcesAndAccuracy() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QMenu* help = d.Child<QMenu>("mnuHelp");
    QVERIFY(help != nullptr);
    QCOMPARE(d.window->menuBar()->actions().last(), help->menuAction());

    d.Run("mnuAbout");
    QCOMPARE(d.platform.events, std::vector<QString>({"about:About Fenra32"}));
    QCOMPARE(d.platform.abouts.size(), std::size_t{1});
    QCOMPARE(d.platform.abouts[0].title, QString("About Fenra32"));
    const QString text = d.platform.abouts[0].text;
    QVERIFY2(text.startsWith(QStringLiteral("Fenra32 " FENRA_VERSION "\n")), qPrintable(text));
    QVERIFY(text.contains("MIT License"));
    QVERIFY(text.contains("Ziegler, Biersack and Littmark (1985)"));
    QVERIFY(text.contains("SOURCES.md"));
    QVERIFY(text.endsWith("Accuracy: " + fenra::AccuracyStatement()));
    // Nothing else was asked of the platform, and the working state is untouched.
    QVERIFY(d.platform.messages.empty());
    QCOMPARE(d.state.DataSetCount, 1);
}

void MainWindowHelpTest::aboutStaysOnDuringACurveWalk() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.window->setCommandsEnabled(false);
    QVERIFY(!d.Command("mnuCal")->isEnabled());
    QVERIFY(d.Command("mnuAbout")->isEnabled());
    d.Run("mnuAbout");
    QCOMPARE(d.platform.abouts.size(), std::size_t{1});
}

// The About box and the README say the same about accuracy (line breaks aside).
void MainWindowHelpTest::readmeCarriesTheAccuracyStatement() {
    QFile readme(QStringLiteral(FENRA_SOURCE_DIR "/README.md"));
    QVERIFY(readme.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(readme.readAll()).simplified();
    QVERIFY2(text.contains(fenra::AccuracyStatement()), qPrintable(fenra::AccuracyStatement()));
}

// The calculator gives electronic stopping only; range and layers add the nuclear stopping.
// Every text that describes the program says which part gives which, and none denies the
// nuclear stopping.
void MainWindowHelpTest::textsSayWhatEachPartComputes_data() {
    QTest::addColumn<QString>("file");  // empty: the About box
    QTest::newRow("About box") << QString();
    QTest::newRow("README") << QStringLiteral("README.md");
    QTest::newRow("fenra32(1)") << QStringLiteral("dist/linux/fenra32.1.in");
    QTest::newRow("AppStream") << QStringLiteral(
        "dist/linux/io.github.fenra32.Fenra32.metainfo.xml.in");
}

void MainWindowHelpTest::textsSayWhatEachPartComputes() {
    QFETCH(QString, file);
    QString text = fenra::AboutText();
    if (!file.isEmpty()) {
        QFile f(QStringLiteral(FENRA_SOURCE_DIR "/") + file);
        QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(file));
        text = QString::fromUtf8(f.readAll());
    }
    // Line breaks and troff's line starts aside.
    text = text.simplified();
    QVERIFY2(!text.contains("no nuclear", Qt::CaseInsensitive), qPrintable(text));
    QVERIFY2(!text.contains("electronic stopping only (", Qt::CaseInsensitive), qPrintable(text));
    QVERIFY2(text.contains("gives the electronic stopping only, as it was designed"),
             qPrintable(text));
    QVERIFY2(text.contains("range-and-layers window"), qPrintable(text));
    QVERIFY2(text.contains("electronic plus the nuclear stopping"), qPrintable(text));
}

QTEST_MAIN(MainWindowHelpTest)
#include "main_window_help_test.moc"
