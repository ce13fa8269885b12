// The ion paths run on its own thread, as the window starts it: a stack or options the
// simulation refuses end in failed() with the library's sentence, word for word, and no result.

#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <vector>

#include "support/SiliconLikeLayer.h"
#include "ui/implant/ImplantRunner.h"

using fenra::ImplantIon;
using fenra::ImplantLayer;
using fenra::ImplantOptions;
using fenra::ImplantRunner;

namespace {

enum class Spoil {
    NoLayer,
    ElevenLayers,
    MassZero,
    EnergyNaN,
    Angle90,
    NoIons,
    NoElement,
    NoDensity,
    InfiniteThickness,
    EmptyTable
};

}  // namespace

Q_DECLARE_METATYPE(Spoil)

class ImplantRunnerTest : public QObject {
    Q_OBJECT

  private slots:
    void refusal_data();
    void refusal();
    void aGoodStackFinishes();
};

void ImplantRunnerTest::refusal_data() {
    QTest::addColumn<Spoil>("spoil");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no layer") << Spoil::NoLayer << "no layer";
    QTest::newRow("eleven layers") << Spoil::ElevenLayers << "too many layers";
    QTest::newRow("mass 0") << Spoil::MassZero << "bad ion";
    QTest::newRow("energy NaN") << Spoil::EnergyNaN << "bad energy";
    QTest::newRow("angle 90") << Spoil::Angle90 << "bad angle";
    QTest::newRow("no ions") << Spoil::NoIons << "bad option";
    QTest::newRow("no element") << Spoil::NoElement << "bad element";
    QTest::newRow("no density") << Spoil::NoDensity << "no density";
    QTest::newRow("infinite thickness") << Spoil::InfiniteThickness << "bad thickness";
    QTest::newRow("empty table") << Spoil::EmptyTable << "bad stopping table";
}

void ImplantRunnerTest::refusal() {
    QFETCH(Spoil, spoil);
    QFETCH(QString, reason);
    ImplantIon ion{5, 10.81, 30, 0};
    std::vector<ImplantLayer> stack = {fenra::SiliconLike(100), fenra::SiliconLike(100)};
    ImplantOptions o;
    o.ions = 10;
    o.threads = 1;
    switch (spoil) {
        case Spoil::NoLayer:
            stack.clear();
            break;
        case Spoil::ElevenLayers:
            stack.resize(11, stack[0]);
            break;
        case Spoil::MassZero:
            ion.mass = 0;
            break;
        case Spoil::EnergyNaN:
            ion.energy = std::nan("");
            break;
        case Spoil::Angle90:
            ion.angle = 90;
            break;
        case Spoil::NoIons:
            o.ions = 0;
            break;
        case Spoil::NoElement:
            stack[1].elements.clear();
            break;
        case Spoil::NoDensity:
            stack[0].atomsPerCm3 = 0;
            break;
        case Spoil::InfiniteThickness:
            stack[1].thickness = INFINITY;
            break;
        case Spoil::EmptyTable:
            stack[0].electronic = {};
            break;
    }
    ImplantRunner runner;
    QSignalSpy failed(&runner, &ImplantRunner::failed);
    QSignalSpy finished(&runner, &ImplantRunner::finished);
    QVERIFY(runner.start(ion, stack, o));
    QVERIFY(failed.wait(10000));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), reason);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(runner.result().ionsRun, 0u);
    QVERIFY(!runner.running());
}

// The same runner, given a stack it can take, finishes with every ion and no failure.
void ImplantRunnerTest::aGoodStackFinishes() {
    ImplantRunner runner;
    QSignalSpy failed(&runner, &ImplantRunner::failed);
    QSignalSpy finished(&runner, &ImplantRunner::finished);
    ImplantOptions o;
    o.ions = 10;
    o.threads = 1;
    QVERIFY(runner.start({5, 10.81, 30, 0}, {fenra::SiliconLike(100)}, o));
    QVERIFY(finished.wait(10000));
    QCOMPARE(failed.count(), 0);
    QCOMPARE(runner.result().ionsRun, 10u);
}

QTEST_GUILESS_MAIN(ImplantRunnerTest)
#include "implant_runner_test.moc"
