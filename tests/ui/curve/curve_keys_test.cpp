// The curve window from the keyboard and through a screen reader, and the folder its Save
// curve starts in and hands back to the main window's settings.

#include <QAccessible>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "CurveTestState.h"
#include "support/AccessibilityCheck.h"
#include "support/MainWindowDriver.h"
#include "support/ScriptedPlatform.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

using namespace curve_test;

class CurveKeysTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir_.filePath("config"));
    }
    void keysSaveAndClose();
    void everyControlHasAName();
    void saveCurveStartsInTheCurveFolderAndRemembersIt();
};

void CurveKeysTest::keysSaveAndClose() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot curve = OneCurve();
    Fill(curve.stop, 10.0f);
    CurveWindow w(platform, fenra::CurveKind::DepthStop, curve, "/data/curves");
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(w.findChild<QAction*>("mnuSave")->shortcut(), QKeySequence(QKeySequence::Save));
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);  // the dialog is cancelled
    QCOMPARE(platform.events, std::vector<QString>({"save:Save curve"}));
    QCOMPARE(platform.fileDialogs.at(0).settings.initialFolder, QString("/data/curves"));
    QTest::keyClick(&w, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!w.isVisible());
}

void CurveKeysTest::everyControlHasAName() {
    fenra::ScriptedPlatform platform;
    CurveWindow w(platform, fenra::CurveKind::EnergyStop, OneCurve(), "/tmp");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(fenra::CheckAccessibleNames(&w).unnamed, QStringList());
    QWidget* canvas = w.findChild<QWidget*>("PicCurve");
    QCOMPARE(QAccessible::queryAccessibleInterface(canvas)->text(QAccessible::Name),
             QString("Curve"));
}

void CurveKeysTest::saveCurveStartsInTheCurveFolderAndRemembersIt() {
    fenra::AppSettings settings(dir_.filePath("app"));
    QDir().mkpath(dir_.filePath("curves"));
    settings.RememberFolderOf(fenra::FileKind::Curve, dir_.filePath("curves/old.Fcv"));
    fenra::MainWindowDriver d(FENRA_TEST_DATABASE, &settings);
    d.Type(d.Ratio(1), "1");
    d.Run("mnuDepthStop");
    CurveWindow* w = d.CurveWindowAt(1);
    QVERIFY(w);
    QDir().mkpath(dir_.filePath("elsewhere"));
    const QString path = dir_.filePath("elsewhere/new.Fcv");
    d.platform.fileAnswers.push_back(path);
    QSignalSpy saved(w, &CurveWindow::curveSaved);
    w->saveCurve();
    QCOMPARE(d.platform.fileDialogs.back().settings.initialFolder, dir_.filePath("curves"));
    QCOMPARE(saved.count(), 1);
    QVERIFY(QFile::exists(path));
    QCOMPARE(settings.StartFolder(fenra::FileKind::Curve), dir_.filePath("elsewhere"));
}

QTEST_MAIN(CurveKeysTest)
#include "curve_keys_test.moc"
