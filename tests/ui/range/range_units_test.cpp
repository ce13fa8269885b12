// The range window's units: the energy typed in the unit chosen beside it, and the lengths
// shown in nm, µm, mm or cm by their size, the unit named beside the number.

#include <QtTest>
#include <cmath>
#include <limits>

#include "range/IonTarget.h"
#include "support/RangeWindowDriver.h"
#include "ui/range/RangeTexts.h"

using namespace range_test;

class RangeUnitsTest : public QObject {
    Q_OBJECT

  private slots:
    void shownLengths_data();
    void shownLengths();
    void energyInEachUnit_data();
    void energyInEachUnit();
    void rangeAndStopDepthNameTheirUnit();
    void energyTypedWithItsUnit_data();
    void energyTypedWithItsUnit();
    void unitChosenAfterTypedOneKeepsTheNumber();
    void resultEnergiesInTheFieldsUnit_data();
    void resultEnergiesInTheFieldsUnit();
    void lateralSpreadNamesItsUnit();
};

void RangeUnitsTest::shownLengths_data() {
    QTest::addColumn<double>("um");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("below a micrometre in nm") << 0.5 << 6 << "500.000 nm";
    QTest::newRow("a nanometre") << 0.001 << 6 << "1.00000 nm";
    QTest::newRow("rounding up to a micrometre") << 0.9999999 << 6 << "1.00000 µm";
    QTest::newRow("one micrometre") << 1.0 << 6 << "1.00000 µm";
    QTest::newRow("micrometres") << 27.6021 << 6 << "27.6021 µm";
    QTest::newRow("rounding up to a millimetre") << 999.9999 << 6 << "1.00000 mm";
    QTest::newRow("just below a millimetre") << 999.9999 << 8 << "999.99990 µm";
    QTest::newRow("millimetres") << 1500.0 << 6 << "1.50000 mm";
    QTest::newRow("centimetres") << 25000.0 << 6 << "2.50000 cm";
    QTest::newRow("many centimetres stay in cm") << 3.0e6 << 6 << "300.000 cm";
    QTest::newRow("four digits") << 12346.0 << 4 << "1.235 cm";
    QTest::newRow("zero in µm") << 0.0 << 6 << "0.00000 µm";
    QTest::newRow("below a nanometre in nm") << 0.0002 << 6 << "0.200000 nm";
}

void RangeUnitsTest::shownLengths() {
    QFETCH(double, um);
    QFETCH(int, digits);
    QFETCH(QString, text);
    QCOMPARE(fenra::ShownLength(um, digits), text);
}

void RangeUnitsTest::energyInEachUnit_data() {
    const double he = fenra::ResolveIon(fenra::Db(), "He").mass;
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<double>("keV");
    QTest::newRow("eV") << "2000000"
                        << "eV"
                        << "" << 2000.0;
    QTest::newRow("keV") << "2000"
                         << "keV"
                         << "" << 2000.0;
    QTest::newRow("MeV") << "2"
                         << "MeV"
                         << "" << 2000.0;
    QTest::newRow("GeV") << "0.002"
                         << "GeV"
                         << "" << 2000.0;
    QTest::newRow("keV/u times the ion's own mass") << "500"
                                                    << "keV/u"
                                                    << "" << 500 * he;
    QTest::newRow("MeV/u times the ion's own mass") << "0.5"
                                                    << "MeV/u"
                                                    << "" << 500 * he;
    QTest::newRow("GeV/u times the mass typed") << "0.0005"
                                                << "GeV/u"
                                                << "4" << 2000.0;
}

void RangeUnitsTest::energyInEachUnit() {
    QFETCH(QString, typed);
    QFETCH(QString, unit);
    QFETCH(QString, mass);
    QFETCH(double, keV);
    Window t;
    auto* units = t.Child<QComboBox>("cboEnergyUnit");
    QCOMPARE(units->currentText(), QString("keV"));  // as the data set gives it
    QCOMPARE(units->count(), 7);
    const int k = units->findText(unit);
    QVERIFY(k >= 0);
    t.Choose("cboEnergyUnit", k);
    if (!mass.isEmpty()) t.Type("txtMass", mass);
    t.Type("txtEnergy", typed);
    QCOMPARE(t.w->shownInput().energy, keV);
    fenra::StackInput in = OpeningInput();
    in.energy = keV;
    if (!mass.isEmpty()) in.ionMass = mass.toDouble();
    const fenra::StackCalculation c = Calculate(in);
    QCOMPARE(t.Text("lblTotal"), Shown(c.material.stopping.total));
    // The layer's energy out in the same unit as the energy typed.
    const double perU = mass.isEmpty() ? fenra::ResolveIon(fenra::Db(), "He").mass : 4;
    QCOMPARE(t.Cell(0, fenra::LayerTableModel::EnergyOut),
             Shown(fenra::EnergyFromKev(c.layers[0].energyOut, static_cast<fenra::EnergyUnit>(k),
                                        perU)));
}

void RangeUnitsTest::rangeAndStopDepthNameTheirUnit() {
    Window t;
    fenra::StackInput in = OpeningInput();
    QCOMPARE(t.Text("lblRangeUm"), fenra::ShownLength(Calculate(in).material.range.um));
    QVERIFY(t.Text("lblRangeUm").endsWith(" µm"));
    // 100 MeV helium goes millimetres into silicon; 1 mm of it stops the ion.
    t.Choose("cboEnergyUnit", t.Child<QComboBox>("cboEnergyUnit")->findText("MeV"));
    t.Type("txtEnergy", "100");
    t.SetCell(0, fenra::LayerTableModel::Thickness, "10");
    t.SetCell(0, fenra::LayerTableModel::Unit, static_cast<int>(fenra::ThicknessUnit::Mm));
    in.energy = 100000;
    in.layers[0] = {"Si", 10, fenra::ThicknessUnit::Mm, 0};
    const fenra::StackCalculation c = Calculate(in);
    QVERIFY(c.layers[0].stopped);
    QCOMPARE(t.Text("lblRangeUm"), fenra::ShownLength(c.material.range.um));
    QVERIFY2(t.Text("lblRangeUm").endsWith(" mm"), qPrintable(t.Text("lblRangeUm")));
    QCOMPARE(t.Cell(0, fenra::LayerTableModel::StopDepthFromFront),
             fenra::ShownLength(c.layers[0].stopDepth.um));
    QVERIFY(t.Cell(0, fenra::LayerTableModel::StopDepthInLayer).endsWith(" mm"));
}

void RangeUnitsTest::energyTypedWithItsUnit_data() {
    const double he = fenra::ResolveIon(fenra::Db(), "He").mass;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::addColumn<QString>("chosen");  // the selector's unit before typing
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("unit");  // the selector's unit after typing
    QTest::addColumn<double>("keV");    // NaN: refused
    QTest::addColumn<QString>("title");
    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
    row("MeV with a blank") << "keV"
                            << "2 MeV"
                            << ""
                            << "MeV" << 2000.0 << "He 2 MeV";
    row("MeV without") << "keV"
                       << "2MeV"
                       << ""
                       << "MeV" << 2000.0 << "He 2 MeV";
    row("keV/u, the ion's own mass") << "keV"
                                     << "500 keV/u"
                                     << ""
                                     << "keV/u" << 500 * he << "He 500 keV/u";
    row("MeV/u, the mass typed") << "eV"
                                 << "0.5MeV/u"
                                 << "4"
                                 << "MeV/u" << 2000.0 << "He 0.5 MeV/u";
    row("GeV") << "keV"
               << "1.5 GeV"
               << ""
               << "GeV" << 1.5e6 << "He 1.5 GeV";
    row("eV, blanks around") << "MeV"
                             << "  300000 eV "
                             << ""
                             << "eV" << 300.0 << "He 300000 eV";
    row("keV over a chosen MeV") << "MeV"
                                 << "2000 keV"
                                 << ""
                                 << "keV" << 2000.0 << "He 2000 keV";
    row("a bare number keeps MeV") << "MeV"
                                   << "2"
                                   << ""
                                   << "MeV" << 2000.0 << "He 2 MeV";
    row("a bare number keeps keV/u") << "keV/u"
                                     << "500"
                                     << ""
                                     << "keV/u" << 500 * he << "He 500 keV/u";
    // Refused as before: the selector stays, the calculation says the energy is no number.
    row("milli-electronvolt is no unit") << "keV"
                                         << "2 meV"
                                         << ""
                                         << "keV" << nan << "He 2 meV keV";
    row("a unit without a number") << "keV"
                                   << "MeV"
                                   << ""
                                   << "keV" << nan << "He MeV keV";
    row("a unit in other letters") << "keV"
                                   << "2 Mev"
                                   << ""
                                   << "keV" << nan << "He 2 Mev keV";
    // Typed key by key, "2 MeV" on the way moved the selector; the rest is refused.
    row("two units") << "keV"
                     << "2 MeV keV"
                     << ""
                     << "MeV" << nan << "He 2 MeV keV MeV";
    row("a word") << "MeV"
                  << "two MeV"
                  << ""
                  << "MeV" << nan << "He two MeV MeV";
    row("a negative energy") << "keV"
                             << "-2 MeV"
                             << ""
                             << "MeV" << -2000.0 << "He -2 MeV";
}

void RangeUnitsTest::energyTypedWithItsUnit() {
    QFETCH(QString, chosen);
    QFETCH(QString, typed);
    QFETCH(QString, mass);
    QFETCH(QString, unit);
    QFETCH(double, keV);
    QFETCH(QString, title);
    Window t;
    auto* units = t.Child<QComboBox>("cboEnergyUnit");
    t.Choose("cboEnergyUnit", units->findText(chosen));
    if (!mass.isEmpty()) t.Type("txtMass", mass);
    t.Type("txtEnergy", typed);
    QCOMPARE(units->currentText(), unit);
    QCOMPARE(t.w->plotTitle(), title + " through Si 1 µm (classic model)");
    if (std::isnan(keV)) {
        QVERIFY(std::isnan(t.w->shownInput().energy));
        QCOMPARE(t.Text("lblMessages"),
                 QString("the energy is not a finite number of at least 0 keV"));
        QCOMPARE(t.Text("lblTotal"), QString("—"));
        return;
    }
    QCOMPARE(t.w->shownInput().energy, keV);
    if (keV < 0) return;  // refused by the calculation in its own words, as a bare -2000 is
    QVERIFY(!t.Text("lblMessages").contains("energy is not"));
    fenra::StackInput in = OpeningInput();
    in.energy = keV;
    if (!mass.isEmpty()) in.ionMass = mass.toDouble();
    QCOMPARE(t.Text("lblTotal"), Shown(Calculate(in).material.stopping.total));
}

void RangeUnitsTest::unitChosenAfterTypedOneKeepsTheNumber() {
    Window t;
    auto* units = t.Child<QComboBox>("cboEnergyUnit");
    t.Type("txtEnergy", "2 MeV");
    QCOMPARE(t.w->shownInput().energy, 2000.0);
    // The user picks keV: the typed unit gives way, the number stays.
    const int k = units->findText("keV");
    units->setCurrentIndex(k);
    emit units->activated(k);
    QCoreApplication::processEvents();
    QCOMPARE(t.Field("txtEnergy")->text(), QString("2"));
    QCOMPARE(units->currentText(), QString("keV"));
    QCOMPARE(t.w->shownInput().energy, 2.0);
    // Picking the unit already typed leaves the text alone.
    t.Type("txtEnergy", "3 MeV");
    const int m = units->findText("MeV");
    emit units->activated(m);
    QCoreApplication::processEvents();
    QCOMPARE(t.Field("txtEnergy")->text(), QString("3 MeV"));
    QCOMPARE(t.w->shownInput().energy, 3000.0);
}

void RangeUnitsTest::resultEnergiesInTheFieldsUnit_data() {
    QTest::addColumn<QString>("typed");  // the energy field
    QTest::addColumn<QString>("mass");
    QTest::addColumn<int>("unit");  // the energy unit the results are shown in
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("perU");  // the mass of the per-u units
    const double he = fenra::ResolveIon(fenra::Db(), "He").mass;
    using U = fenra::EnergyUnit;
    const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
    row("keV") << "2000"
               << "" << int(U::Kev) << "keV" << 0.0;
    row("eV") << "2000000 eV"
              << "" << int(U::Ev) << "eV" << 0.0;
    row("MeV") << "2 MeV"
               << "" << int(U::Mev) << "MeV" << 0.0;
    row("GeV") << "0.002GeV"
               << "" << int(U::Gev) << "GeV" << 0.0;
    row("keV/u by the ion's own mass") << "500 keV/u"
                                       << "" << int(U::KevPerU) << "keV/u" << he;
    row("MeV/u by the mass typed") << "0.5 MeV/u"
                                   << "4" << int(U::MevPerU) << "MeV/u" << 4.0;
    row("GeV/u by the mass typed") << "0.0005 GeV/u"
                                   << "4" << int(U::GevPerU) << "GeV/u" << 4.0;
}

void RangeUnitsTest::resultEnergiesInTheFieldsUnit() {
    QFETCH(QString, typed);
    QFETCH(QString, mass);
    QFETCH(int, unit);
    QFETCH(QString, name);
    QFETCH(double, perU);
    Window t;
    t.BuildThreeLayers();
    if (!mass.isEmpty()) t.Type("txtMass", mass);
    t.Type("txtEnergy", typed);
    t.Type("txtReachDepth", "10");
    fenra::StackInput in = ThreeLayerInput();
    in.energy = t.w->shownInput().energy;
    if (!mass.isEmpty()) in.ionMass = mass.toDouble();
    in.reachDepthGiven = true;
    in.reachDepth = 10;
    in.reachDepthUnit = fenra::ThicknessUnit::Um;
    const fenra::StackCalculation c = Calculate(in);
    QVERIFY(c.energyToPass.known && c.energyToReach.known);
    const auto shown = [&](double keV) {
        return Shown(fenra::EnergyFromKev(keV, static_cast<fenra::EnergyUnit>(unit), perU));
    };
    QCOMPARE(t.Text("lblEnergyToPass"), shown(c.energyToPass.energy) + " " + name);
    QCOMPARE(t.Text("lblEnergyToReach"), shown(c.energyToReach.energy) + " " + name);
    // The layer table's energies, in the same unit, named in the headings.
    using M = fenra::LayerTableModel;
    QCOMPARE(t.Cell(0, M::EnergyIn), shown(c.layers[0].energyIn));
    QCOMPARE(t.Cell(1, M::EnergyOut), shown(c.layers[1].energyOut));
    QCOMPARE(t.Cell(1, M::EnergyLost), shown(c.layers[1].energyLoss));
    QCOMPARE(t.Cell(0, M::EnergySigma), shown(c.layers[0].energySigma));
    QCOMPARE(t.Cell(2, M::EnergyOut), QString("0"));  // stopped: exactly nothing in any unit
    QCOMPARE(t.layers().headerData(M::EnergyIn, Qt::Horizontal).toString(), "E in\n(" + name + ")");
    QCOMPARE(t.layers().headerData(M::EnergyIn, Qt::Horizontal, Qt::ToolTipRole).toString(),
             "Energy of the ion entering the layer (" + name + ")");
    QCOMPARE(t.layers().headerData(M::EnergySigma, Qt::Horizontal).toString(),
             "σE\n(" + name + ")");
}

void RangeUnitsTest::lateralSpreadNamesItsUnit() {
    Window t;
    t.BuildThreeLayers();
    const fenra::StackCalculation c = Calculate(ThreeLayerInput());
    for (int k = 0; k < 3; ++k)
        QCOMPARE(t.Cell(k, fenra::LayerTableModel::LateralSigma),
                 fenra::ShownLength(c.layers[static_cast<std::size_t>(k)].lateralSigma));
    // Fractions of a micrometre here: in nm.
    for (int k = 0; k < 3; ++k)
        QVERIFY2(t.Cell(k, fenra::LayerTableModel::LateralSigma).endsWith(" nm"),
                 qPrintable(t.Cell(k, fenra::LayerTableModel::LateralSigma)));
    // Through 1 mm of Si at 20 MeV the ion is spread over micrometres.
    t.Type("txtEnergy", "20 MeV");
    t.SetCell(2, fenra::LayerTableModel::Thickness, "1");
    t.SetCell(2, fenra::LayerTableModel::Unit, static_cast<int>(fenra::ThicknessUnit::Mm));
    fenra::StackInput in = ThreeLayerInput();
    in.energy = 20000;
    in.layers[2] = {"Si", 1, fenra::ThicknessUnit::Mm, 0};
    const double lateral = Calculate(in).layers[2].lateralSigma;
    QCOMPARE(t.Cell(2, fenra::LayerTableModel::LateralSigma), fenra::ShownLength(lateral));
    QVERIFY2(t.Cell(2, fenra::LayerTableModel::LateralSigma).endsWith(" µm"),
             qPrintable(t.Cell(2, fenra::LayerTableModel::LateralSigma)));
}

QTEST_MAIN(RangeUnitsTest)
#include "range_units_test.moc"
