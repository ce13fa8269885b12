// Numbers out of the main window: the grid's selection copied (Ctrl+C, the window's Copy, the
// grid's context menu) and Export results, each checked against the core's text of the same
// data sets.

#include <QClipboard>
#include <QFile>
#include <QItemSelectionModel>
#include <QMenu>
#include <QStatusBar>
#include <QTemporaryDir>

#include "export/ResultsExport.h"
#include "support/MainWindowDriver.h"
#include "ui/main/ResultsModel.h"
#include "ui/messages/WindowMessages.h"

using fenra::MainWindowDriver;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Three data sets, the last a compound, calculated; a fourth added after, not calculated.
void EnterAndCalculate(MainWindowDriver& d) {
    d.Enter("He", "4.0026", "2000", {{"Si", "1"}});
    d.Run("mnuAdd");
    d.Enter("H", nullptr, "500", {{"Au", "1"}});
    d.Run("mnuAdd");
    d.Enter("Li", nullptr, "1500", {{"Si", "1"}, {"O", "2"}});
    d.Run("mnuCal");
    d.Run("mnuAdd");
    d.Enter("C", nullptr, "3000", {{"Al", "1"}});
}

QString Clipboard() {
    return QGuiApplication::clipboard()->text();
}

QString CoreText(const MainWindowDriver& d, fenra::StopUnit unit,
                 const std::vector<fenra::GridCell>& cells) {
    return QString::fromStdString(fenra::GridSelectionText(d.state, unit, cells));
}

void Select(const MainWindowDriver& d, int firstSet, int firstCol, int lastSet, int lastCol) {
    QAbstractItemModel* m = d.Grid()->model();
    d.Grid()->selectionModel()->select(
        QItemSelection(m->index(firstSet - 1, firstCol), m->index(lastSet - 1, lastCol)),
        QItemSelectionModel::ClearAndSelect);
}

}  // namespace

class MainWindowExportTest : public QObject {
    Q_OBJECT

  private slots:
    void copiesACellRange();
    void copiesWholeRowsWithCtrlC();
    void copiesAllInTheChosenUnit();
    void nothingSelectedCopiesNothing();
    void commandsSitInTheMenus();
    void exportWritesTheCoreText();
    void exportFailureIsReported();

  private:
    QTemporaryDir dir_;
};

void MainWindowExportTest::copiesACellRange() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterAndCalculate(d);
    Select(d, 2, 1, 3, 4);
    d.Run("mnuCopy");
    std::vector<fenra::GridCell> cells;
    for (int i = 2; i <= 3; ++i)
        for (int col = 1; col <= 4; ++col) cells.push_back({i, col});
    const QString expected = CoreText(d, fenra::StopUnit::EvE15, cells);
    QCOMPARE(Clipboard(), expected);
    // The stopping heading names the unit; the rows are the grid's cells, tab-separated.
    const QStringList lines = expected.split('\n');
    QCOMPARE(lines.size(), 4);  // header, two rows, the end of the last line
    QCOMPARE(lines[0], QString("Mass (amu)\tE (keV)\tTarget\tStopping power (eV/(1e15/cm2))"));
    QCOMPARE(lines[1].split('\t').value(3), d.Cell(2, 4));
    QCOMPARE(lines[2].split('\t').value(2), d.Cell(3, 3));
}

void MainWindowExportTest::copiesWholeRowsWithCtrlC() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterAndCalculate(d);
    QTableView* grid = d.Grid();
    grid->setFocus(Qt::OtherFocusReason);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->selectRow(2);
    grid->setSelectionMode(QAbstractItemView::MultiSelection);
    grid->selectRow(3);  // data sets 3 and 4: 4 is not calculated
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(Clipboard(), CoreText(d, fenra::StopUnit::EvE15, fenra::WholeRows({3, 4})));
    QVERIFY(Clipboard().endsWith("\t\n"));  // data set 4 has no stopping yet
}

void MainWindowExportTest::copiesAllInTheChosenUnit() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterAndCalculate(d);
    d.List(QStringLiteral("cbUnit"))->setCurrentIndex(static_cast<int>(fenra::StopUnit::KevMgCm2));
    d.Run("mnuSelectAll");
    d.Run("mnuCopy");
    QCOMPARE(Clipboard(), CoreText(d, fenra::StopUnit::KevMgCm2, fenra::AllCells(d.state)));
    QVERIFY(Clipboard().startsWith(
        "Ion\tMass (amu)\tE (keV)\tTarget\tStopping power (" +
        QString::fromLatin1(fenra::GridUnitText(fenra::StopUnit::KevMgCm2)) + ")\n"));
    QCOMPARE(Clipboard().count('\n'), 5);  // the header and four data sets, no empty rows
}

void MainWindowExportTest::nothingSelectedCopiesNothing() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterAndCalculate(d);
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    d.Grid()->clearSelection();
    d.Run("mnuCopy");
    QCOMPARE(Clipboard(), QString("kept"));
    // Rows past the last data set hold no cell to copy either.
    Select(d, 10, 0, 12, 4);
    d.Run("mnuCopy");
    QCOMPARE(Clipboard(), QString("kept"));
    QVERIFY(!d.window->statusBar()->currentMessage().isEmpty());
}

void MainWindowExportTest::commandsSitInTheMenus() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QAction* copy = d.Command(QStringLiteral("mnuCopy"));
    QCOMPARE(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    const QList<QAction*> context = d.Grid()->actions();
    QVERIFY(context.contains(copy));
    QVERIFY(context.contains(d.Command(QStringLiteral("mnuSelectAll"))));
    QCOMPARE(d.Grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction*> file = d.Child<QMenu>(QStringLiteral("mnuFile"))->actions();
    const int save = file.indexOf(d.Command(QStringLiteral("mnuRSave")));
    QCOMPARE(file.value(save + 1), d.Command(QStringLiteral("mnuExport")));
    QCOMPARE(d.Command(QStringLiteral("mnuExport"))->text(), QString("&Export results…"));
    QVERIFY(d.window->actions().contains(copy));
}

void MainWindowExportTest::exportWritesTheCoreText() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterAndCalculate(d);
    const QString path = dir_.filePath("results.csv");
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuExport");
    QVERIFY(d.platform.messages.empty());
    const QByteArray written = ReadAll(path);
    QCOMPARE(written, QByteArray::fromStdString(fenra::ResultsCsvText(d.state)));
    QVERIFY(written.startsWith(QByteArray(fenra::kResultsCsvHeader) + "\r\n"));
    QVERIFY(written.endsWith(",not calculated\r\n"));  // data set 4
    QCOMPARE(written.count("\r\n"), 5);
    QCOMPARE(d.platform.fileDialogs.back().settings.defaultSuffix, QString("csv"));
    QVERIFY(d.platform.fileDialogs.back().settings.confirmOverwrite);
}

void MainWindowExportTest::exportFailureIsReported() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    EnterAndCalculate(d);
    const QString path = dir_.filePath("no-such-folder/results.csv");
    fenra::FileError error;
    QVERIFY(!fenra::SaveResultsCsv(d.state, {}, path.toStdString(), &error));
    d.platform.fileAnswers.push_back(path);
    d.Run("mnuExport");
    QCOMPARE(d.platform.messages.size(), std::size_t(1));
    QCOMPARE(d.platform.messages[0].text,
             "The file could not be written: " + path + "\n" + fenra::FileErrorMessage(error));
    QVERIFY(!QFile::exists(path));
    // A cancelled dialog writes nothing and says nothing.
    d.platform.clearRecords();
    d.Run("mnuExport");
    QVERIFY(d.platform.messages.empty());
}

QTEST_MAIN(MainWindowExportTest)
#include "main_window_export_test.moc"
