// Every file dialog of the main window and of a curve window starts where the user keeps files
// of its kind: the folder remembered for that kind, else the documents folder (or home), and
// never the program's folder.

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QtTest>

#include "support/MainWindowDriver.h"
#include "ui/curve/CurveWindow.h"

using fenra::MainWindowDriver;

class MainWindowDialogFoldersTest : public QObject {
    Q_OBJECT

  private slots:
    void eachDialogStartsInTheUsersFolder_data();
    void eachDialogStartsInTheUsersFolder();
};

void MainWindowDialogFoldersTest::eachDialogStartsInTheUsersFolder_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("inCurveWindow");
    QTest::addColumn<QString>("title");
    QTest::newRow("Open target") << "mnuTOpen" << false << "Open target";
    QTest::newRow("Save target") << "mnuTSave" << false << "Save target";
    QTest::newRow("Save result") << "mnuRSave" << false << "Save result";
    QTest::newRow("Export results") << "mnuExport" << false << "Export results";
    QTest::newRow("Open text") << "mnutxtOpen" << false << "Open text";
    QTest::newRow("Save curve") << "mnuSave" << true << "Save curve";
    QTest::newRow("Save image") << "mnuSaveImage" << true << "Save image";
    QTest::newRow("Save data") << "mnuSaveData" << true << "Save data";
}

void MainWindowDialogFoldersTest::eachDialogStartsInTheUsersFolder() {
    QFETCH(QString, command);
    QFETCH(bool, inCurveWindow);
    QFETCH(QString, title);
    MainWindowDriver d(FENRA_TEST_DATABASE);  // no settings: nothing remembered
    d.Type(d.Ratio(1), "1");
    d.Run("mnuCal");
    QAction* action = d.Command(command);
    if (inCurveWindow) {
        d.Run("mnuEnergyStop");
        action = d.CurveWindowAt(1)->findChild<QAction*>(command);
    }
    QVERIFY(action != nullptr);
    action->trigger();  // the dialog is cancelled

    QCOMPARE(d.platform.fileDialogs.size(), std::size_t{1});
    const fenra::FileDialogSettings& s = d.platform.fileDialogs[0].settings;
    QVERIFY2(s.title.startsWith(title), qPrintable(s.title));
    QCOMPARE(s.initialFolder, fenra::DefaultFolder());
    const QString program = QDir::cleanPath(QCoreApplication::applicationDirPath());
    QVERIFY(QDir::cleanPath(s.initialFolder) != program);
    QVERIFY(QDir::cleanPath(s.initialFolder) != QDir::cleanPath(QDir::currentPath()) ||
            QDir::currentPath() == fenra::DefaultFolder());
}

QTEST_MAIN(MainWindowDialogFoldersTest)
#include "main_window_dialog_folders_test.moc"
