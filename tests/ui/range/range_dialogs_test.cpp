// The range window's save dialogs start where the user keeps files of their kind and move
// there after a save; the settings give the digits of its numbers; its plot carries a title
// line saying what it shows.

#include <QAction>
#include <QDir>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/AppSettings.h"
#include "support/MainWindowDriver.h"
#include "support/RangeWindowDriver.h"
#include "ui/range/RangeTableView.h"

using namespace range_test;

class RangeDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void eachDialogStartsInItsFolder_data();
    void eachDialogStartsInItsFolder();
    void tableViewStartsInTheDataFolder();
    void mainWindowGivesAndRemembersTheFolders();
    void digitsFromTheSettings_data();
    void digitsFromTheSettings();
    void plotTitleSaysWhatItShows();

  private:
    QTemporaryDir home_;
};

void RangeDialogsTest::initTestCase() {
    // The settings of these tests live in a home of their own (QSettings learns its folder once).
    QVERIFY(home_.isValid());
    qputenv("HOME", home_.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
}

void RangeDialogsTest::eachDialogStartsInItsFolder_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("image");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("file");
    QTest::newRow("Save image") << "mnuSaveImage" << true << "Save image"
                                << "plot.png";
    QTest::newRow("Save data") << "mnuSaveData" << false << "Save data"
                               << "plot.csv";
    QTest::newRow("Save table") << "mnuSaveTable" << false << "Save table"
                                << "layers.csv";
}

void RangeDialogsTest::eachDialogStartsInItsFolder() {
    QFETCH(QString, command);
    QFETCH(bool, image);
    QFETCH(QString, title);
    QFETCH(QString, file);
    Window t;
    QAction* action = t.w->findChild<QAction*>(command);
    QVERIFY(action != nullptr);
    // Nothing remembered: the documents folder (or home), never the program's folder.
    action->trigger();  // cancelled
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});
    const fenra::FileDialogSettings& first = t.platform.fileDialogs[0].settings;
    QVERIFY2(first.title.startsWith(title), qPrintable(first.title));
    QCOMPARE(first.initialFolder, fenra::DefaultFolder());
    QVERIFY(QDir::cleanPath(first.initialFolder) !=
            QDir::cleanPath(QCoreApplication::applicationDirPath()));
    // A folder given by the main window, then the folder of the file just saved.
    QTemporaryDir given, chosen;
    if (image)
        t.w->setImageFolder(given.path());
    else
        t.w->setDataFolder(given.path());
    QSignalSpy saved(t.w.get(),
                     image ? &fenra::RangeWindow::imageSaved : &fenra::RangeWindow::dataSaved);
    t.platform.fileAnswers = {chosen.filePath(file)};
    action->trigger();
    QCOMPARE(t.platform.fileDialogs.at(1).settings.initialFolder, given.path());
    QVERIFY(t.platform.messages.empty());
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.at(0).at(0).toString(), chosen.filePath(file));
    action->trigger();  // cancelled
    QCOMPARE(t.platform.fileDialogs.at(2).settings.initialFolder, chosen.path());
    QCOMPARE(saved.count(), 1);  // a cancelled dialog saves nothing and remembers nothing
    // The other kind keeps its own folder.
    QCOMPARE(image ? t.w->dataFolder() : t.w->imageFolder(), fenra::DefaultFolder());
}

void RangeDialogsTest::tableViewStartsInTheDataFolder() {
    Window t;
    QTemporaryDir given, chosen;
    t.w->setDataFolder(given.path());
    fenra::RangeTableView* view = t.w->openTable();
    auto* save = view->findChild<QPushButton*>("cmdTableSave");
    QVERIFY(save != nullptr);
    t.platform.fileAnswers = {chosen.filePath("table.csv")};
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(t.platform.fileDialogs.size(), std::size_t{1});
    QCOMPARE(t.platform.fileDialogs[0].settings.initialFolder, given.path());
    QVERIFY(t.platform.messages.empty());
    QVERIFY(QFile::exists(chosen.filePath("table.csv")));
    QTest::mouseClick(save, Qt::LeftButton);  // cancelled
    QCOMPARE(t.platform.fileDialogs.at(1).settings.initialFolder, chosen.path());
}

void RangeDialogsTest::mainWindowGivesAndRemembersTheFolders() {
    fenra::AppSettings settings;
    QTemporaryDir images, data;
    settings.RememberFolderOf(fenra::FileKind::Image, images.filePath("old.png"));
    settings.RememberFolderOf(fenra::FileKind::Data, data.filePath("old.csv"));
    fenra::MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    d.Enter("He", nullptr, "2000", {{"Si", "1"}});
    d.Run("mnuRangeLayers");
    fenra::RangeWindow& w = *d.window->childWindows().openRangeWindows().front();
    QCOMPARE(w.imageFolder(), images.path());
    QCOMPARE(w.dataFolder(), data.path());
    QTemporaryDir chosen;
    d.platform.fileAnswers = {chosen.filePath("layers.csv")};
    w.findChild<QAction*>("mnuSaveTable")->trigger();
    QCOMPARE(settings.StartFolder(fenra::FileKind::Data), chosen.path());
    QCOMPARE(settings.StartFolder(fenra::FileKind::Image), images.path());
}

void RangeDialogsTest::digitsFromTheSettings_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("digits");
    QTest::newRow("four") << "4" << 4;
    QTest::newRow("nine") << "9" << 9;
    QTest::newRow("the fewest, two") << "2" << 2;
    QTest::newRow("the most, fifteen") << "15" << 15;
    QTest::newRow("one is too few: six") << "1" << 6;
    QTest::newRow("sixteen is too many: six") << "16" << 6;
    QTest::newRow("not a number: six") << "many" << 6;
    QTest::newRow("none: six") << "" << 6;
}

void RangeDialogsTest::digitsFromTheSettings() {
    QFETCH(QString, stored);
    QFETCH(int, digits);
    {
        QSettings file(QSettings::IniFormat, QSettings::UserScope,
                       QString::fromLatin1(fenra::kSettingsOrganisation),
                       QString::fromLatin1(fenra::kSettingsApplication));
        if (stored.isEmpty())
            file.remove("range/digits");
        else
            file.setValue("range/digits", stored);
        file.sync();
    }
    fenra::AppSettings settings;
    QCOMPARE(settings.RangeDigits(), digits);
    fenra::MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    d.Enter("He", nullptr, "2000", {{"Si", "1"}});
    d.Run("mnuRangeLayers");
    fenra::RangeWindow& w = *d.window->childWindows().openRangeWindows().front();
    QCOMPARE(w.significantDigits(), digits);
    const double total = w.shown().material.stopping.total;
    QCOMPARE(w.findChild<QLabel*>("lblTotal")->text(), fenra::ShownNumber(total, digits));
    QCOMPARE(w.layers().index(0, fenra::LayerTableModel::EnergyOut).data().toString(),
             fenra::ShownNumber(w.shown().layers[0].energyOut, digits));
}

void RangeDialogsTest::plotTitleSaysWhatItShows() {
    Window t;
    QCOMPARE(t.w->plot().title(), QString("He 2000 keV through Si 1 µm (classic model)"));
    t.BuildThreeLayers();
    t.Choose("cboModel", 1);
    t.Choose("cboEnergyUnit", t.Child<QComboBox>("cboEnergyUnit")->findText("MeV/u"));
    t.Type("txtEnergy", "0.5");
    QCOMPARE(t.w->plot().title(),
             QString("He 0.5 MeV/u through mylar 2 µm, Al 3 µm, Si 40 µm (modern model)"));
    QCOMPARE(t.w->plotTitle(), t.w->plot().title());
    t.SetCell(1, fenra::LayerTableModel::Unit, static_cast<int>(fenra::ThicknessUnit::MgCm2));
    QCOMPARE(t.w->plot().title(),
             QString("He 0.5 MeV/u through mylar 2 µm, Al 3 mg/cm2, Si 40 µm (modern model)"));
}

QTEST_MAIN(RangeDialogsTest)
#include "range_dialogs_test.moc"
