// The words of the ion paths window about a run: the progress line (ions done, rate, time left)
// and the caption of its drawing.

#include <QtTest>

#include "ui/implant/ImplantRunTexts.h"

using fenra::CaptionLayer;
using fenra::ImplantRunTexts;

class ImplantRunTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void progress_data();
    void progress();
    void duration_data();
    void duration();
    void caption_data();
    void caption();
};

void ImplantRunTextsTest::progress_data() {
    QTest::addColumn<quint64>("done");
    QTest::addColumn<quint64>("total");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    const struct {
        const char* name;
        quint64 done, total;
        double seconds;
        const char* text;
    } rows[] = {
        {"at the start", 0, 1000, 0, "0 of 1000 ions"},
        {"none done yet", 0, 1000, 2.5, "0 of 1000 ions"},
        {"no time passed", 500, 1000, 0, "500 of 1000 ions"},
        {"clock not finite", 500, 1000, qInf(), "500 of 1000 ions"},
        {"half way", 500, 1000, 2, "500 of 1000 ions, 250 ions/s, 2 s left"},
        {"left rounded up", 3, 10, 1, "3 of 10 ions, 3 ions/s, 3 s left"},
        {"rate rounded", 2, 10, 3, "2 of 10 ions, 1 ions/s, 12 s left"},
        {"under a minute", 1000, 60000, 1, "1000 of 60000 ions, 1000 ions/s, 59 s left"},
        {"minutes", 1000, 1000000, 1, "1000 of 1000000 ions, 1000 ions/s, 16 min 39 s left"},
        {"hours", 1, 100000000, 1, "1 of 100000000 ions, 1 ions/s, 27777 h 46 min left"},
        {"fast", 2000000, 10000000, 4, "2000000 of 10000000 ions, 500000 ions/s, 16 s left"},
        {"all done", 1000, 1000, 4, "1000 of 1000 ions, 250 ions/s"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << r.done << r.total << r.seconds << QString::fromUtf8(r.text);
}

void ImplantRunTextsTest::progress() {
    QFETCH(quint64, done);
    QFETCH(quint64, total);
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(ImplantRunTexts::progress(done, total, seconds), text);
}

void ImplantRunTextsTest::duration_data() {
    QTest::addColumn<quint64>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << quint64(0) << QString("0 s");
    QTest::newRow("59 s") << quint64(59) << QString("59 s");
    QTest::newRow("a minute") << quint64(60) << QString("1 min 0 s");
    QTest::newRow("just under an hour") << quint64(3599) << QString("59 min 59 s");
    QTest::newRow("an hour") << quint64(3600) << QString("1 h 0 min");
    QTest::newRow("seconds dropped") << quint64(7259) << QString("2 h 0 min");
}

void ImplantRunTextsTest::duration() {
    QFETCH(quint64, seconds);
    QFETCH(QString, text);
    QCOMPARE(ImplantRunTexts::duration(seconds), text);
}

void ImplantRunTextsTest::caption_data() {
    QTest::addColumn<QString>("ion");
    QTest::addColumn<double>("energy");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("text");
    QTest::newRow("one layer") << "H" << 2000.0 << "classic"
                               << "H 2000 keV into Si 1000 nm, stopping model classic";
    QTest::newRow("two layers") << "B" << 50.0 << "modern"
                                << "B 50 keV into Si 1000 nm / SiO2 20.5 nm, stopping model "
                                   "modern";
    QTest::newRow("nine digits") << "As" << 1.0 / 3 << "classic"
                                 << "As 0.333333333 keV into Si 1000 nm / SiO2 20.5 nm / Al "
                                    "0.125 nm, stopping model classic";
}

void ImplantRunTextsTest::caption() {
    QFETCH(QString, ion);
    QFETCH(double, energy);
    QFETCH(QString, model);
    QFETCH(QString, text);
    const std::vector<CaptionLayer> all = {{"Si", 1000}, {"SiO2", 20.5}, {"Al", 0.125}};
    // As many layers as the row's text names.
    const std::size_t count = static_cast<std::size_t>(text.count(QStringLiteral(" nm")));
    const std::vector<CaptionLayer> layers(all.begin(), all.begin() + static_cast<long>(count));
    const QByteArray name = model.toLatin1();
    QCOMPARE(ImplantRunTexts::caption(ion.toStdString(), energy, layers, name.constData()), text);
}

QTEST_MAIN(ImplantRunTextsTest)
#include "implant_run_texts_test.moc"
