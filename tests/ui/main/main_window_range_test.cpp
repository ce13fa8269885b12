// The range-and-layers command of the main window: its window opens on the shown data set,
// works on copies, closes with the main window, and opens without the named materials when
// their list cannot be read.

#include <QComboBox>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "materials/MaterialTarget.h"
#include "range/StackCalculation.h"
#include "settings/AppSettings.h"
#include "state/NumberText.h"
#include "support/MainWindowDriver.h"
#include "support/MaterialTestData.h"
#include "ui/range/RangeWindow.h"

using fenra::MainWindowDriver;
using fenra::RangeWindow;

namespace {

QString Text(const RangeWindow& w, const char* name) {
    if (auto* field = w.findChild<QLineEdit*>(QString::fromLatin1(name))) return field->text();
    if (auto* label = w.findChild<QLabel*>(QString::fromLatin1(name))) return label->text();
    return QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

}  // namespace

class MainWindowRangeTest : public QObject {
    Q_OBJECT

  private slots:
    void opensOnTheShownDataSet();
    void worksOnCopiesAndClosesWithTheMainWindow();
    void compoundWithoutDensity();
    void withoutTheListOfMaterials();
    void nextWindowTakesTheModelChosenLast();
};

void MainWindowRangeTest::opensOnTheShownDataSet() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("He", nullptr, "2000", {{"Si", "1"}});
    d.Command("mnuRangeLayers")->trigger();
    const QList<RangeWindow*> open = d.window->childWindows().openRangeWindows();
    QCOMPARE(open.size(), 1);
    const RangeWindow& w = *open[0];
    QVERIFY(w.isVisible());
    const fenra::DataSet& ds = d.state.Current();
    QCOMPARE(Text(w, "txtIon"), QString("He"));
    QCOMPARE(Text(w, "txtMass"), QString::fromStdString(fenra::GeneralText(ds.IonMass)));
    QCOMPARE(Text(w, "txtEnergy"), QString("2000"));
    QCOMPARE(Text(w, "txtMaterial"), QString("Si"));
    // The numbers are the core's for the ion, mass and energy as the window shows them.
    fenra::StackInput in;
    in.ion = "He";
    in.ionMass = Text(w, "txtMass").toDouble();
    in.energy = 2000;
    in.material = "Si";
    in.layers = {{"Si", 1, fenra::ThicknessUnit::Um, 0}};
    const fenra::StackCalculation c = fenra::CalculateStack(in, fenra::Db(), fenra::List());
    QCOMPARE(Text(w, "lblTotal"), fenra::ShownNumber(c.material.stopping.total));
    QCOMPARE(Text(w, "lblRangeUm"), fenra::ShownLength(c.material.range.um));
}

void MainWindowRangeTest::worksOnCopiesAndClosesWithTheMainWindow() {
    auto d = std::make_unique<MainWindowDriver>(FENRA_TEST_DATABASE);
    d->Enter("He", nullptr, "2000", {{"Si", "1"}});
    d->ToolbarButton(12)->trigger();  // the toolbar's button runs the same command
    d->Run("mnuRangeLayers");
    QList<RangeWindow*> open = d->window->childWindows().openRangeWindows();
    QCOMPARE(open.size(), 2);
    auto* energy = open[0]->findChild<QLineEdit*>(QStringLiteral("txtEnergy"));
    energy->selectAll();
    QTest::keyClicks(energy, "5000");
    QCoreApplication::processEvents();
    QCOMPARE(open[0]->shownInput().energy, 5000.0);
    QCOMPARE(d->state.Current().IonEnergy, 2000.0f);  // the data set keeps its energy
    QCOMPARE(d->Field("txtEnergy")->text(), QString("2000"));
    QCOMPARE(Text(*open[1], "txtEnergy"), QString("2000"));  // and so does the other window
    // A range window closed by the user goes; the main window's Exit takes the others along.
    open[1]->close();
    QCoreApplication::processEvents();
    QCOMPARE(d->window->childWindows().openRangeWindows().size(), 1);
    QPointer<RangeWindow> last = open[0];
    d->Run("mnuExit");
    QCoreApplication::processEvents();
    QVERIFY(!last || !last->isVisible());
    d.reset();
    QVERIFY(last.isNull());
}

void MainWindowRangeTest::compoundWithoutDensity() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("He", nullptr, "2000", {{"H", "2"}, {"O", "1"}});
    d.Run("mnuRangeLayers");
    const RangeWindow& w = *d.window->childWindows().openRangeWindows().front();
    QCOMPARE(Text(w, "txtMaterial"),
             QString::fromStdString(fenra::TargetMaterialText(d.state.Current())));
    QCOMPARE(Text(w, "txtDensity"), QString());
    QCOMPARE(Text(w, "lblRangeUm"), QString("—"));
    QVERIFY(Text(w, "lblRangeNote").startsWith("um needs a density, and the material \""));
}

void MainWindowRangeTest::withoutTheListOfMaterials() {
    // A database alone in its folder: no materials.csv beside it.
    QTemporaryDir dir;
    const QString db = dir.filePath("Fenra32.mdb");
    QVERIFY(QFile::copy(QStringLiteral(FENRA_TEST_DATABASE), db));
    MainWindowDriver d(db.toStdString());
    d.Run("mnuRangeLayers");
    QCOMPARE(d.platform.messages.size(), std::size_t(1));
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QVERIFY2(
        d.platform.messages[0].text.startsWith("The list of named materials could not be read: "),
        qPrintable(d.platform.messages[0].text));
    QVERIFY(
        d.platform.messages[0].text.endsWith("\nElement symbols and formulas can still be used."));
    QCOMPARE(d.window->childWindows().openRangeWindows().size(), 1);
    // Said once: a second window opens without a second message, and knows no names.
    d.Run("mnuRangeLayers");
    QCOMPARE(d.platform.messages.size(), std::size_t(1));
    RangeWindow& w = *d.window->childWindows().openRangeWindows().back();
    auto* material = w.findChild<QLineEdit*>(QStringLiteral("txtMaterial"));
    material->setText(QStringLiteral("mylar"));
    w.calculateNow();
    QVERIFY(!Text(w, "lblStopNote").isEmpty());
    material->setText(QStringLiteral("C10H8O4"));
    w.calculateNow();
    QCOMPARE(Text(w, "lblStopNote"), QString());
}

// The stopping model chosen in one range window is remembered for the next one opened (in a
// home of its own, so that no real settings are touched).
void MainWindowRangeTest::nextWindowTakesTheModelChosenLast() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] { qputenv("HOME", oldHome); });
    fenra::AppSettings settings;
    MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    d.Enter("He", nullptr, "2000", {{"Si", "1"}});
    d.Run("mnuRangeLayers");
    RangeWindow& first = *d.window->childWindows().openRangeWindows().front();
    QCOMPARE(first.modelName(), QStringLiteral("modern"));  // none remembered yet
    auto* model = first.findChild<QComboBox*>(QStringLiteral("cboModel"));
    model->setFocus();
    QTest::keyClick(model, Qt::Key_Up);  // a user's choice, as the window hears it
    QCoreApplication::processEvents();
    QCOMPARE(first.modelName(), QStringLiteral("classic"));
    d.Run("mnuRangeLayers");
    const QList<RangeWindow*> open = d.window->childWindows().openRangeWindows();
    QCOMPARE(open.size(), 2);
    QCOMPARE(open.back()->modelName(), QStringLiteral("classic"));
}

QTEST_MAIN(MainWindowRangeTest)
#include "main_window_range_test.moc"
