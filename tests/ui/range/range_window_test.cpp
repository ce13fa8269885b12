// The range window on its own: the numbers it shows against CalculateStack's for the same
// input, one calculation per burst of typing, the density field, the layer commands and the
// messages.

#include <QtTest>

#include "support/RangeWindowDriver.h"

using namespace range_test;
using fenra::LayerTableModel;

class RangeWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheDataSet();
    void stoppingInEachUnit();
    void threeLayerStack();
    void typingCalculatesOncePerBurst();
    void densityOfACompound();
    void densityOfAListedMaterialIsItsOwn();
    void addRemoveAndReorderLayers();
    void atMostTenLayers();
    void tableHoldsOnlyWhatTheCalculationReads();
    void typingInTheTableRecalculates();
    void energyToReachADepth();
    void outOfModelEnergyWarns();
    void refusedInputsSayWhy();
    void modelChoiceCalculatesWithThatModel();
};

void RangeWindowTest::opensOnTheDataSet() {
    Window t;
    QCOMPARE(t.Field("txtIon")->text(), QString("He"));
    QCOMPARE(t.Field("txtMass")->text(), QString());  // the ion's own mass
    QCOMPARE(t.Field("txtEnergy")->text(), QString("2000"));
    QCOMPARE(t.Field("txtMaterial")->text(), QString("Si"));
    const fenra::Material si = fenra::ResolveMaterial("Si", fenra::Db(), fenra::List());
    QCOMPARE(t.Field("txtDensity")->text(), Shown(si.density));
    QCOMPARE(t.layers().rowCount(), 1);
    QCOMPARE(t.Cell(0, LayerTableModel::Material), QString("Si"));
    QCOMPARE(t.Cell(0, LayerTableModel::Unit), QString("µm"));

    const fenra::StackCalculation c = Calculate(OpeningInput());
    const fenra::StoppingInUnit& s = c.material.stopping;
    QCOMPARE(t.Text("lblElectronic"), Shown(s.electronic));
    QCOMPARE(t.Text("lblNuclear"), Shown(s.nuclear));
    QCOMPARE(t.Text("lblTotal"), Shown(s.total));
    QCOMPARE(t.Text("lblRangeE15"), Shown(c.material.range.e15));
    QCOMPARE(t.Text("lblRangeMgCm2"), Shown(c.material.range.mgCm2));
    QCOMPARE(t.Text("lblRangeUm"), fenra::ShownLength(c.material.range.um));
    QCOMPARE(t.Text("lblStopNote"), QString());
    QCOMPARE(t.Text("lblMessages"), QString());
    QCOMPARE(t.Cell(0, LayerTableModel::EnergyOut), Shown(c.layers[0].energyOut));
}

void RangeWindowTest::stoppingInEachUnit() {
    Window t;
    const fenra::StopUnit units[] = {fenra::StopUnit::EvE15, fenra::StopUnit::KevMgCm2,
                                     fenra::StopUnit::KevUm, fenra::StopUnit::EvAngstrom};
    const char* texts[] = {"eV/(1E15 atoms/cm2)", "keV/(mg/cm2)", "keV/µm", "eV/Å"};
    auto* list = t.Child<QComboBox>("cboStopUnit");
    QCOMPARE(list->count(), 4);
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(list->itemText(k), QString::fromUtf8(texts[k]));
        t.Choose("cboStopUnit", k);
        fenra::StackInput in = OpeningInput();
        in.unit = units[k];
        const fenra::StackCalculation c = Calculate(in);
        QCOMPARE(t.Text("lblElectronic"), Shown(c.material.stopping.electronic));
        QCOMPARE(t.Text("lblTotal"), Shown(c.material.stopping.total));
    }
    // The units differ: keV/um is ten times eV/A, and neither is the areal unit.
    QVERIFY(t.Text("lblTotal") != Shown(Calculate(OpeningInput()).material.stopping.total));
}

void RangeWindowTest::threeLayerStack() {
    Window t;
    t.BuildThreeLayers();
    const fenra::StackCalculation c = Calculate(ThreeLayerInput());
    QVERIFY(c.stackComplete);
    QCOMPARE(t.layers().rowCount(), 3);
    for (int k = 0; k < 3; ++k) {
        const fenra::StackLayerRow& r = c.layers[static_cast<std::size_t>(k)];
        QCOMPARE(t.Cell(k, LayerTableModel::EnergyIn), Shown(r.energyIn));
        // Where the ion stops it leaves with exactly nothing: "0", not "0.00000".
        QCOMPARE(t.Cell(k, LayerTableModel::EnergyOut), ShownEnergyOut(r));
        QCOMPARE(t.Cell(k, LayerTableModel::EnergyLost), Shown(r.energyLoss));
    }
    // 2 MeV helium stops in the silicon; its depth is given both from the silicon's front face
    // and from the stack's, 5 um of mylar and aluminium apart.
    QVERIFY(c.layers[2].stopped);
    QCOMPARE(t.Cell(2, LayerTableModel::StopDepthFromFront),
             Shown(c.layers[2].stopDepth.um) + " µm");
    QCOMPARE(t.Cell(2, LayerTableModel::StopDepthInLayer),
             Shown(c.layers[2].stopDepthInLayer.um) + " µm");
    QVERIFY(qAbs(c.layers[2].stopDepth.um - c.layers[2].stopDepthInLayer.um - 5) < 1e-9);
    QCOMPARE(t.Cell(2, LayerTableModel::Note), QString("the ion stops in this layer"));
    QCOMPARE(t.Cell(2, LayerTableModel::EnergyOut), QString("0"));
    QCOMPARE(c.layers[2].energyOut, 0.0);
    // The note is read whole in its tooltip however narrow its column.
    QCOMPARE(t.layers().index(2, LayerTableModel::Note).data(Qt::ToolTipRole).toString(),
             QString("the ion stops in this layer"));
    QVERIFY(!t.layers().index(1, LayerTableModel::Note).data(Qt::ToolTipRole).isValid());
    QCOMPARE(t.Cell(1, LayerTableModel::StopDepthFromFront), QString());
    QCOMPARE(t.Cell(1, LayerTableModel::StopDepthInLayer), QString());
    QCOMPARE(t.Text("lblEnergyToPass"), Shown(c.energyToPass.energy) + " keV");
    QCOMPARE(t.w->plot().series().size(), c.plot.size());
    QCOMPARE(t.w->shownInput().layers.size(), std::size_t(3));

    // A thicker aluminium layer: the numbers follow at once.
    t.SetCell(1, LayerTableModel::Thickness, "5.5");
    fenra::StackInput in = ThreeLayerInput();
    in.layers[1].thickness = 5.5;
    const fenra::StackCalculation d = Calculate(in);
    QCOMPARE(t.Cell(1, LayerTableModel::EnergyOut), ShownEnergyOut(d.layers[1]));
    QVERIFY(d.layers[1].energyOut < c.layers[1].energyOut);
}

void RangeWindowTest::typingCalculatesOncePerBurst() {
    Window t;
    const int before = t.w->calculationCount();
    QLineEdit* energy = t.Field("txtEnergy");
    energy->selectAll();
    QTest::keyClicks(energy, "1500");           // four changes
    QCOMPARE(t.w->calculationCount(), before);  // nothing yet: the event loop has not turned
    QCoreApplication::processEvents();
    QCOMPARE(t.w->calculationCount(), before + 1);
    fenra::StackInput in = OpeningInput();
    in.energy = 1500;
    QCOMPARE(t.Text("lblTotal"), Shown(Calculate(in).material.stopping.total));
    QCoreApplication::processEvents();
    QCOMPARE(t.w->calculationCount(), before + 1);  // and nothing more after it
}

void RangeWindowTest::densityOfACompound() {
    Window t;
    t.Choose("cboStopUnit", 2);  // keV/um
    t.Type("txtMaterial", "C10H8O4");
    QCOMPARE(t.Field("txtDensity")->text(), QString());
    QCOMPARE(t.Text("lblTotal"), QString("—"));
    QCOMPARE(t.Text("lblStopNote"),
             QString("keV/um needs a density, and the material \"C10H8O4\" has none: give one"));
    QCOMPARE(t.Text("lblRangeUm"), QString("—"));
    QCOMPARE(t.Text("lblRangeNote"),
             QString("um needs a density, and the material \"C10H8O4\" has none: give one"));
    fenra::StackInput in = OpeningInput();
    in.material = "C10H8O4";
    in.unit = fenra::StopUnit::KevUm;
    QCOMPARE(t.Text("lblRangeMgCm2"), Shown(Calculate(in).material.range.mgCm2));

    t.Type("txtDensity", "1.397");
    in.density = 1.397;
    const fenra::StackCalculation c = Calculate(in);
    QCOMPARE(t.Text("lblTotal"), Shown(c.material.stopping.total));
    QCOMPARE(t.Text("lblRangeUm"), fenra::ShownLength(c.material.range.um));
    QCOMPARE(t.Text("lblStopNote"), QString());
}

void RangeWindowTest::densityOfAListedMaterialIsItsOwn() {
    Window t;
    t.Choose("cboStopUnit", 2);
    t.Type("txtMaterial", "mylar");
    QCOMPARE(t.Field("txtDensity")->text(), Shown(fenra::List().Find("mylar")->density));
    fenra::StackInput in = OpeningInput();
    in.material = "mylar";
    in.unit = fenra::StopUnit::KevUm;
    QCOMPARE(t.w->shownInput().density, 0.0);  // the list's own, unrounded
    QCOMPARE(t.Text("lblTotal"), Shown(Calculate(in).material.stopping.total));
    // A density typed over it counts.
    t.Type("txtDensity", "2.8");
    in.density = 2.8;
    QCOMPARE(t.Text("lblTotal"), Shown(Calculate(in).material.stopping.total));
}

void RangeWindowTest::addRemoveAndReorderLayers() {
    Window t;
    t.BuildThreeLayers();
    // Move the aluminium to the front, then the mylar behind the silicon.
    t.SelectLayer(1);
    t.Click("cmdLayerUp");
    QCOMPARE(t.Cell(0, LayerTableModel::Material), QString("Al"));
    QCOMPARE(t.Cell(1, LayerTableModel::Material), QString("mylar"));
    QVERIFY(!t.Child<QPushButton>("cmdLayerUp")->isEnabled());  // the moved layer is the first
    t.SelectLayer(1);
    t.Click("cmdLayerDown");
    QCOMPARE(t.Cell(2, LayerTableModel::Material), QString("mylar"));
    QVERIFY(!t.Child<QPushButton>("cmdLayerDown")->isEnabled());
    fenra::StackInput in = OpeningInput();
    const auto three = ThreeLayers();
    in.layers = {three[1], three[2], three[0]};
    const fenra::StackCalculation c = Calculate(in);
    // The ion stops in the silicon, now the second layer: the mylar behind is not reached.
    QCOMPARE(t.Cell(1, LayerTableModel::StopDepthFromFront),
             Shown(c.layers[1].stopDepth.um) + " µm");
    QCOMPARE(t.Cell(1, LayerTableModel::StopDepthInLayer),
             Shown(c.layers[1].stopDepthInLayer.um) + " µm");
    QCOMPARE(t.Cell(2, LayerTableModel::EnergyIn), QString());
    QCOMPARE(t.Cell(2, LayerTableModel::Note), QString("the ion does not reach this layer"));

    t.SelectLayer(1);
    t.Click("cmdRemoveLayer");
    QCOMPARE(t.layers().rowCount(), 2);
    QCOMPARE(t.Cell(1, LayerTableModel::Material), QString("mylar"));
    in.layers = {three[1], three[0]};
    QCOMPARE(t.Cell(1, LayerTableModel::EnergyOut), Shown(Calculate(in).layers[1].energyOut));
    t.Click("cmdRemoveLayer");
    t.Click("cmdRemoveLayer");
    QCOMPARE(t.layers().rowCount(), 0);
    QVERIFY(!t.Child<QPushButton>("cmdRemoveLayer")->isEnabled());
    QCOMPARE(t.w->plot().missing(), QString("Add a layer to follow the ion through a stack."));
    t.Click("cmdAddLayer");  // an empty stack starts again from the material
    QCOMPARE(t.Cell(0, LayerTableModel::Material), QString("Si"));
}

void RangeWindowTest::atMostTenLayers() {
    Window t;
    t.SelectLayer(0);
    for (int k = 0; k < 12; ++k) t.Click("cmdAddLayer");
    QCOMPARE(t.layers().rowCount(), fenra::kMaxStackLayers);
    QVERIFY(!t.Child<QPushButton>("cmdAddLayer")->isEnabled());
    // The greyed button says why.
    QCOMPARE(t.Child<QPushButton>("cmdAddLayer")->toolTip(),
             QString("A stack holds at most 10 layers: remove one to add another"));
    QVERIFY(!t.layers().insertLayer(0, fenra::LayerText{}));
    fenra::StackInput in = OpeningInput();
    in.layers.assign(10, in.layers[0]);
    const fenra::StackCalculation c = Calculate(in);
    // No refusal: only the notices that the spreads near the stop are estimates (the layer
    // where the ion nearly stops and the one it enters slowly and stops in).
    QVERIFY(!c.warnings.empty());
    QStringList notices;
    for (const fenra::Message& w : c.warnings) {
        notices << QString::fromStdString(fenra::Words(w));
        QVERIFY(notices.back().startsWith("the spreads behind layer "));
    }
    QCOMPARE(t.Text("lblMessages"), notices.join('\n'));
    for (int k = 0; k < 10; ++k) {
        const fenra::StackLayerRow& r = c.layers[static_cast<std::size_t>(k)];
        QCOMPARE(t.Cell(k, LayerTableModel::EnergyOut), r.reached ? ShownEnergyOut(r) : "");
    }
    QVERIFY(c.stopped);  // 2 MeV helium does not pass 10 um of silicon
    t.SelectLayer(3);
    t.Click("cmdRemoveLayer");
    QVERIFY(t.Child<QPushButton>("cmdAddLayer")->isEnabled());
    QCOMPARE(t.Child<QPushButton>("cmdAddLayer")->toolTip(),
             QString("Add a layer behind the current one"));
}

void RangeWindowTest::tableHoldsOnlyWhatTheCalculationReads() {
    Window t;
    LayerTableModel& m = t.layers();
    // The spreads come before the note, which is last and takes the room left over.
    const QStringList headings = {"Material",
                                  "Thickness",
                                  "Unit",
                                  "Density\n(g/cm3)",
                                  "E in\n(keV)",
                                  "E out\n(keV)",
                                  "E lost\n(keV)",
                                  "Stop depth\nin layer",
                                  "Stop depth\nfrom front",
                                  "σE\n(keV)",
                                  "Angle σ\n(mrad)",
                                  "Lateral σ",
                                  "Mean\ncharge",
                                  "Note"};
    QCOMPARE(headings.size(), LayerTableModel::ColumnCount);
    for (int c = 0; c < LayerTableModel::ColumnCount; ++c)
        QCOMPARE(m.headerData(c, Qt::Horizontal).toString(), headings[c]);
    const int count = t.w->calculationCount();
    QVERIFY(!m.setData(m.index(0, LayerTableModel::Unit), 6));  // no seventh unit
    QVERIFY(!m.setData(m.index(0, LayerTableModel::Unit), "um"));
    QVERIFY(!m.setData(m.index(0, LayerTableModel::EnergyOut), "0"));  // results are not typed
    QVERIFY(!(m.flags(m.index(0, LayerTableModel::EnergyOut)) & Qt::ItemIsEditable));
    QVERIFY(m.flags(m.index(0, LayerTableModel::Density)) & Qt::ItemIsEditable);
    QVERIFY(!m.moveLayer(0, -1));
    QVERIFY(!m.moveLayer(0, +1));  // one layer: nowhere to go
    QCoreApplication::processEvents();
    QCOMPARE(t.w->calculationCount(), count);  // nothing refused asked for a calculation
    QCOMPARE(t.Cell(0, LayerTableModel::Unit), QString("µm"));
    // A density typed for a layer counts; one that is no density is refused in the row.
    t.SetCell(0, LayerTableModel::Density, "2.0");
    fenra::StackInput in = OpeningInput();
    in.layers[0].density = 2.0;
    QCOMPARE(t.Cell(0, LayerTableModel::EnergyOut), Shown(Calculate(in).layers[0].energyOut));
    t.SetCell(0, LayerTableModel::Density, "dense");
    QCOMPARE(t.Cell(0, LayerTableModel::Note),
             QString("layer 1: the density is not a positive finite density in g/cm3"));
}

void RangeWindowTest::typingInTheTableRecalculates() {
    auto t = std::make_unique<Window>();
    auto* table = t->Child<QTableView>("tblLayers");
    const QModelIndex thickness = t->layers().index(0, LayerTableModel::Thickness);
    table->setCurrentIndex(thickness);
    table->edit(thickness);
    auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(thickness));
    if (!editor) editor = table->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, ".5");  // "1.5", no Enter
    QCoreApplication::processEvents();
    fenra::StackInput in = OpeningInput();
    in.layers[0].thickness = 1.5;
    QCOMPARE(t->Cell(0, LayerTableModel::EnergyOut), Shown(Calculate(in).layers[0].energyOut));
    // Closing the window with the editor open commits it once more, after the window's
    // calculation is gone: nothing may reach it.
    t.reset();
    QCoreApplication::processEvents();
}

void RangeWindowTest::energyToReachADepth() {
    Window t;
    t.BuildThreeLayers();
    QCOMPARE(t.Text("lblEnergyToReach"), QString());
    t.Type("txtReachDepth", "10");
    fenra::StackInput in = ThreeLayerInput();
    in.reachDepthGiven = true;
    in.reachDepth = 10;
    in.reachDepthUnit = fenra::ThicknessUnit::Um;
    QCOMPARE(t.Text("lblEnergyToReach"), Shown(Calculate(in).energyToReach.energy) + " keV");
    t.Choose("cboReachUnit", static_cast<int>(fenra::ThicknessUnit::MgCm2));
    in.reachDepthUnit = fenra::ThicknessUnit::MgCm2;
    QCOMPARE(t.Text("lblEnergyToReach"), Shown(Calculate(in).energyToReach.energy) + " keV");
    t.Type("txtReachDepth", "100");
    QCOMPARE(t.Text("lblEnergyToReach"),
             QString("the depth lies beyond the back face of the stack"));
}

void RangeWindowTest::outOfModelEnergyWarns() {
    Window t;
    t.Type("txtEnergy", "2");  // 0.5 keV/u
    fenra::StackInput in = OpeningInput();
    in.energy = 2;
    const fenra::StackCalculation c = Calculate(in);
    QVERIFY(!c.warnings.empty());
    QStringList lines;
    for (const fenra::Message& w : c.warnings) lines << QString::fromStdString(fenra::Words(w));
    QCOMPARE(t.Text("lblMessages"), lines.join('\n'));
    QVERIFY(t.Text("lblMessages")
                .startsWith("the energy is outside the model's 1 keV/u to 2 GeV/u; the result is "
                            "extrapolated"));
    QCOMPARE(t.Text("lblTotal"), Shown(c.material.stopping.total));  // still shown
    t.Type("txtEnergy", "2000");
    QCOMPARE(t.Text("lblMessages"), QString());
}

void RangeWindowTest::refusedInputsSayWhy() {
    Window t;
    t.Type("txtEnergy", "2 meV");  // no unit of energy ("2 MeV" is one)
    QCOMPARE(t.Text("lblMessages"), QString("the energy is not a finite number of at least 0 keV"));
    QCOMPARE(t.Text("lblTotal"), QString("—"));
    QCOMPARE(t.Text("lblEnergyToPass"), QString("—"));
    QVERIFY(!t.w->plot().missing().isEmpty());
    t.Type("txtEnergy", "2000");
    t.Type("txtMass", "-4");
    QCOMPARE(t.Text("lblMessages"), QString("the ion mass is not a positive number"));
    t.Type("txtMass", "");
    t.Type("txtIon", "Xx");
    QCOMPARE(t.Text("lblMessages"), QString("the ion \"Xx\" is not in the element table"));
    t.Type("txtIon", "He");
    t.SetCell(0, LayerTableModel::Thickness, "thin");
    QCOMPARE(t.Cell(0, LayerTableModel::Note),
             QString("layer 1: the thickness is not a finite number of at least 0"));
    QCOMPARE(t.Text("lblMessages"), QString("a layer of the stack cannot be read"));
    QCOMPARE(t.Text("lblEnergyToPass"), QString("a layer of the stack cannot be read"));
    t.Type("txtMaterial", "H2O)");
    QCOMPARE(t.Text("lblStopNote"),
             QString("the formula \"H2O)\" has an unmatched ')' at character 4"));
    QCOMPARE(t.Field("txtDensity")->text(), QString());
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RangeWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

void RangeWindowTest::modelChoiceCalculatesWithThatModel() {
    Window t(HeliumIntoSilicon(), StartModel::windowDefault);
    auto* list = t.Child<QComboBox>("cboModel");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemText(0), QString("classic: the calculator's fit"));
    QCOMPARE(list->itemData(0).toString(), QString("classic"));
    QCOMPARE(list->itemText(1),
             QString("modern: the fit joined to corrected Bethe above a few MeV/u"));
    QCOMPARE(list->itemData(1).toString(), QString("modern"));
    // A new window starts on the model of the physics commands.
    QCOMPARE(t.w->modelName(), QStringLiteral("modern"));
    t.Type("txtEnergy", "100000");  // 25 MeV/u, above the modern model's join
    fenra::StackInput in = OpeningInput();
    in.energy = 100000;
    in.model = fenra::StoppingModel::modern;
    const QString modern = t.Text("lblElectronic");
    QCOMPARE(modern, Shown(Calculate(in).material.stopping.electronic));
    QSignalSpy chosen(t.w.get(), &fenra::RangeWindow::modelChosen);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);  // a user's choice: activated, then remembered
    QCoreApplication::processEvents();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("classic"));
    in.model = fenra::StoppingModel::classic;
    QCOMPARE(t.Text("lblElectronic"), Shown(Calculate(in).material.stopping.electronic));
    QVERIFY(t.Text("lblElectronic") != modern);
    QCOMPARE(t.w->shownInput().model, fenra::StoppingModel::classic);
    // Set from the settings: a known name is taken without a signal, another one ignored.
    t.w->setModelName(QStringLiteral("modern"));
    t.w->setModelName(QStringLiteral("bethe"));
    QCoreApplication::processEvents();
    QCOMPARE(t.w->modelName(), QStringLiteral("modern"));
    QCOMPARE(t.Text("lblElectronic"), modern);
    QCOMPARE(chosen.count(), 1);
}

#include "range_window_test.moc"
