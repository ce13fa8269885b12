// The file commands of the main window: target files, the result report, the text editor and
// Exit, with the scripted platform answering the dialogs.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "files/ResultReport.h"
#include "files/TargetFile.h"
#include "state/NumberText.h"
#include "support/MainWindowDriver.h"
#include "ui/platform/QtPlatform.h"

// The windows of the program live in namespace fenra.
using fenra::CurveWindow;

using fenra::FileDialogKind;
using fenra::MainWindowDriver;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const char* const kReference = FENRA_EXAMPLES_DIR "/reference.fta";

}  // namespace

class MainWindowFilesTest : public QObject {
    Q_OBJECT

  private slots:
    void saveTargetWritesEveryDataSet();
    void saveTargetNeedsARatioInTheShownDataSet();
    void openTargetThenCalculateGivesTheReferenceReport();
    void invalidElementLeavesWindowAndStateAgreeing();
    void openTargetTellsWhatItKeptBack();
    void openTargetThatReadsNothingChangesNothing();
    void openTargetFileByPathAsOpenTarget();
    void saveResultNeedsACalculation();
    void writeFailureIsReported();
    void openTextStartsTheEditor();
    void exitClosesTheCurveWindows();

  private:
    QTemporaryDir dir_;
};

void MainWindowFilesTest::saveTargetWritesEveryDataSet() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("He", "3.016", "2000", {{"Si", "1"}, {"O", "2"}});
    d.Run("mnuAdd");
    d.Enter("H", nullptr, "500", {{"Au", ".5"}});
    const QString path = dir_.filePath("saved.fta");
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuTSave");

    QCOMPARE(d.platform.fileDialogs.size(), std::size_t{1});
    const auto& dialog = d.platform.fileDialogs[0];
    QCOMPARE(dialog.kind, FileDialogKind::Save);
    QCOMPARE(dialog.settings.title, QString("Save target"));
    QCOMPARE(dialog.settings.filter, QString("*.fta (*.fta);;All files (*.*)"));
    QCOMPARE(dialog.settings.initialFolder, fenra::DefaultFolder());  // never the program's
    QCOMPARE(dialog.settings.defaultSuffix, QString("fta"));
    QVERIFY(dialog.settings.confirmOverwrite);
    QVERIFY(d.platform.messages.empty());

    const QByteArray bytes = ReadAll(path);
    QCOMPARE(bytes, QByteArray::fromStdString(fenra::TargetFileText(d.state)));
    QVERIFY(bytes.contains("He             3.016         2000          100000       Si1O2\r\n"));
    QVERIFY(bytes.contains("H              1.008         500           100000       Au.5\r\n"));

    // A cancelled dialog writes nothing.
    QFile::remove(path);
    d.Run("mnuTSave");
    QVERIFY(!QFile::exists(path));
}

void MainWindowFilesTest::saveTargetNeedsARatioInTheShownDataSet() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("H", nullptr, "1000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Type(d.Ratio(1), "abc");  // no leading number: 0
    d.platform.fileAnswers.push_back(dir_.filePath("never.fta"));
    d.Run("mnuTSave");
    QCOMPARE(d.platform.events, std::vector<QString>({"message:Target is empty."}));
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QVERIFY(!QFile::exists(dir_.filePath("never.fta")));

    // With a ratio in the shown data set, every data set is written, an empty target too.
    d.ScrollBar()->setValue(1);
    d.Run("mnuTSave");
    const QByteArray bytes = ReadAll(dir_.filePath("never.fta"));
    QCOMPARE(bytes.count("\r\n"), 5);
    QVERIFY(bytes.endsWith("H              1.008         1000          100000       \r\n"));
}

void MainWindowFilesTest::openTargetThenCalculateGivesTheReferenceReport() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    for (int k = 0; k < 24; ++k) d.Run("mnuAdd");  // more data sets than the file has
    d.Run("mnuCal");
    d.platform.fileAnswers.push_back(QString(kReference));
    d.Run("mnuTOpen");

    const auto& dialog = d.platform.fileDialogs.at(0);
    QCOMPARE(dialog.kind, FileDialogKind::Open);
    QCOMPARE(dialog.settings.title, QString("Open target"));
    QCOMPARE(dialog.settings.filter, QString("*.fta (*.fta);;All files (*.*)"));
    QCOMPARE(dialog.settings.initialFolder, fenra::DefaultFolder());  // never the program's
    QCOMPARE(dialog.settings.defaultSuffix, QString());
    QVERIFY(!dialog.settings.confirmOverwrite);

    // The last data set of the file is shown.
    QCOMPARE(d.state.DataSetCount, 22);
    QCOMPARE(d.state.CurrentDataSet, 22);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("22 of 22"));
    QCOMPARE(d.ScrollBar()->maximum(), 22);
    QCOMPARE(d.ScrollBar()->value(), 22);
    QCOMPARE(d.List("DBCbIon")->currentText(), QString("Si"));
    QCOMPARE(d.Field("txtIonMass")->text(), QString("27.977"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("28000"));
    QCOMPARE(d.Element(1)->currentText(), QString("Al"));
    QCOMPARE(d.Ratio(1)->text(), QString("2"));
    QCOMPARE(d.Element(2)->currentText(), QString("O"));
    QCOMPARE(d.Ratio(2)->text(), QString("3"));
    QCOMPARE(d.Ratio(3)->text(), QString());
    // The data sets beyond the file are cleared, results included.
    QCOMPARE(d.state.DataSets[23].IonName, std::string());
    QCOMPARE(d.state.DataSets[1].StopEvAtoms, 0.0f);
    d.Run("mnuRSave");
    QCOMPARE(d.platform.events.back(), QString("message:No calculation was made."));

    d.Run("mnuCal");
    QVERIFY(d.platform.messages.size() == 1);
    const QString report = dir_.filePath("reference.Fre");
    d.platform.fileAnswers.push_back(report);
    d.Run("mnuRSave");
    const auto& save = d.platform.fileDialogs.back();
    QCOMPARE(save.kind, FileDialogKind::Save);
    QCOMPARE(save.settings.title, QString("Save result"));
    QCOMPARE(save.settings.filter, QString("*.Fre (*.Fre);;All files (*.*)"));
    QCOMPARE(save.settings.initialFolder, fenra::DefaultFolder());
    QCOMPARE(save.settings.defaultSuffix, QString("Fre"));
    QVERIFY(save.settings.confirmOverwrite);
    QCOMPARE(ReadAll(report), ReadAll(FENRA_EXAMPLES_DIR "/reference.Fre"));

    // Saving the target again gives the file it came from.
    const QString again = dir_.filePath("again.fta");
    d.platform.fileAnswers.push_back(again);
    d.Run("mnuTSave");
    QCOMPARE(ReadAll(again), ReadAll(kReference));
}

void MainWindowFilesTest::invalidElementLeavesWindowAndStateAgreeing() {
    const QString path = dir_.filePath("bad.fta");
    WriteAll(path,
             "He  4.0026  2000  100000  Si1\r\n"
             "Li  7.016   3000  100000  C1\r\n"
             "Abc 1       500   100000  Si1\r\n"
             "H   1.0078  100   100000  H1\r\n");
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuTOpen");
    QCOMPARE(d.platform.messages.size(), std::size_t{1});
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QCOMPARE(d.platform.messages[0].text, QString("Invalid element !! (line 3: \"Abc\")"));

    // The data sets before the bad line stay; the one being read is current and shown.
    QCOMPARE(d.state.DataSetCount, 3);
    QCOMPARE(d.state.CurrentDataSet, 3);
    QCOMPARE(d.ScrollBar()->maximum(), 3);
    QCOMPARE(d.ScrollBar()->value(), 3);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("3 of 3"));
    QCOMPARE(d.state.DataSets[2].IonName, std::string("Li"));
    QCOMPARE(d.List("DBCbIon")->currentIndex(), -1);

    // The next keystroke lands in the data set the window shows.
    d.Type("txtEnergy", "750");
    QCOMPARE(d.state.DataSets[3].IonEnergy, 750.0f);
    QCOMPARE(d.state.DataSets[2].IonEnergy, 3000.0f);
    d.ScrollBar()->setValue(2);
    QCOMPARE(d.Field("txtEnergy")->text(), QString("3000"));
    QCOMPARE(d.List("DBCbIon")->currentText(), QString("Li"));
    QCOMPARE(d.Element(1)->currentText(), QString("C"));
}

void MainWindowFilesTest::openTargetTellsWhatItKeptBack() {
    // 101 data lines, the first with eleven elements: the table holds 100 and 10 of them.
    QByteArray text = "H  1.0078  1000  100000  H1He1Li1Be1B1C1N1O1F1Ne1Na1\r\n";
    for (int k = 2; k <= 101; ++k)
        text += "He 4.0026  " + QByteArray::number(k) + "  100000  Si1\r\n";
    const QString path = dir_.filePath("long.fta");
    WriteAll(path, text);
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuTOpen");
    QCOMPARE(d.state.DataSetCount, 100);
    QCOMPARE(d.state.DataSets[1].ElementCount, 10);
    QCOMPARE(d.Label("lblDataset1")->text(), QString("100 of 100"));
    QCOMPARE(d.Field("txtEnergy")->text(), QString("100"));
    // Each thing kept back is told, after the window shows the data sets read.
    QCOMPARE(d.platform.messages.size(), std::size_t{2});
    for (const fenra::RecordedMessage& m : d.platform.messages) {
        QCOMPARE(m.title, QString("Fenra32"));
        QVERIFY(!m.text.isEmpty());
    }
}

void MainWindowFilesTest::openTargetThatReadsNothingChangesNothing() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("He", nullptr, "2000", {{"Si", "1"}});
    const QString onlyComments = dir_.filePath("comments.fta");
    WriteAll(onlyComments, "'Fenra32 v1.1 target file\r\n\r\n   \r\n' nothing here\r\n");
    d.platform.fileAnswers.push_back(onlyComments);
    d.platform.fileAnswers.push_back(dir_.filePath("missing.fta"));
    d.Run("mnuTOpen");
    d.Run("mnuTOpen");

    QCOMPARE(d.platform.messages.size(), std::size_t{2});
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QCOMPARE(d.platform.messages[0].text,
             QString("The file holds no data line: the data sets are unchanged."));
    QVERIFY(d.platform.messages[1].text.startsWith("The file could not be read: " +
                                                   dir_.filePath("missing.fta")));
    // The data set typed before is still there and still shown.
    QCOMPARE(d.state.DataSetCount, 1);
    QCOMPARE(d.state.DataSets[1].IonName, std::string("He"));
    QCOMPARE(d.state.DataSets[1].IonEnergy, 2000.0f);
    QCOMPARE(d.Field("txtEnergy")->text(), QString("2000"));
    QCOMPARE(d.Label("lblDataset1")->text(), QString("1 of 1"));
}

// A file named without the dialog (on the command line) is opened as Open target opens the
// file its dialog returns: "Save changes?" first, the same messages, the same data sets.
void MainWindowFilesTest::openTargetFileByPathAsOpenTarget() {
    const QString missing = dir_.filePath("gone.fta");
    const struct {
        const char* name;
        fenra::SaveChangesAnswer answer;
        QString path;
        int dataSets;  // afterwards
    } cases[] = {{"read", fenra::SaveChangesAnswer::Discard, kReference, 22},
                 {"cancelled", fenra::SaveChangesAnswer::Cancel, kReference, 1},
                 {"missing", fenra::SaveChangesAnswer::Discard, missing, 1}};
    // What the window holds and said after opening the file one way or the other.
    struct Outcome {
        int dataSets = 0;
        std::string text;
        QString indicator, path;
        QStringList said;
        std::size_t questions = 0;
    };
    for (const auto& c : cases) {
        const auto open = [&c](bool byDialog) {
            MainWindowDriver d(FENRA_TEST_DATABASE);
            d.Enter("He", nullptr, "2000", {{"Si", "1"}});
            d.platform.saveChangesAnswers.push_back(c.answer);
            if (byDialog) {
                d.platform.fileAnswers.push_back(c.path);
                d.Run("mnuTOpen");
            } else {
                d.window->openTargetFile(c.path);
            }
            Outcome o{d.state.DataSetCount,
                      fenra::TargetFileText(d.state),
                      d.Label("lblDataset1")->text(),
                      d.window->targetDocument().path(),
                      {},
                      d.platform.questions.size()};
            for (const fenra::RecordedMessage& m : d.platform.messages) o.said << m.text;
            return o;
        };
        const Outcome byDialog = open(true);
        const Outcome byPath = open(false);
        QVERIFY2(byPath.questions == 1, c.name);
        QCOMPARE(byPath.dataSets, c.dataSets);
        QCOMPARE(byPath.dataSets, byDialog.dataSets);
        QCOMPARE(byPath.text, byDialog.text);
        QCOMPARE(byPath.indicator, byDialog.indicator);
        QCOMPARE(byPath.said, byDialog.said);
        QCOMPARE(byPath.path, byDialog.path);
    }
}

void MainWindowFilesTest::saveResultNeedsACalculation() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.platform.fileAnswers.push_back(dir_.filePath("none.Fre"));
    d.Run("mnuRSave");
    QCOMPARE(d.platform.events, std::vector<QString>({"message:No calculation was made."}));
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));

    d.Enter("H", nullptr, "1000", {{"Si", "1"}, {"O", "2"}});
    d.Run("mnuAdd");
    d.Run("mnuCal");
    d.Run("mnuRSave");
    const QByteArray bytes = ReadAll(dir_.filePath("none.Fre"));
    QCOMPARE(bytes, QByteArray::fromStdString(fenra::ResultReportText(d.state)));
    QCOMPARE(bytes.count("\r\n"), 6);
    QVERIFY(bytes.contains(" -             -\r\n"));
}

void MainWindowFilesTest::writeFailureIsReported() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    const QString path = dir_.filePath("no/such/folder/x.fta");
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuTSave");
    QCOMPARE(d.platform.messages.size(), std::size_t{1});
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QVERIFY(d.platform.messages[0].text.startsWith("The file could not be written: " + path));
    QVERIFY(!QFile::exists(path));
}

void MainWindowFilesTest::openTextStartsTheEditor() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Run("mnutxtOpen");  // cancelled
    QVERIFY(d.platform.editorPaths.empty());
    const auto& dialog = d.platform.fileDialogs.at(0);
    QCOMPARE(dialog.kind, FileDialogKind::Open);
    QCOMPARE(dialog.settings.title, QString("Open text"));
    QCOMPARE(dialog.settings.filter,
             QString("Target files (*.fta);;Report files (*.Fre);;Curve files (*.Fcv);;All "
                     "files (*)"));
    QCOMPARE(dialog.settings.initialFolder, fenra::DefaultFolder());
    QCOMPARE(dialog.settings.defaultSuffix, QString());

    const QString spaced = dir_.filePath("my report.Fre");
    d.platform.fileAnswers.push_back(spaced);
    d.Run("mnutxtOpen");
    QCOMPARE(d.platform.editorPaths, std::vector<QString>({spaced}));
    QVERIFY(d.platform.messages.empty());

    d.platform.editorStarts = false;
    d.platform.fileAnswers.push_back(spaced);
    d.Run("mnutxtOpen");
    QCOMPARE(d.platform.messages.size(), std::size_t{1});
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    QCOMPARE(d.platform.messages[0].text,
             QString("The program \"xdg-open\" that opens text files is not installed."));

    // The program's own platform names the program it misses.
    {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir_.path().toLocal8Bit());
        fenra::QtPlatform qt;
        QString failure;
        QVERIFY(!qt.startEditor(spaced, &failure));
        qputenv("PATH", path);
        QCOMPARE(failure, QString("The program \"%1\" that opens text files is not installed.")
                              .arg(fenra::EditorCommandFor(spaced).program));
    }

    // The program's one file dialog keeps its folder: a dialog that sets none opens where the
    // last one that set one pointed it, and the first in the documents folder (or home), never
    // in the folder the program was started from.
    QString remembered;
    fenra::FileDialogSettings none;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QCOMPARE(fenra::DialogFolder(none, remembered),
             QFileInfo(documents).isDir() ? documents : QDir::homePath());
    fenra::FileDialogSettings app;
    app.initialFolder = "/opt/fenra/";
    QCOMPARE(fenra::DialogFolder(app, remembered), QString("/opt/fenra/"));
    QCOMPARE(fenra::DialogFolder(none, remembered), QString("/opt/fenra/"));

    // The path reaches the editor as one argument, blanks and shell characters untouched.
    const QString odd = "/tmp/a b;$(x).fta";
    const fenra::EditorCommand command = fenra::EditorCommandFor(odd);
    QCOMPARE(command.arguments.back(), odd);
    QVERIFY(!command.program.contains(' '));
#ifdef Q_OS_LINUX
    QCOMPARE(command.program, QString("xdg-open"));
    QCOMPARE(command.arguments, QStringList({odd}));
#endif
}

void MainWindowFilesTest::exitClosesTheCurveWindows() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Type(d.Ratio(1), "1");
    d.Run("mnuDepthStop");
    d.Run("mnuEnergyStop");
    const QList<CurveWindow*> open = d.window->childWindows().openCurveWindows();
    QCOMPARE(open.size(), 2);
    // Windows of their own: not inside the main window, so it can be brought in front.
    for (CurveWindow* curve : open) {
        QVERIFY(curve->isWindow());
        QVERIFY(curve->parentWidget() == nullptr);
    }
    const QPointer<CurveWindow> first = open[0], second = open[1];
    d.Run("mnuExit");
    QVERIFY(!d.window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(second.isNull());
    QVERIFY(d.window->childWindows().openCurveWindows().isEmpty());
}

QTEST_MAIN(MainWindowFilesTest)
#include "main_window_files_test.moc"
