// The curve window on its own: its fields where they were designed, the scale, ticks and
// tick labels of the three kinds, the curve read back from the drawing, the refusals, and
// each window keeping its own copy.

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QtTest>
#include <cmath>

#include "CurveTestState.h"
#include "support/ScriptedPlatform.h"

// The windows of the program live in namespace fenra.
using fenra::CurveCanvas;
using fenra::CurveWindow;

using namespace curve_test;

namespace {

int TwipsToPx(int twips) {
    return qRound(twips / 15.0);
}

// Curve shapes used below.
void FillStop(fenra::CurveSnapshot& s, float (*f)(int)) {
    for (int i = 0; i <= fenra::kSlabCount; ++i) s.stop[i] = f(i);
}

}  // namespace

class CurveWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void fieldsSitWhereDesigned();
    void initialTextsAndFonts();
    void exitClosesOnlyThisWindow();
    void yLabelsForLargestValue50AndXLabelsForRange();
    void negativeValuesDoNotRaiseTheScale();
    void energyStopLabelsAndDirection();
    void depthEnergyScaleAndFirstPoint();
    void ticksAtTheFifths();
    void allZeroCurveIsRefused();
    void energyCurveWithoutEnergyIsRefused();
    void drawingSurvivesHidingAndShowing();
    void eachWindowKeepsItsOwnCopy();
};

void CurveWindowTest::fieldsSitWhereDesigned() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");

    const QWidget* client = w.centralWidget();
    QCOMPARE(client->size(), QSize(542, 392));  // 8130 x 5880 twips
    // It opens at the designed size, which is also the least: it only grows.
    QCOMPARE(client->minimumSize(), QSize(542, 392));
    QVERIFY(w.maximumWidth() > w.width() && w.maximumHeight() > w.height());
    // Centred on the screen when created.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QVERIFY((w.geometry().center() - screen.center()).manhattanLength() <= 2);
    const auto* plot = w.findChild<CurveCanvas*>("PicCurve");
    QVERIFY(plot);
    QCOMPARE(plot->geometry(), QRect(66, 6, 460, 310));  // 985, 93, 6896, 4645 twips

    const int yTops[6] = {4598, 3669, 2740, 1811, 882, 0};
    for (int i = 0; i < 6; ++i) {
        const auto* l = w.findChild<QLabel*>(QString("lblSTPower%1").arg(i));
        QVERIFY(l);
        QCOMPARE(l->y(), TwipsToPx(yTops[i]));
        QVERIFY2(std::abs(l->x() - 788 / 15.0) <= 2, qPrintable(QString::number(l->x())));
        QVERIFY(l->geometry().right() < plot->x());  // beside the plot, not under it
    }
    const int xLefts[6] = {936, 2266, 3645, 5024, 6404, 7783};
    for (int i = 0; i < 6; ++i) {
        const auto* l = w.findChild<QLabel*>(QString("lblDepth%1").arg(i));
        QVERIFY(l);
        QCOMPARE(l->y(), TwipsToPx(4877));
        QVERIFY2(std::abs(l->x() - xLefts[i] / 15.0) <= 1, qPrintable(QString::number(l->x())));
    }
    const struct {
        const char* name;
        int left, top;
        const char* caption;  // a value's caption
    } fixed[] = {{"lblDepth6", 3547, 5160, nullptr},  {"lblUnit", 49, 5202, nullptr},
                 {"lblIon0", 2580, 5574, nullptr},    {"lblIon1", 2970, 5574, "lblIon0"},
                 {"lblEnergy0", 3855, 5574, nullptr}, {"lblEnergy1", 4590, 5574, "lblEnergy0"},
                 {"lblTarget0", 5535, 5574, nullptr}, {"lblTarget1", 6225, 5574, "lblTarget0"}};
    const int space = QFontMetrics(client->font()).horizontalAdvance(' ');
    for (const auto& f : fixed) {
        const auto* l = w.findChild<QLabel*>(f.name);
        QVERIFY2(l, f.name);
        int left = TwipsToPx(f.left);
        if (f.caption != nullptr) {
            // A value stands a space right of its caption's text: where designed, or as little
            // further as the caption's font needs.
            const auto* caption = w.findChild<QLabel*>(f.caption);
            left = std::max(left, caption->x() + caption->sizeHint().width() + space);
            QVERIFY2(left - TwipsToPx(f.left) <= space, f.name);
        }
        QCOMPARE(l->pos(), QPoint(left, TwipsToPx(f.top)));
        QVERIFY2(l->geometry().bottom() < 392, f.name);
    }
}

void CurveWindowTest::initialTextsAndFonts() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");

    QCOMPARE(w.windowTitle(), QString("Stopping Curve"));
    QCOMPARE(Labels(w, "lblSTPower"), QStringList({"0", "0", "0", "0", "0", "0"}));
    QCOMPARE(Labels(w, "lblDepth"), QStringList({"0", "0", "0", "0", "0", "0"}));
    QCOMPARE(Label(w, "lblDepth6"), QString("1E15 Atom/cm2"));
    QCOMPARE(Label(w, "lblUnit"), QString("Unit : eV/(1E15/cm2)"));
    QCOMPARE(Label(w, "lblIon0"), QString("Ion"));
    QCOMPARE(Label(w, "lblEnergy0"), QString("Energy"));
    QCOMPARE(Label(w, "lblTarget0"), QString("Target"));
    QCOMPARE(Label(w, "lblIon1"), QString());

    const QFont value = w.findChild<QLabel*>("lblSTPower3")->font();
    QCOMPARE(value.family(), QString("Arial"));
    QCOMPARE(value.pointSizeF(), 9.75);
    QVERIFY(!value.bold());
    QVERIFY(w.findChild<QLabel*>("lblTarget0")->font().bold());
    const QFont title = w.findChild<QLabel*>("lblDepth6")->font();
    QCOMPARE(title.pointSizeF(), 12.0);
    QVERIFY(title.bold());
    QCOMPARE(w.findChild<QLabel*>("lblSTPower0")->alignment() & Qt::AlignHorizontal_Mask,
             Qt::AlignRight);

    const auto* file = w.findChild<QMenu*>("mnuFile");
    QVERIFY(file);
    QCOMPARE(file->title(), QString("&File"));
    QCOMPARE(w.findChild<QAction*>("mnuSave")->text(), QString("&Save curve"));
    QCOMPARE(w.findChild<QAction*>("mnuExit")->text(), QString("E&xit"));
    // Save image…, Copy image and Save data… stand between the two designed items.
    QCOMPARE(file->actions().size(), 5);
    QCOMPARE(file->actions().first()->objectName(), QString("mnuSave"));
    QCOMPARE(file->actions().last()->objectName(), QString("mnuExit"));
}

void CurveWindowTest::exitClosesOnlyThisWindow() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    QWidget owner;
    QPointer<CurveWindow> first =
        new CurveWindow(platform, fenra::CurveKind::DepthStop, s, "/tmp/", &owner);
    QPointer<CurveWindow> second =
        new CurveWindow(platform, fenra::CurveKind::DepthStop, s, "/tmp/", &owner);
    QVERIFY(first->isWindow());  // a window of its own, not a child of its owner
    first->setAttribute(Qt::WA_DeleteOnClose);
    first->show();
    second->show();
    first->findChild<QAction*>("mnuExit")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(second && second->isVisible());
}

void CurveWindowTest::yLabelsForLargestValue50AndXLabelsForRange() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    FillStop(s, [](int i) { return i == 30 ? 50.0f : 20.0f; });
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.draw();

    QCOMPARE(Labels(w, "lblSTPower"), QStringList({"0", "12.", "24.", "36.", "48.", "60."}));
    QCOMPARE(Labels(w, "lblDepth"),
             QStringList({"0", "20000", "40000", "60000", "80000", "100000"}));
    QVERIFY(platform.messages.empty());
    // A longer text grows away from the plot, never under it.
    QVERIFY(w.findChild<QLabel*>("lblSTPower5")->geometry().right() < 66);
    // The last X value stays inside the window, and stays centred on the right edge of the plot
    // as far as the window allows.
    const QRect last = w.findChild<QLabel*>("lblDepth5")->geometry();
    QVERIFY(last.right() < 542);
    QVERIFY(last.left() < 522 && last.right() > 522);
    const QRect fourth = w.findChild<QLabel*>("lblDepth4")->geometry();
    QVERIFY(std::abs(fourth.center().x() - (6404 + 60) / 15.0) <= 1.5);

    // A fractional scale: largest 10.4 gives 12.48, its fifths 2.496, 4.992, 7.488, 9.984.
    FillStop(s, [](int i) { return i == 0 ? 10.4f : 1.0f; });
    s.range = 2500;
    CurveWindow fractional(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    fractional.draw();
    QCOMPARE(Labels(fractional, "lblSTPower"),
             QStringList({"0", "2.496", "4.992", "7.488", "9.984", "12.48"}));
    QCOMPARE(Labels(fractional, "lblDepth"),
             QStringList({"0", "500", "1000", "1500", "2000", "2500"}));

    // Below 1 the two forms part: the Y values have no zero before the point, the X values
    // (general text) have one. Largest 2.5 gives 3, its fifths .6 to 2.4.
    FillStop(s, [](int i) { return i == 9 ? 2.5f : 0.25f; });
    s.range = 2.5f;
    CurveWindow small(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    small.draw();
    QCOMPARE(Labels(small, "lblSTPower"), QStringList({"0", ".6", "1.2", "1.8", "2.4", "3."}));
    QCOMPARE(Labels(small, "lblDepth"), QStringList({"0", "0.5", "1", "1.5", "2", "2.5"}));
}

void CurveWindowTest::negativeValuesDoNotRaiseTheScale() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    // At point 0 the stopping is taken as calculated, so it may be negative; its magnitude
    // must not count.
    FillStop(s, [](int i) { return i == 0 ? -500.0f : (i == 7 ? 50.0f : 5.0f); });
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.draw();
    QCOMPARE(Label(w, "lblSTPower5"), QString("60."));
    // Point 0 lies below the bottom edge and is clipped: nothing black at column 0 above the
    // Y ticks' rows except the ticks themselves.
    const QImage img = Plot(w);
    QVERIFY(!IsBlack(img, 0, 10));
}

void CurveWindowTest::energyStopLabelsAndDirection() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    // Point 0, the full energy, has the largest stopping; point 100, energy 0, has none.
    FillStop(s, [](int i) { return float(100 - i); });
    CurveWindow w(platform, fenra::CurveKind::EnergyStop, s, "/tmp/");
    w.draw();

    QCOMPARE(Labels(w, "lblDepth"), QStringList({"0", "200", "400", "600", "800", "1000"}));
    QCOMPARE(Labels(w, "lblSTPower"), QStringList({"0", "24.", "48.", "72.", "96.", "120."}));
    const QImage img = Plot(w);
    const int last = img.width() - 1, bottom = img.height() - 1;
    // Point 0 on the right edge at 100/120 of the height above the bottom.
    const int row0 = qRound(bottom * (1 - 100.0 / 120.0));
    QVERIFY2(IsBlack(img, last, row0), qPrintable(QString::number(row0)));
    QVERIFY(BlackRows(img, last).first() >= row0 - 1);
    // Point 100 on the left edge at the bottom.
    QVERIFY(IsBlack(img, 0, bottom));
}

void CurveWindowTest::depthEnergyScaleAndFirstPoint() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    for (int i = 0; i <= 100; ++i) {
        s.energy[i] = 1000.0f - 10.0f * i;
        s.stop[i] = 1.0f;
    }
    CurveWindow w(platform, fenra::CurveKind::DepthEnergy, s, "/tmp/");
    w.draw();

    QCOMPARE(Labels(w, "lblSTPower"), QStringList({"0", "240.", "480.", "720.", "960.", "1200."}));
    QCOMPARE(Labels(w, "lblDepth"),
             QStringList({"0", "20000", "40000", "60000", "80000", "100000"}));
    const QImage img = Plot(w);
    const int bottom = img.height() - 1;
    // The first point, the full energy, lies at 1/1.2 of the height above the bottom edge:
    // the topmost black pixel of the left column (the Y ticks lie lower, at 4/5 and below).
    const double expected = bottom - bottom / 1.2;
    const int top = BlackRows(img, 0).first();
    QVERIFY2(std::abs(top - expected) <= 1, qPrintable(QString("%1 vs %2").arg(top).arg(expected)));
    // The last point, energy 0, at the right edge on the bottom.
    QVERIFY(IsBlack(img, img.width() - 1, bottom));
    // Half way, energy 500: 500/1200 of the height above the bottom.
    const int mid = (img.width() - 1) / 2;
    const double midRow = bottom - bottom * 500.0 / 1200.0;
    bool near = false;
    for (int y : BlackRows(img, mid)) near = near || std::abs(y - midRow) <= 1;
    QVERIFY(near);
}

void CurveWindowTest::ticksAtTheFifths() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    FillStop(s, [](int) { return 10.0f; });  // a flat line at 1/1.2 of the height
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.draw();
    const QImage img = Plot(w);
    const int right = img.width() - 1, bottom = img.height() - 1;
    // X ticks: 80 twips up from the bottom edge, 4590 twips being the inner height.
    const int xTickTop = qRound(bottom - 80.0 / 4590.0 * bottom);
    for (int i = 1; i <= 4; ++i) {
        const int x = qRound(i * right / 5.0);
        QVERIFY(IsBlack(img, x, bottom));
        QVERIFY(IsBlack(img, x, xTickTop));
        QVERIFY(!IsBlack(img, x, xTickTop - 2));
        QVERIFY(!IsBlack(img, x + 2, bottom));
    }
    // Y ticks: 50 twips from the left edge, 6840 twips being the inner width.
    const int yTickEnd = qRound(50.0 / 6840.0 * right);
    for (int i = 1; i <= 4; ++i) {
        const int y = qRound(bottom - i * bottom / 5.0);
        QVERIFY(IsBlack(img, 0, y));
        QVERIFY(IsBlack(img, yTickEnd, y));
        QVERIFY(!IsBlack(img, yTickEnd + 2, y));
    }
    // No axis lines: the bottom row is white between the ticks.
    QVERIFY(!IsBlack(img, qRound(right / 10.0), bottom));
}

void CurveWindowTest::allZeroCurveIsRefused() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.setCurveLabels("1E15 Atom/cm2", "Unit : eV/(1E15 Atom/cm2)", "H", "1000", "Si1");
    w.draw();
    QCOMPARE(platform.messages.size(), size_t(1));
    QCOMPARE(platform.messages[0].title, QString("Fenra32"));
    QCOMPARE(platform.messages[0].text, QString("Stopping power is too small !!"));
    QCOMPARE(BlackCount(Plot(w)), 0);
    QCOMPARE(Labels(w, "lblSTPower"), QStringList({"0", "0", "0", "0", "0", "0"}));
    QCOMPARE(Labels(w, "lblDepth"), QStringList({"0", "0", "0", "0", "0", "0"}));
    QCOMPARE(Label(w, "lblTarget1"), QString("Si1"));
    QCOMPARE(Label(w, "lblUnit"), QString("Unit : eV/(1E15 Atom/cm2)"));

    // Only negative values are no better; the Energy vs dE/dx drawing says the same.
    FillStop(s, [](int i) { return -1.0f - i; });
    CurveWindow negative(platform, fenra::CurveKind::EnergyStop, s, "/tmp/");
    negative.draw();
    QCOMPARE(platform.messages.size(), size_t(2));
    QCOMPARE(platform.messages[1].text, QString("Stopping power is too small !!"));
    QCOMPARE(BlackCount(Plot(negative)), 0);
}

void CurveWindowTest::energyCurveWithoutEnergyIsRefused() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    s.ionEnergy = 0;
    s.energy[1] = -3;  // where a walk from 0 keV ends
    CurveWindow w(platform, fenra::CurveKind::DepthEnergy, s, "/tmp/");
    w.draw();
    QCOMPARE(platform.messages.size(), size_t(1));
    QCOMPARE(platform.messages[0].title, QString("Fenra32"));
    QVERIFY(platform.messages[0].text.contains("0 keV"));
    QCOMPARE(BlackCount(Plot(w)), 0);
    QCOMPARE(Labels(w, "lblSTPower"), QStringList({"0", "0", "0", "0", "0", "0"}));
}

void CurveWindowTest::drawingSurvivesHidingAndShowing() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    FillStop(s, [](int i) { return float(50 + i % 7); });
    CurveWindow w(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.draw();
    auto* plot = w.findChild<CurveCanvas*>("PicCurve");
    const QImage drawn = plot->image().convertToFormat(QImage::Format_RGB32);
    QVERIFY(BlackCount(drawn) > 100);

    const auto onScreen = [&] {
        return plot->grab()
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .copy(2, 2, drawn.width(), drawn.height());
    };
    QCOMPARE(onScreen(), drawn);
    w.hide();
    QCoreApplication::processEvents();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(onScreen(), drawn);
}

void CurveWindowTest::eachWindowKeepsItsOwnCopy() {
    fenra::ScriptedPlatform platform;
    fenra::CurveSnapshot s = OneCurve();
    FillStop(s, [](int i) { return i < 50 ? 50.0f : 25.0f; });
    CurveWindow older(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    older.draw();
    const QImage olderImage = Plot(older);

    // A later walk of another data set gives a curve of its own.
    s.ionName = "He";
    s.ionEnergy = 2000;
    s.range = 500;
    FillStop(s, [](int) { return 7.0f; });
    CurveWindow newer(platform, fenra::CurveKind::DepthStop, s, "/tmp/");
    newer.draw();

    QCOMPARE(older.snapshot().stop.size(), size_t(101));
    QCOMPARE(older.snapshot().stop[0], 50.0f);
    QCOMPARE(older.snapshot().stop[100], 25.0f);
    QCOMPARE(older.snapshot().ionName, std::string("H"));
    QCOMPARE(older.snapshot().ionEnergy, 1000.0f);
    QCOMPARE(older.snapshot().range, 100000.0f);
    QCOMPARE(older.snapshot().ionMass, 1.008f);
    QCOMPARE(Plot(older), olderImage);
    QCOMPARE(Label(older, "lblSTPower5"), QString("60."));
    QCOMPARE(newer.snapshot().stop[0], 7.0f);
    QCOMPARE(newer.snapshot().ionName, std::string("He"));
    QCOMPARE(Label(newer, "lblDepth5"), QString("500"));
    QVERIFY(Plot(newer) != olderImage);
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    CurveWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "curve_window_test.moc"
