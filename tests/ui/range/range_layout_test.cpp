// The range window's place and size: it opens inside the screen's free area, shows three layer
// rows at its smallest, and its fields stay put while messages come and go.

#include <QHeaderView>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>
#include <fstream>
#include <string>

#include "support/RangeWindowDriver.h"

using namespace range_test;

class RangeLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void geometryFitsTheScreen_data();
    void geometryFitsTheScreen();
    void opensInsideTheScreen();
    void threeLayerRowsAtTheSmallestSize();
    void messagesDoNotMoveTheFields();
    void fieldsNeedNoScrollingAtTheOpeningSize_data();
    void fieldsNeedNoScrollingAtTheOpeningSize();
    void resultRowsFollowEachOther_data();
    void resultRowsFollowEachOther();
    void layerTableFitsTheOpeningWidth();
};

void RangeLayoutTest::geometryFitsTheScreen_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");
    // A screen of 1600x1000 with a panel of 32 pixels at the top: the preferred 1120x780,
    // centred in what is left.
    QTest::newRow("roomy") << QRect(0, 32, 1600, 968) << QRect(240, 126, 1120, 780);
    // A screen lower than the preferred height: as high as the screen, from its top.
    QTest::newRow("low") << QRect(0, 0, 1366, 740) << QRect(123, 0, 1120, 740);
    // Smaller than the minimum: the minimum, its top-left corner on the screen.
    QTest::newRow("tiny") << QRect(100, 50, 800, 600) << QRect(100, 50, 900, 700);
    // A second screen to the right, with a negative top.
    QTest::newRow("second screen") << QRect(1920, -200, 1280, 1024) << QRect(2000, -78, 1120, 780);
}

void RangeLayoutTest::geometryFitsTheScreen() {
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    QCOMPARE(fenra::RangeWindowGeometry(available, QSize(1120, 780), QSize(900, 700)), expected);
}

void RangeLayoutTest::opensInsideTheScreen() {
    Window t;
    const QRect available = t.w->screen()->availableGeometry();
    QCOMPARE(available.size(), QSize(1366, 768));  // lower than the preferred size and frame
    QVERIFY2(available.contains(t.w->geometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                 .arg(t.w->x())
                                                                 .arg(t.w->y())
                                                                 .arg(t.w->width())
                                                                 .arg(t.w->height())));
}

void RangeLayoutTest::threeLayerRowsAtTheSmallestSize() {
    Window t;
    t.w->resize(t.w->minimumSizeHint());
    QCoreApplication::processEvents();
    QCOMPARE(t.w->size(), t.w->minimumSizeHint());
    auto* table = t.Child<QTableView>("tblLayers");
    const int rowHeight = table->verticalHeader()->defaultSectionSize();
    QVERIFY2(table->viewport()->height() >= 3 * rowHeight,
             qPrintable(QString("%1 < 3 x %2").arg(table->viewport()->height()).arg(rowHeight)));
}

void RangeLayoutTest::messagesDoNotMoveTheFields() {
    Window t;
    t.w->resize(1120, 780);
    QCoreApplication::processEvents();
    const char* const fields[] = {"txtEnergy", "lblTotal",  "lblRangeUm",
                                  "tblLayers", "plotStack", "txtReachDepth"};
    QList<QRect> before;
    for (const char* name : fields) before << t.Child<QWidget>(name)->geometry();
    // A refused energy: a message below, notes beside the results, then all gone again.
    t.Type("txtEnergy", "x");
    QVERIFY(!t.Text("lblMessages").isEmpty());
    for (int k = 0; k < 6; ++k) QCOMPARE(t.Child<QWidget>(fields[k])->geometry(), before[k]);
    t.Type("txtMaterial", "C10H8O4");  // a formula without a density: notes on the units
    t.Choose("cboStopUnit", 2);
    for (int k = 0; k < 6; ++k) QCOMPARE(t.Child<QWidget>(fields[k])->geometry(), before[k]);
    t.Type("txtEnergy", "2000");
    t.Type("txtMaterial", "Si");
    QCOMPARE(t.Text("lblMessages"), QString());
    for (int k = 0; k < 6; ++k) QCOMPARE(t.Child<QWidget>(fields[k])->geometry(), before[k]);
}

// The tests run on an offscreen screen of a laptop's 1366x768 (a panel-free free area), written
// as the offscreen platform's configuration before the application starts.
void RangeLayoutTest::fieldsNeedNoScrollingAtTheOpeningSize_data() {
    QTest::addColumn<int>("height");
    QTest::newRow("the preferred height") << 780;
    QTest::newRow("a little less") << 760;
}

void RangeLayoutTest::fieldsNeedNoScrollingAtTheOpeningSize() {
    // The layers keep their three rows and the rest of the height goes to the fields and the
    // plot: where the window has its preferred room, no field is cut off below.
    QFETCH(int, height);
    range_test::Window t;
    t.BuildThreeLayers();
    t.w->resize(t.w->width(), height);
    QCoreApplication::processEvents();
    auto* scroll = t.Child<QScrollArea>("scrFields");
    QVERIFY2(!scroll->verticalScrollBar()->isVisible(),
             qPrintable(QString("%1 of %2")
                            .arg(scroll->viewport()->height())
                            .arg(scroll->widget()->sizeHint().height())));
    // At the smallest size the fields scroll instead of squeezing the three layer rows.
    t.w->resize(t.w->minimumSizeHint());
    QCoreApplication::processEvents();
    QVERIFY(t.Child<QTableView>("tblLayers")->height() >=
            t.Child<QTableView>("tblLayers")->minimumHeight());
}

void RangeLayoutTest::resultRowsFollowEachOther_data() {
    QTest::addColumn<QString>("material");
    QTest::addColumn<int>("stopUnit");
    QTest::addColumn<bool>("notes");
    QTest::newRow("every number known") << "Si" << 0 << false;
    QTest::newRow("keV/um of a formula without a density: two notes") << "C10H8O4" << 2 << true;
}

void RangeLayoutTest::resultRowsFollowEachOther() {
    // The ranges follow the total at the spacing of the rows above, and the pane ends with its
    // last line of text: no blank line between, no dead room below.
    QFETCH(QString, material);
    QFETCH(int, stopUnit);
    QFETCH(bool, notes);
    range_test::Window t;
    t.w->resize(980, 760);
    QCoreApplication::processEvents();
    const auto top = [&t](const char* name) { return t.Child<QWidget>(name)->geometry().top(); };
    const QRect total = t.Child<QWidget>("lblTotal")->geometry();
    const QRect range = t.Child<QWidget>("lblRangeUm")->geometry();
    t.Type("txtMaterial", material);
    t.Choose("cboStopUnit", stopUnit);
    QCOMPARE(!t.Text("lblStopNote").isEmpty(), notes);
    QCOMPARE(!t.Text("lblRangeNote").isEmpty(), notes);
    const int pitch = top("lblTotal") - top("lblNuclear");
    QVERIFY(pitch > 0);
    QVERIFY2(top("lblRangeE15") - top("lblTotal") <= pitch,
             qPrintable(QString("%1 > %2").arg(top("lblRangeE15") - top("lblTotal")).arg(pitch)));
    // A note coming moves no number.
    QCOMPARE(t.Child<QWidget>("lblTotal")->geometry(), total);
    QCOMPARE(t.Child<QWidget>("lblRangeUm")->geometry(), range);
    // The last line shown, then only the group's own margin.
    QWidget* last = t.Child<QWidget>(notes ? "lblRangeNote" : "lblRangeUm");
    QVERIFY(last->isVisible());
    QCOMPARE(t.Child<QWidget>("lblStopNote")->isVisible(), notes);
    auto* group = qobject_cast<QWidget*>(last->parent());
    const int below = group->contentsRect().bottom() - last->geometry().bottom();
    QVERIFY2(below <= group->layout()->contentsMargins().bottom() + 2,
             qPrintable(QString("%1 px below, margin %2")
                            .arg(below)
                            .arg(group->layout()->contentsMargins().bottom())));
    if (notes) QVERIFY(t.Child<QWidget>("lblStopNote")->geometry().top() > range.bottom());
}

void RangeLayoutTest::layerTableFitsTheOpeningWidth() {
    range_test::Window t;
    t.BuildThreeLayers();
    t.w->resize(980, 760);
    QCoreApplication::processEvents();
    auto* table = t.Child<QTableView>("tblLayers");
    // The spreads are shown: every column has a number or the stop's text in some row.
    QVERIFY(!t.Cell(0, fenra::LayerTableModel::ChargeMean).isEmpty());
    QVERIFY(!t.Cell(2, fenra::LayerTableModel::LateralSigma).isEmpty());
    QVERIFY2(!table->horizontalScrollBar()->isVisible(),
             qPrintable(QString("%1 px of columns in %2")
                            .arg(table->horizontalHeader()->length())
                            .arg(table->viewport()->width())));
    QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
    // Every number and text whole in its column; the note has room to be read.
    for (int c = 0; c < fenra::LayerTableModel::Note; ++c)
        for (int r = 0; r < 3; ++r)
            QVERIFY2(table->fontMetrics().horizontalAdvance(t.Cell(r, c)) < table->columnWidth(c),
                     qPrintable(t.Cell(r, c)));
    QVERIFY(table->columnWidth(fenra::LayerTableModel::Note) >=
            table->fontMetrics().horizontalAdvance("the ion stops"));
}

int main(int argc, char** argv) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        const std::string path = QDir::tempPath().toStdString() + "/range_layout_test_" +
                                 std::to_string(QCoreApplication::applicationPid()) + ".json";
        std::ofstream(path) << R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366,
            "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + path.c_str());
    }
    QApplication app(argc, argv);
    RangeLayoutTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "range_layout_test.moc"
