// A target file named on the program's command line (a file opened from the desktop): read
// with the checks and messages of Open target; one that cannot be read leaves the new, empty
// data sets of the start, and nothing waits on a pipe.

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/MainWindowDriver.h"

using fenra::MainWindowDriver;

namespace {

const char* const kReference = FENRA_EXAMPLES_DIR "/reference.fta";

}  // namespace

class MainWindowStartFileTest : public QObject {
    Q_OBJECT

  private slots:
    void openTargetFile_data();
    void openTargetFile();
    void aFileThatCannotBeReadLeavesNothingToSave();

  private:
    // The path a case names: made in dir_ for the kinds that need it.
    QString pathOf(const QString& kind);
    QTemporaryDir dir_;
};

QString MainWindowStartFileTest::pathOf(const QString& kind) {
    if (kind == QLatin1String("reference")) return QString::fromLatin1(kReference);
    const QString path = dir_.filePath(kind + QStringLiteral(".fta"));
    if (QFileInfo::exists(path) || kind == QLatin1String("missing")) return path;
    if (kind == QLatin1String("folder")) {
        QDir().mkpath(path);
    } else if (kind == QLatin1String("fifo")) {
        if (mkfifo(QFile::encodeName(path).constData(), 0600) != 0) return {};
    } else if (kind == QLatin1String("comments")) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return {};
        f.write("'Fenra32 v1.1 target file\r\n' nothing here\r\n");
    } else if (kind == QLatin1String("binary")) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly)) return {};
        f.write("H 1 1000 100000 Si1\r\n\x01\x02\x03\r\n");
    }
    return path;
}

void MainWindowStartFileTest::openTargetFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("dataSets");
    QTest::addColumn<QString>("indicator");
    QTest::addColumn<QString>("titleFile");  // the file name in the caption; empty: none
    // The one message, %1 the path; empty: no message. With systemReason, the message is this
    // line and then the system's reason on the next.
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("systemReason");

    QTest::newRow("a target file") << "reference" << 22 << "22 of 22"
                                   << "reference.fta"
                                   << "" << false;
    QTest::newRow("missing") << "missing" << 1 << "1 of 1"
                             << ""
                             << "The file could not be read: %1" << true;
    QTest::newRow("a folder") << "folder" << 1 << "1 of 1"
                              << ""
                              << "The file could not be read: %1" << true;
    QTest::newRow("a pipe") << "fifo" << 1 << "1 of 1"
                            << ""
                            << "The file could not be read: %1" << true;
    QTest::newRow("no data line") << "comments" << 1 << "1 of 1"
                                  << ""
                                  << "The file holds no data line: the data sets are unchanged."
                                  << false;
    QTest::newRow("not text") << "binary" << 1 << "1 of 1"
                              << ""
                              << "%1: the file is not a plain text target file: line 2 holds "
                                 "NUL bytes or other control characters (UTF-16 text or binary "
                                 "data)."
                              << false;
}

void MainWindowStartFileTest::openTargetFile() {
    QFETCH(QString, kind);
    QFETCH(int, dataSets);
    QFETCH(QString, indicator);
    QFETCH(QString, titleFile);
    QFETCH(QString, message);
    QFETCH(bool, systemReason);
    QVERIFY(dir_.isValid());
    const QString path = pathOf(kind);
    QVERIFY2(!path.isEmpty(), qPrintable(kind));

    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.window->openTargetFile(path);

    QCOMPARE(d.state.DataSetCount, dataSets);
    QCOMPARE(d.Label("lblDataset1")->text(), indicator);
    QCOMPARE(d.window->windowTitle(),
             titleFile.isEmpty() ? QString("Fenra32 v1.1") : "Fenra32 v1.1 - " + titleFile);
    QCOMPARE(d.window->targetDocument().path(), titleFile.isEmpty() ? QString() : path);
    // Nothing is asked: at the start there is nothing to save.
    QVERIFY(d.platform.questions.empty());
    if (message.isEmpty()) {
        QVERIFY(d.platform.messages.empty());
        QCOMPARE(d.Field("txtEnergy")->text(), QString("28000"));  // the last data set shown
        return;
    }
    QCOMPARE(d.platform.messages.size(), std::size_t{1});
    QCOMPARE(d.platform.messages[0].title, QString("Fenra32"));
    const QString text = d.platform.messages[0].text;
    const QString expected = message.contains(QLatin1String("%1")) ? message.arg(path) : message;
    if (systemReason) {
        QVERIFY2(text.startsWith(expected + "\n"), qPrintable(text));
        QVERIFY2(text.size() > expected.size() + 1, qPrintable(text));
    } else {
        QCOMPARE(text, expected);
    }
    // The start's data set, as without a file.
    QCOMPARE(d.Field("txtEnergy")->text(), QString("1000"));
    QCOMPARE(d.Field("txtRange")->text(), QString("100000"));
}

void MainWindowStartFileTest::aFileThatCannotBeReadLeavesNothingToSave() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.window->openTargetFile(dir_.filePath("none.fta"));
    QVERIFY(!d.window->targetDocument().changed());
    // The window goes on as usual: Open target reads a file afterwards.
    d.platform.fileAnswers.push_back(QString::fromLatin1(kReference));
    d.Run("mnuTOpen");
    QCOMPARE(d.platform.messages.size(), std::size_t{1});
    QCOMPARE(d.state.DataSetCount, 22);
    QCOMPARE(d.window->windowTitle(), QString("Fenra32 v1.1 - reference.fta"));
}

QTEST_MAIN(MainWindowStartFileTest)
#include "main_window_start_file_test.moc"
