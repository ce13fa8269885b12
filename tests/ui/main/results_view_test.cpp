// The results view as a view over the data sets: its model's signals and its selection.

#include <QHeaderView>
#include <QPushButton>
#include <QSignalSpy>

#include "support/MainWindowDriver.h"

using fenra::MainWindowDriver;

class ResultsViewTest : public QObject {
    Q_OBJECT

  private slots:
    void addRemoveAndResetReportTheChangedRows();
    void aWidenedColumnSurvivesAddAndRemove();
    void anEditShowsInItsRowAtOnce();
    void cellsCanBeSelectedButNotEdited();
};

void ResultsViewTest::addRemoveAndResetReportTheChangedRows() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QAbstractItemModel* model = d.Grid()->model();
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    QSignalSpy reset(model, &QAbstractItemModel::modelReset);
    d.Run("mnuAdd");
    QVERIFY(!changed.isEmpty());
    // The change covers the new row 2, so a view shows it without being told otherwise.
    bool coversRow2 = false;
    for (const QList<QVariant>& args : changed) {
        const auto from = args[0].toModelIndex(), to = args[1].toModelIndex();
        coversRow2 |= from.row() <= 1 && to.row() >= 1 && from.column() == 0 && to.column() == 4;
    }
    QVERIFY(coversRow2);
    QCOMPARE(d.Cell(2, 0), QString("H"));
    changed.clear();
    d.Run("mnuRemove");
    QVERIFY(!changed.isEmpty());
    QCOMPARE(d.Cell(2, 0), QString());
    QCOMPARE(reset.size(), 0);  // the rows stay; a reset would drop the column widths
}

void ResultsViewTest::aWidenedColumnSurvivesAddAndRemove() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Grid()->setColumnWidth(3, 400);
    d.Run("mnuAdd");
    d.Run("mnuRemove");
    d.Child<QPushButton>("cmdReset")->click();
    QCOMPARE(d.Grid()->columnWidth(3), 400);
}

void ResultsViewTest::anEditShowsInItsRowAtOnce() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    d.Enter("He", nullptr, "2500", {{"Si", "1"}});
    QCOMPARE(d.Cell(1, 0), QString("He"));
    QCOMPARE(d.Cell(1, 2), QString("2500"));
    QCOMPARE(d.Cell(2, 2), QString());
}

void ResultsViewTest::cellsCanBeSelectedButNotEdited() {
    MainWindowDriver d(FENRA_TEST_DATABASE);
    QTableView* view = d.Grid();
    QCOMPARE(view->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(view->selectionBehavior(), QAbstractItemView::SelectItems);
    const QModelIndex cell = view->model()->index(0, 2);
    QVERIFY(cell.flags() & Qt::ItemIsSelectable);
    QVERIFY(!(cell.flags() & Qt::ItemIsEditable));
    QCOMPARE(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    // Past the model's columns there is nothing.
    QVERIFY(!view->model()->index(0, 5).isValid());
    QVERIFY(!view->model()->headerData(5, Qt::Horizontal).isValid());
}

QTEST_MAIN(ResultsViewTest)
#include "results_view_test.moc"
