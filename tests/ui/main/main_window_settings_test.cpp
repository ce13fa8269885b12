// What the main window keeps: the status bar's texts, "Save changes?" before Open target,
// Reset and Exit, the recent targets, and the settings from one run to the next, all in a
// temporary configuration folder and home.

#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include "files/TargetFile.h"
#include "support/MainWindowDriver.h"
#include "ui/range/RangeWindow.h"

using fenra::AppSettings;
using fenra::MainWindowDriver;
using fenra::SaveChangesAnswer;

class MainWindowSettingsTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QByteArray oldHome_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    // A copy of the example target file in the folder given.
    QString Target(const QString& folder, const QString& name) const {
        QDir().mkpath(Path(folder));
        const QString path = Path(folder + "/" + name);
        QFile::remove(path);
        QFile::copy(QStringLiteral(FENRA_SOURCE_DIR "/examples/demo.fta"), path);
        return path;
    }

    static QString StatusText(const MainWindowDriver& d, const char* name) {
        return d.Child<QLabel>(QString::fromLatin1(name))->text();
    }

    static QStringList RecentMenu(const MainWindowDriver& d) {
        auto* menu = d.Child<QMenu>("mnuRecent");
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* a : menu->actions()) texts << a->text();
        return texts;
    }

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        oldHome_ = qgetenv("HOME");
        QDir().mkpath(Path("home"));
        qputenv("HOME", Path("home").toLocal8Bit());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Path("config"));
    }
    void cleanupTestCase() { qputenv("HOME", oldHome_); }
    void init() { QFile::remove(Path("config/fenra32/fenra32.ini")); }

    void statusBarNamesFileDataSetAndUnit();
    void unchangedDataSetsAskNothing();
    void cancelKeepsEverything();
    void discardGoesOn();
    void saveSavesThenGoesOn();
    void aFailedSaveStopsTheCommand();
    void resetAndExitAskToo();
    void recentTargetsListTheLastFilesOpened();
    void aMissingRecentTargetIsRemovedWithAMessage();
    void settingsThatCannotBeWrittenAreReported();
    void settingsComeBackInTheNextRun();
    void theRangeWindowKeepsItsGeometry();
    void damagedSettingsAreReportedInTheStatusBar();
};

void MainWindowSettingsTest::statusBarNamesFileDataSetAndUnit() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QCOMPARE(d.window->windowTitle(), QString("Fenra32 v1.1"));
    QCOMPARE(StatusText(d, "StatusFile"), QString("No target file"));
    QCOMPARE(StatusText(d, "StatusDataSet"), QString("Data set 1 of 1"));
    QCOMPARE(StatusText(d, "StatusUnit"), QString("Unit: eV/(1e15/cm2)"));
    d.Run("mnuAdd");
    QCOMPARE(StatusText(d, "StatusDataSet"), QString("Data set 2 of 2"));
    d.List("cbUnit")->setCurrentIndex(1);
    QCOMPARE(StatusText(d, "StatusUnit"), QString("Unit: keV/mg/cm2"));

    const QString demo = Target("files", "demo.fta");
    d.platform.fileAnswers.push_back(demo);
    d.Run("mnuTOpen");
    QCOMPARE(d.window->windowTitle(), QString("Fenra32 v1.1 - demo.fta"));
    QCOMPARE(StatusText(d, "StatusFile"), QString("demo.fta"));
    QCOMPARE(StatusText(d, "StatusDataSet"), QString("Data set 7 of 7"));

    // A compound keeps the length units for the others: no bell, the unit named as chosen.
    d.List("cbUnit")->setCurrentIndex(2);
    QCOMPARE(d.platform.beeps, 0);
    QCOMPARE(StatusText(d, "StatusUnit"), QString("Unit: ev/A"));
}

void MainWindowSettingsTest::unchangedDataSetsAskNothing() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Run("mnuCal");  // results are no change of the target
    d.platform.clearRecords();
    d.platform.fileAnswers.push_back(Target("files", "a.fta"));
    d.Run("mnuTOpen");
    QCOMPARE(d.platform.events.front(), QString("open:Open target"));
    QVERIFY(!d.window->targetDocument().changed());
    d.Run("mnuTOpen");  // as opened: no question
    QCOMPARE(d.platform.questions.size(), std::size_t{0});
}

void MainWindowSettingsTest::cancelKeepsEverything() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Field("txtEnergy"), "2500");
    QVERIFY(d.window->targetDocument().changed());
    d.platform.clearRecords();
    d.platform.saveChangesAnswers = {SaveChangesAnswer::Cancel};
    d.Run("mnuTOpen");
    QCOMPARE(d.platform.events, std::vector<QString>({"ask:Save changes?"}));
    QCOMPARE(d.platform.questions.at(0).title, QString("Fenra32"));
    QCOMPARE(d.state.DataSets[1].IonEnergy, 2500.0f);
    QCOMPARE(d.Field("txtEnergy")->text(), QString("2500"));
}

void MainWindowSettingsTest::discardGoesOn() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Field("txtEnergy"), "2500");
    d.platform.clearRecords();
    d.platform.saveChangesAnswers = {SaveChangesAnswer::Discard};
    d.platform.fileAnswers.push_back(Target("files", "demo.fta"));
    d.Run("mnuTOpen");
    QCOMPARE(d.platform.events, std::vector<QString>({"ask:Save changes?", "open:Open target"}));
    QCOMPARE(d.state.DataSetCount, 7);
    QVERIFY(!d.window->targetDocument().changed());
}

void MainWindowSettingsTest::saveSavesThenGoesOn() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    d.Type(d.Field("txtEnergy"), "2500");
    const std::string edited = fenra::TargetFileText(d.state);
    d.platform.clearRecords();
    d.platform.saveChangesAnswers = {SaveChangesAnswer::Save};
    const QString saved = Path("files/edited.fta");
    d.platform.fileAnswers = {saved, Target("files", "demo.fta")};
    d.Run("mnuTOpen");
    QCOMPARE(d.platform.events,
             std::vector<QString>({"ask:Save changes?", "save:Save target", "open:Open target"}));
    QFile file(saved);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), edited);
    QCOMPARE(d.window->targetDocument().path(), Path("files/demo.fta"));
}

void MainWindowSettingsTest::aFailedSaveStopsTheCommand() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Field("txtEnergy"), "2500");  // ratio 1 empty: Save target refuses
    d.platform.clearRecords();
    d.platform.saveChangesAnswers = {SaveChangesAnswer::Save};
    d.Run("mnuTOpen");
    QCOMPARE(d.platform.events,
             std::vector<QString>({"ask:Save changes?", "message:Target is empty."}));

    d.Type(d.Ratio(1), "1");
    d.platform.clearRecords();
    d.platform.saveChangesAnswers = {SaveChangesAnswer::Save};
    d.platform.fileAnswers = {std::nullopt};  // the save dialog is cancelled
    d.Run("mnuTOpen");
    QCOMPARE(d.platform.events, std::vector<QString>({"ask:Save changes?", "save:Save target"}));
    QCOMPARE(d.state.DataSets[1].IonEnergy, 2500.0f);
}

void MainWindowSettingsTest::resetAndExitAskToo() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Run("mnuAdd");
    d.platform.clearRecords();
    d.platform.saveChangesAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::Cancel,
                                     SaveChangesAnswer::Discard};
    d.Child<QPushButton>("cmdReset")->click();
    QCOMPARE(d.state.DataSetCount, 2);
    d.Run("mnuExit");
    QVERIFY(d.window->isVisible());
    QCOMPARE(d.state.DataSetCount, 2);
    d.Run("mnuExit");
    QVERIFY(!d.window->isVisible());
    QCOMPARE(d.platform.questions.size(), std::size_t{3});
}

void MainWindowSettingsTest::recentTargetsListTheLastFilesOpened() {
    AppSettings settings;
    MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    QCOMPARE(RecentMenu(d), QStringList({"(none)"}));
    for (const char* name : {"a.fta", "b.fta", "a.fta"}) {
        d.platform.fileAnswers.push_back(Target("recent", name));
        d.Run("mnuTOpen");
    }
    QCOMPARE(RecentMenu(d), QStringList({"&1 a.fta", "&2 b.fta"}));
    QCOMPARE(d.Child<QAction>("mnuRecent2")->toolTip(), Path("recent/b.fta"));
    d.Child<QAction>("mnuRecent2")->trigger();
    QCOMPARE(d.window->targetDocument().path(), Path("recent/b.fta"));
    QCOMPARE(RecentMenu(d), QStringList({"&1 b.fta", "&2 a.fta"}));
}

void MainWindowSettingsTest::aMissingRecentTargetIsRemovedWithAMessage() {
    AppSettings settings;
    MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    const QString gone = Target("recent", "gone.fta");
    d.platform.fileAnswers.push_back(gone);
    d.Run("mnuTOpen");
    QVERIFY(QFile::remove(gone));
    d.Type(d.Field("txtEnergy"), "2500");
    d.platform.clearRecords();
    RecentMenu(d);
    d.Child<QAction>("mnuRecent1")->trigger();
    // Nothing to open, so nothing to ask.
    QCOMPARE(d.platform.events,
             std::vector<QString>({"message:The target file \"" + gone +
                                   "\" no longer exists; it was removed from the recent "
                                   "targets."}));
    QCOMPARE(settings.RecentTargets(), QStringList());
    QCOMPARE(AppSettings().RecentTargets(), QStringList());  // saved at once
    QCOMPARE(d.state.Current().IonEnergy, 2500.0f);
}

// A settings file whose destination is full: the recent target is kept for the run, the status
// bar says why it could not be saved, and Exit says it once more in a box.
void MainWindowSettingsTest::settingsThatCannotBeWrittenAreReported() {
    AppSettings settings;
    MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    const QString ini = Path("config/fenra32/fenra32.ini");
    QVERIFY(QDir().mkpath(Path("config/fenra32")));
    QVERIFY(QFile::link("/dev/full", ini));
    const QString problem =
        "The settings could not be saved: Cannot write /dev/full: No space left on device.";
    d.platform.fileAnswers.push_back(Target("full", "a.fta"));
    d.Run("mnuTOpen");
    QCOMPARE(d.window->statusBar()->currentMessage(), problem);
    QCOMPARE(settings.RecentTargets(), QStringList({Path("full/a.fta")}));
    d.platform.clearRecords();
    d.Run("mnuExit");
    QCOMPARE(d.platform.events, std::vector<QString>({"message:" + problem}));
    QVERIFY(QFile::remove(ini));
}

void MainWindowSettingsTest::settingsComeBackInTheNextRun() {
    const QString target = Target("kept", "t.fta");
    QByteArray geometry;
    {
        AppSettings settings;
        MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
        QCOMPARE(d.platform.fileDialogs.size(), std::size_t{0});
        d.platform.fileAnswers.push_back(target);
        d.Run("mnuTOpen");
        QCOMPARE(d.platform.fileDialogs.at(0).settings.initialFolder, Path("home"));
        d.List("cbUnit")->setCurrentIndex(1);
        d.List("DBCbIon")->setCurrentText("He");
        d.window->resize(700, 520);
        geometry = d.window->saveGeometry();
        d.Run("mnuExit");
    }
    AppSettings settings;
    MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    QCOMPARE(d.List("cbUnit")->currentIndex(), 1);
    QCOMPARE(d.List("DBCbIon")->currentText(), QString("He"));
    QCOMPARE(d.state.DataSets[1].IonName, std::string("He"));
    QCOMPARE(d.window->size(), QSize(700, 520));
    QCOMPARE(settings.Geometry("MainWindow"), geometry);
    QVERIFY(!d.window->targetDocument().changed());  // restored choices are the starting point
    d.Run("mnuTOpen");
    d.Run("mnuRSave");  // nothing calculated: refused before any dialog
    d.Run("mnutxtOpen");
    QCOMPARE(d.platform.fileDialogs.at(0).settings.initialFolder, Path("kept"));
    QCOMPARE(d.platform.fileDialogs.at(1).settings.initialFolder, Path("home"));
    QCOMPARE(RecentMenu(d), QStringList({"&1 t.fta"}));
}

void MainWindowSettingsTest::theRangeWindowKeepsItsGeometry() {
    AppSettings settings;
    MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    d.Run("mnuRangeLayers");
    QCOMPARE(d.window->childWindows().openRangeWindows().size(), 1);
    QWidget* first = d.window->childWindows().openRangeWindows().at(0);
    first->resize(1130, 760);
    const QByteArray geometry = first->saveGeometry();
    first->close();
    QCOMPARE(settings.Geometry("RangeWindow"), geometry);
    // The next range window opens as the last one was left, also after Exit (its close keeps
    // the geometry too).
    d.Run("mnuRangeLayers");
    QCOMPARE(d.window->childWindows().openRangeWindows().size(), 1);
    QCOMPARE(d.window->childWindows().openRangeWindows().at(0)->size(), QSize(1130, 760));
    d.window->childWindows().openRangeWindows().at(0)->resize(1060, 740);
    d.Run("mnuExit");
    QWidget probe;
    QVERIFY(probe.restoreGeometry(AppSettings().Geometry("RangeWindow")));
    QCOMPARE(probe.size(), QSize(1060, 740));
}

void MainWindowSettingsTest::damagedSettingsAreReportedInTheStatusBar() {
    QDir().mkpath(Path("config/fenra32"));
    QFile ini(Path("config/fenra32/fenra32.ini"));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QByteArray("\x00\x01[unclosed\n", 13));
    ini.close();
    AppSettings settings;
    MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    QVERIFY(d.window->isVisible());
    QCOMPARE(d.window->statusBar()->currentMessage(), settings.Problem());
    QVERIFY(settings.Problem().contains("could not be read"));
    QCOMPARE(d.List("cbUnit")->currentIndex(), 0);
}

QTEST_MAIN(MainWindowSettingsTest)
#include "main_window_settings_test.moc"
