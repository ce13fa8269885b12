// The ion paths window: it opens on the range window's stack, runs a small simulation in the
// background to the end and shows the library's numbers for the same seed, stops on Cancel with
// the results of the ions done, refuses what it cannot read, and saves its histograms.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <algorithm>
#include <memory>

#include "batch/ImplantLayers.h"
#include "export/ImplantExport.h"
#include "state/NumberText.h"
#include "support/AccessibilityCheck.h"
#include "support/MarkingTranslator.h"
#include "support/MaterialTestData.h"
#include "support/ScriptedPlatform.h"
#include "ui/implant/ImplantPlot.h"
#include "ui/implant/ImplantSummary.h"
#include "ui/implant/ImplantWindow.h"
#include "ui/range/RangeWindow.h"

using fenra::ImplantWindow;

namespace {

constexpr int kRunTimeoutMs = 120000;

// Boron of 50 keV into 20 nm of SiO2 on silicon: a stack where some ions stop in each layer.
fenra::StackInput BoronStack() {
    fenra::StackInput in;
    in.ion = "B";
    in.energy = 50;
    in.material = "Si";
    in.layers = {{"SiO2", 20, fenra::ThicknessUnit::Nm, 2.2},
                 {"Si", 1, fenra::ThicknessUnit::Um, 0}};
    return in;
}

QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<cannot open>");
}

struct Window {
    fenra::ScriptedPlatform platform;
    std::unique_ptr<ImplantWindow> w;

    explicit Window(const fenra::StackInput& in = BoronStack()) {
        w = std::make_unique<ImplantWindow>(platform, fenra::Db(), fenra::List(), in);
        w->show();
        (void)QTest::qWaitForWindowExposed(w.get());
    }
    template <typename T>
    T* Child(const char* name) const {
        T* child = w->findChild<T*>(QString::fromLatin1(name));
        if (!child) qFatal("no child %s", name);
        return child;
    }
    void Set(const char* field, const QString& text) const {
        Child<QLineEdit>(field)->setText(text);
    }
    QString Status() const { return Child<QLabel>("lblStatus")->text(); }
    // Clicks Run and waits for the end of the run.
    bool RunToTheEnd() const {
        QSignalSpy ended(w.get(), &ImplantWindow::runEnded);
        QTest::mouseClick(Child<QPushButton>("cmdRun"), Qt::LeftButton);
        return ended.wait(kRunTimeoutMs);
    }
    QString SummaryCell(const QString& quantity, int column) const {
        auto* t = Child<QTableWidget>("tblSummary");
        for (int row = 0; row < t->rowCount(); ++row)
            if (t->item(row, 0)->text() == quantity) return t->item(row, column)->text();
        return QStringLiteral("<no row %1>").arg(quantity);
    }
};

QString Nine(double v) {
    return QString::fromStdString(fenra::NineDigitText(v));
}

}  // namespace

class ImplantWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }
    void opensOnTheStack();
    void layerButtons();
    void runShowsTheLibrarysNumbers();
    void cancelKeepsTheIonsDone();
    void refusals_data();
    void refusals();
    void saveDataWritesTheHistogram_data();
    void saveDataWritesTheHistogram();
    void saveImageAndNothingToSave();
    void rangeWindowOpensIt();
    void stragglingBoxChoosesTheRun_data();
    void stragglingBoxChoosesTheRun();
    void displacementFieldSetsTheCount_data();
    void displacementFieldSetsTheCount();
    void drawingSaysWhatRan();
    void displacementWordsAreTranslated();

  private:
    QString Path(const QString& name) const { return dir_->filePath(name); }
    std::unique_ptr<QTemporaryDir> dir_;
};

void ImplantWindowTest::opensOnTheStack() {
    Window t;
    QCOMPARE(t.w->windowTitle(), QString("Ion paths"));
    QCOMPARE(t.Child<QLineEdit>("txtIon")->text(), QString("B"));
    QCOMPARE(t.Child<QLineEdit>("txtEnergy")->text(), QString("50"));
    QCOMPARE(t.Child<QTableWidget>("tblLayers")->rowCount(), 2);
    const fenra::StackInput read = t.w->readStack();
    QCOMPARE(read.layers.size(), std::size_t(2));
    QCOMPARE(read.layers[0].material, std::string("SiO2"));
    QCOMPARE(read.layers[0].thickness, 20.0);
    QCOMPARE(read.layers[0].unit, fenra::ThicknessUnit::Nm);
    QCOMPARE(read.layers[0].density, 2.2);
    QCOMPARE(read.layers[1].unit, fenra::ThicknessUnit::Um);
    QCOMPARE(read.layers[1].density, 0.0);
    QVERIFY(t.Child<QPushButton>("cmdRun")->isEnabled());
    QVERIFY(!t.Child<QPushButton>("cmdCancel")->isEnabled());
    QCOMPARE(t.Child<QTableWidget>("tblSummary")->rowCount(), 0);
    // The same model list as the range window's, the model's name as each item's data.
    auto* models = t.Child<QComboBox>("cboModel");
    QCOMPARE(models->count(), 2);
    QCOMPARE(models->itemText(0), QString("classic: the calculator's fit"));
    QCOMPARE(models->itemData(1).toString(), QString("modern"));
    QCOMPARE(models->itemText(1),
             QString("modern: the fit joined to corrected Bethe above a few MeV/u"));
    QCOMPARE(t.w->plot().missing(), QString("Run the simulation to see where the ions end up."));
    // A screen reader names every control.
    const fenra::AccessibilityReport names = fenra::CheckAccessibleNames(t.w.get());
    QVERIFY(names.controlsSeen > 10);
    QCOMPARE(names.unnamed, QStringList());
}

void ImplantWindowTest::layerButtons() {
    Window t;
    auto* table = t.Child<QTableWidget>("tblLayers");
    table->setCurrentCell(0, 0);
    QTest::mouseClick(t.Child<QPushButton>("cmdRemoveLayer"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // The oxide went; the silicon's unit list is the first one now.
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(t.w->readStack().layers[0].material, std::string("Si"));
    QCOMPARE(t.Child<QComboBox>("cboUnit1")->currentText(), QString("um"));
    QCOMPARE(t.Child<QComboBox>("cboUnit1")->accessibleName(), QString("Unit of layer 1"));
    auto* add = t.Child<QPushButton>("cmdAddLayer");
    for (int k = 0; k < 12; ++k)
        if (add->isEnabled()) QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(table->rowCount(), fenra::kMaxImplantLayers);
    QVERIFY(!add->isEnabled());
    QCOMPARE(t.w->readStack().layers.back().material, std::string("Si"));
    QTest::mouseClick(t.Child<QPushButton>("cmdRemoveLayer"), Qt::LeftButton);
    QVERIFY(add->isEnabled());
}

void ImplantWindowTest::runShowsTheLibrarysNumbers() {
    Window t;
    t.Set("txtIons", "600");
    t.Set("txtSeed", "7");
    t.Child<QSpinBox>("spnThreads")->setValue(2);
    QVERIFY(t.RunToTheEnd());
    QCOMPARE(t.Status(), QString("Done: 600 ions."));
    // The library on one thread with the same seed: the same numbers to the last bit.
    fenra::ImplantOptions o;
    o.ions = 600;
    o.seed = 7;
    o.threads = 1;
    const fenra::ImplantStack s =
        fenra::ImplantStackOf(BoronStack(), fenra::Db(), fenra::List(), 0, o.cutoffEv);
    QVERIFY(s.error.Empty());
    const fenra::ImplantResult r = fenra::RunImplant(s.ion, s.layers, o);
    const fenra::ImplantResult& shown = t.w->result();
    QCOMPARE(shown.ionsRun, r.ionsRun);
    QCOMPARE(shown.depth.values, r.depth.values);
    QCOMPARE(shown.nuclearDeposit.values, r.nuclearDeposit.values);
    QCOMPARE(t.SummaryCell("Projected range", 1), Nine(r.projectedRange.mean));
    QCOMPARE(t.SummaryCell("Projected range", 2), Nine(r.projectedRange.error));
    QCOMPARE(t.SummaryCell("Projected range", 3), QString("nm"));
    QCOMPARE(t.SummaryCell("Straggle", 1), Nine(r.straggle.mean));
    QCOMPARE(t.SummaryCell("Backscattered", 1), Nine(100 * r.backscatteredFraction.mean));
    QCOMPARE(t.SummaryCell("Stopped in layer 1 (SiO2)", 1),
             Nine(static_cast<double>(r.stoppedPerLayer[0])));
    QCOMPARE(t.SummaryCell("Stopped in layer 2 (Si)", 1),
             Nine(static_cast<double>(r.stoppedPerLayer[1])));
    // Every row the library's summary has, in its order.
    const auto rows = fenra::ImplantSummary::rows(r, s.names, fenra::DisplacementWords({}));
    auto* table = t.Child<QTableWidget>("tblSummary");
    QCOMPARE(table->rowCount(), static_cast<int>(rows.size()));
    for (int k = 0; k < table->rowCount(); ++k)
        QCOMPARE(table->item(k, 1)->text(), rows[static_cast<std::size_t>(k)].value);
    // The depth profile is drawn with the faces of both layers.
    QCOMPARE(t.w->plot().series().faces, r.layerFaces);
    QCOMPARE(t.w->plot().series().bins.values.size(), r.depth.values.size());
    QCOMPARE(t.Child<QProgressBar>("prgIons")->value(),
             t.Child<QProgressBar>("prgIons")->maximum());
    QVERIFY(t.Child<QPushButton>("cmdRun")->isEnabled());
}

void ImplantWindowTest::cancelKeepsTheIonsDone() {
    Window t;
    t.Set("txtIons", "100000000");
    // One thread follows the blocks of ions in order, so the first progress means block 0 is
    // done and a cancel keeps it; with more, later blocks may finish while block 0 is still under
    // way (a loaded machine), and a cancel then keeps no ion.
    t.Child<QSpinBox>("spnThreads")->setValue(1);
    QSignalSpy ended(t.w.get(), &ImplantWindow::runEnded);
    QTest::mouseClick(t.Child<QPushButton>("cmdRun"), Qt::LeftButton);
    QVERIFY(t.w->running());
    // While it runs the window answers: the fields are locked, Cancel is offered, and the
    // progress bar moves.
    QVERIFY(!t.Child<QPushButton>("cmdRun")->isEnabled());
    QVERIFY(!t.Child<QLineEdit>("txtIon")->isEnabled());
    QVERIFY(t.Child<QPushButton>("cmdCancel")->isEnabled());
    auto* progress = t.Child<QProgressBar>("prgIons");
    QCOMPARE(progress->format(), QString("0 of 100000000 ions"));
    QTRY_VERIFY_WITH_TIMEOUT(!progress->format().startsWith("0 of "), kRunTimeoutMs);
    // The rate and the time left, as the command line shows them.
    const QRegularExpression moving(
        QStringLiteral("^[1-9][0-9]* of 100000000 ions, [0-9]+ ions/s, [0-9]+ (s|min [0-9]+ s|h "
                       "[0-9]+ min) left$"));
    QVERIFY2(moving.match(progress->format()).hasMatch(), qPrintable(progress->format()));
    QTest::mouseClick(t.Child<QPushButton>("cmdCancel"), Qt::LeftButton);
    QVERIFY(ended.wait(kRunTimeoutMs));
    const fenra::ImplantResult& r = t.w->result();
    QVERIFY(r.cancelled);
    QVERIFY(r.ionsRun > 0);
    QVERIFY(r.ionsRun < 100000000u);
    QCOMPARE(r.ionsRequested, uint64_t(100000000));
    QCOMPARE(t.Status(),
             QString("Cancelled: the results of the first %1 of 100000000 ions.").arg(r.ionsRun));
    QCOMPARE(t.SummaryCell("Ions run", 1), Nine(static_cast<double>(r.ionsRun)));
    QVERIFY(t.Child<QPushButton>("cmdRun")->isEnabled());
    QVERIFY(!t.Child<QPushButton>("cmdCancel")->isEnabled());
    QVERIFY(t.Child<QLineEdit>("txtIon")->isEnabled());
}

void ImplantWindowTest::refusals_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");
    QTest::newRow("no ions") << "txtIons"
                             << "0"
                             << "The number of ions is not a whole number of at least 1.";
    QTest::newRow("ions not a number") << "txtIons"
                                       << "many"
                                       << "The number of ions is not a whole number of at least 1.";
    QTest::newRow("negative seed") << "txtSeed"
                                   << "-1"
                                   << "The seed is not a whole number of at least 0.";
    QTest::newRow("cut-off 0") << "txtCutoff"
                               << "0"
                               << "The cut-off energy is not a number above 0 eV.";
    QTest::newRow("angle 90") << "txtAngle"
                              << "90"
                              << "The angle is not a number from 0 to below 90 degrees.";
    QTest::newRow("unknown ion") << "txtIon"
                                 << "Xx"
                                 << "The stack cannot be simulated: the ion: ";
    QTest::newRow("energy below the cut-off")
        << "txtEnergy"
        << "0.005"
        << "The stack cannot be simulated: the energy is not a finite number above the cut-off";
    QTest::newRow("displacement energy 0.5")
        << "txtDisplacement"
        << "0.5"
        << "The displacement energy cannot be used: the displacement energy \"0.5\" is not a "
           "number of eV from 1 to 1000";
    QTest::newRow("displacement energy of no layer's element")
        << "txtDisplacement"
        << "Si=15,Ge=20"
        << "The displacement energy cannot be used: a displacement energy is given for \"Ge\", "
           "an element of no layer";
}

void ImplantWindowTest::refusals() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, status);
    Window t;
    t.Set(field.toLatin1().constData(), text);
    QTest::mouseClick(t.Child<QPushButton>("cmdRun"), Qt::LeftButton);
    QVERIFY(!t.w->running());
    QVERIFY2(t.Status().startsWith(status), qPrintable(t.Status()));
    QCOMPARE(t.w->result().ionsRun, uint64_t(0));
}

void ImplantWindowTest::saveDataWritesTheHistogram_data() {
    QTest::addColumn<int>("histogram");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("depth") << 0 << QByteArray(fenra::kImplantDepthCsvHeader);
    QTest::newRow("displacements") << 3 << QByteArray(fenra::kImplantDepthCsvHeader);
    QTest::newRow("backscattered energy") << 4 << QByteArray("from_keV,to_keV,ions");
    QTest::newRow("transmitted angle") << 7 << QByteArray("from_deg,to_deg,ions");
}

void ImplantWindowTest::saveDataWritesTheHistogram() {
    QFETCH(int, histogram);
    QFETCH(QByteArray, header);
    Window t;
    t.Set("txtIons", "256");
    QVERIFY(t.RunToTheEnd());
    t.Child<QComboBox>("cboHistogram")->setCurrentIndex(histogram);
    t.platform.fileAnswers = {Path("bins.csv")};
    t.Child<QAction>("mnuSaveData")->trigger();
    QVERIFY(t.platform.messages.empty());
    const QByteArray bytes = Bytes(Path("bins.csv"));
    QVERIFY2(bytes.startsWith(header + "\r\n"), bytes.left(80).constData());
    const fenra::ImplantResult& r = t.w->result();
    const std::string expected = histogram < 4 ? fenra::ImplantDepthCsvText(r)
                                 : histogram == 4
                                     ? fenra::ImplantSpectrumCsvText(r.backscatteredSpectrum, "keV")
                                     : fenra::ImplantSpectrumCsvText(r.transmittedAngles, "deg");
    QCOMPARE(bytes, QByteArray::fromStdString(expected));
    // A folder that is not there: said, and nothing claimed written.
    t.platform.fileAnswers = {Path("no/such/folder/bins.csv")};
    t.Child<QAction>("mnuSaveData")->trigger();
    QCOMPARE(t.platform.messages.size(), std::size_t(1));
    QVERIFY(t.platform.messages[0].text.startsWith("The data was not saved: "));
}

void ImplantWindowTest::saveImageAndNothingToSave() {
    Window t;
    t.Child<QAction>("mnuSaveData")->trigger();
    QCOMPARE(t.platform.messages.size(), std::size_t(1));
    QCOMPARE(t.platform.messages[0].text,
             QString("There are no results to save: run the simulation first."));
    QVERIFY(t.platform.fileDialogs.empty());
    t.Set("txtIons", "256");
    QVERIFY(t.RunToTheEnd());
    t.platform.fileAnswers = {Path("profile.png"), Path("profile.svg"), Path("profile.pdf")};
    t.Child<QAction>("mnuSaveImage")->trigger();
    t.Child<QAction>("mnuSaveImage")->trigger();
    t.Child<QAction>("mnuSaveImage")->trigger();
    QCOMPARE(t.platform.messages.size(), std::size_t(1));
    QImage png;
    QVERIFY(png.loadFromData(Bytes(Path("profile.png")), "PNG"));
    int blue = 0;  // the histogram's steps
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x) blue += png.pixelColor(x, y) == QColor(0, 90, 200);
    QVERIFY(blue > 20);
    QVERIFY(Bytes(Path("profile.svg")).contains("<svg"));
    // PDF: a drawing of the picture, one page.
    const QByteArray pdf = Bytes(Path("profile.pdf"));
    QVERIFY(pdf.startsWith("%PDF-"));
    QVERIFY(pdf.contains("/Type /Page"));
}

void ImplantWindowTest::rangeWindowOpensIt() {
    fenra::ScriptedPlatform platform;
    fenra::DataSet d;
    d.IonName = "He";
    d.IonEnergy = 2000;
    d.ElementCount = 1;
    d.TargetElement[1] = "Si";
    d.TargetRatio[1] = 1;
    fenra::RangeWindow range(platform, d, fenra::Db(), fenra::List());
    auto* action = range.findChild<QAction*>("mnuIonPaths");
    QVERIFY(action);
    QCOMPARE(action->text(), QString("Ion paths…"));
    action->trigger();
    auto* paths = range.findChild<ImplantWindow*>();
    QVERIFY(paths);
    QVERIFY(paths->isVisible());
    QVERIFY(paths->testAttribute(Qt::WA_DeleteOnClose));
    const fenra::StackInput shown = range.shownInput(), read = paths->readStack();
    QCOMPARE(read.ion, shown.ion);
    QCOMPARE(read.energy, shown.energy);
    QCOMPARE(read.model, shown.model);
    QCOMPARE(read.layers.size(), shown.layers.size());
    QCOMPARE(read.layers[0].material, shown.layers[0].material);
    QCOMPARE(read.layers[0].thickness, shown.layers[0].thickness);
    QCOMPARE(read.layers[0].unit, shown.layers[0].unit);
}

void ImplantWindowTest::stragglingBoxChoosesTheRun_data() {
    QTest::addColumn<bool>("straggling");
    QTest::newRow("on, the default") << true;
    QTest::newRow("off") << false;
}

// 2 MeV protons through 1 um of silicon: the box decides whether the flights straggle, and the
// window's run is the library's with the same choice.
void ImplantWindowTest::stragglingBoxChoosesTheRun() {
    QFETCH(bool, straggling);
    fenra::StackInput in;
    in.ion = "H";
    in.energy = 2000;
    in.layers = {{"Si", 1, fenra::ThicknessUnit::Um, 0}};
    Window t(in);
    auto* box = t.Child<QCheckBox>("chkStraggling");
    QVERIFY(box->isChecked());
    box->setChecked(straggling);
    t.Set("txtIons", "300");
    QVERIFY(t.RunToTheEnd());
    fenra::ImplantOptions o;
    o.ions = 300;
    o.electronicStraggling = straggling;
    const fenra::ImplantStack s =
        fenra::ImplantStackOf(in, fenra::Db(), fenra::List(), 0, o.cutoffEv);
    QVERIFY(s.error.Empty());
    const fenra::ImplantResult r = fenra::RunImplant(s.ion, s.layers, o);
    const fenra::ImplantResult& shown = t.w->result();
    QCOMPARE(shown.transmittedEnergySpread.mean, r.transmittedEnergySpread.mean);
    QCOMPARE(shown.transmittedSpectrum.values, r.transmittedSpectrum.values);
    // Bohr's straggling spreads the energies by about 4 keV; the collisions alone by far less.
    QCOMPARE(shown.transmittedEnergySpread.mean > 1, straggling);
}

void ImplantWindowTest::displacementFieldSetsTheCount_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("silicon");  // eV
    QTest::addColumn<double>("oxygen");
    // The summary's row, in the words of fenra32-calc implant's summary line.
    QTest::addColumn<QString>("row");
    QTest::newRow("the default") << "25" << 25.0 << 25.0
                                 << "Displacements per ion (Kinchin-Pease, Ed 25 eV)";
    QTest::newRow("one for all") << " 40 " << 40.0 << 40.0
                                 << "Displacements per ion (Kinchin-Pease, Ed 40 eV)";
    QTest::newRow("per element") << "O=28,Si=15" << 15.0 << 28.0
                                 << "Displacements per ion (Kinchin-Pease, Ed Si 15 eV, O 28 eV)";
    QTest::newRow("the same per element")
        << "O=12.5,Si=12.5" << 12.5 << 12.5 << "Displacements per ion (Kinchin-Pease, Ed 12.5 eV)";
    QTest::newRow("one named, the rest all")
        << "Si=60" << 60.0 << 25.0 << "Displacements per ion (Kinchin-Pease, Ed Si 60 eV, O 25 eV)";
}

// The window's run counts the displacements with the energies typed, as the library does with
// the same energies.
void ImplantWindowTest::displacementFieldSetsTheCount() {
    QFETCH(QString, typed);
    QFETCH(double, silicon);
    QFETCH(double, oxygen);
    QFETCH(QString, row);
    Window t;
    QCOMPARE(t.Child<QLineEdit>("txtDisplacement")->text(), QString("25"));
    t.Set("txtDisplacement", typed);
    t.Set("txtIons", "256");
    QVERIFY(t.RunToTheEnd());
    fenra::ImplantOptions o;
    o.ions = 256;
    fenra::ImplantStack s =
        fenra::ImplantStackOf(BoronStack(), fenra::Db(), fenra::List(), 0, o.cutoffEv);
    QVERIFY(s.error.Empty());
    for (fenra::ImplantLayer& layer : s.layers)
        for (fenra::ImplantElement& e : layer.elements)
            e.displacementEnergy = e.Z == 14 ? silicon : oxygen;
    const fenra::ImplantResult r = fenra::RunImplant(s.ion, s.layers, o);
    const fenra::ImplantResult& shown = t.w->result();
    QCOMPARE(shown.displacements.values, r.displacements.values);
    QCOMPARE(shown.displacementsPerIon.mean, r.displacementsPerIon.mean);
    QCOMPARE(shown.nuclearDeposit.values, r.nuclearDeposit.values);
    QCOMPARE(t.SummaryCell(row, 1), Nine(r.displacementsPerIon.mean));
    QCOMPARE(t.SummaryCell(row, 2), Nine(r.displacementsPerIon.error));
    // A refused run leaves the run shown with its words, whatever the field now holds.
    t.Set("txtDisplacement", "O=28,Si=15");
    t.Set("txtIons", "0");
    t.Child<QPushButton>("cmdRun")->click();
    QCOMPARE(t.SummaryCell(row, 1), Nine(r.displacementsPerIon.mean));
}

// The row's words go through the translation, the displacement energies' own words too.
void ImplantWindowTest::displacementWordsAreTranslated() {
    MarkingTranslator marking;
    QVERIFY(QCoreApplication::installTranslator(&marking));
    fenra::ImplantResult r;
    const std::vector<fenra::ElementDisplacement> both = {{"Si", 15}, {"O", 28}};
    const auto rows = fenra::ImplantSummary::rows(r, {}, fenra::DisplacementWords(both));
    QCoreApplication::removeTranslator(&marking);
    const QString expected = QString::fromUtf8(
        "«Displacements per ion (Kinchin-Pease, «Ed ««Si «15 eV»», «O «28 eV»»»»)»");
    QVERIFY(std::any_of(rows.begin(), rows.end(),
                        [&](const fenra::SummaryRow& s) { return s.quantity == expected; }));
}

// The drawing carries a line saying what ran: on screen and in the exported image, and it stays
// that of the run shown when a field is edited afterwards.
void ImplantWindowTest::drawingSaysWhatRan() {
    Window t;
    t.Set("txtIons", "256");
    QVERIFY(t.RunToTheEnd());
    const QString caption("B 50 keV into SiO2 20 nm / Si 1000 nm, stopping model classic");
    QCOMPARE(t.w->plot().series().caption, caption);
    t.Set("txtEnergy", "70");
    t.Child<QComboBox>("cboHistogram")->setCurrentIndex(5);
    QCOMPARE(t.w->plot().series().caption, caption);
    t.platform.fileAnswers = {Path("spectrum.svg")};
    t.Child<QAction>("mnuSaveImage")->trigger();
    const QByteArray svg = Bytes(Path("spectrum.svg"));
    QVERIFY(svg.contains(caption.toUtf8()));
    QVERIFY(svg.contains("Transmitted ions against energy"));
}

QTEST_MAIN(ImplantWindowTest)
#include "implant_window_test.moc"
