// The range window from the keyboard: Tab walks its fields in reading order and leaves the
// layer table, and every command of its File menu has a letter of its own.

#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QtTest>

#include "support/RangeWindowDriver.h"

using range_test::Window;

class RangeWindowKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void tabWalksTheFieldsAndLeavesTheTable();
    void fileMenuHasLetters();
};

void RangeWindowKeysTest::tabWalksTheFieldsAndLeavesTheTable() {
    Window t;
    t.Field("txtIon")->setFocus(Qt::TabFocusReason);
    auto* table = t.Child<QTableView>("tblLayers");
    table->setCurrentIndex(table->model()->index(0, 0));
    QStringList walked = {QApplication::focusWidget()->objectName()};
    for (int k = 0; k < 40 && walked.size() < 60; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString name = QApplication::focusWidget()->objectName();
        if (name == "txtIon") break;  // round once
        walked << name;
    }
    // These in this order, whatever else stands between them.
    const QStringList want = {"txtIon",      "txtMass",       "txtEnergy",   "txtMaterial",
                              "txtDensity",  "cboModel",      "cboStopUnit", "tblLayers",
                              "cmdAddLayer", "txtReachDepth", "cboReachUnit"};
    qsizetype at = 0;
    for (const QString& name : want) {
        const qsizetype found = walked.indexOf(name, at);
        QVERIFY2(found >= 0, qPrintable(name + ": " + walked.join(' ')));
        at = found + 1;
    }
    // The table takes one Tab stop; the next goes on to the buttons below it.
    QCOMPARE(walked.count("tblLayers"), 1);
    QCOMPARE(walked.value(walked.indexOf("tblLayers") + 1), QString("cmdAddLayer"));
}

void RangeWindowKeysTest::fileMenuHasLetters() {
    Window t;
    QMenu* file = t.w->menuBar()->actions().first()->menu();
    QVERIFY(file != nullptr);
    static const QRegularExpression one(QStringLiteral("^[^&]*&([^&])[^&]*$"));
    QStringList letters;
    for (QAction* a : file->actions()) {
        if (a->isSeparator()) continue;
        const QRegularExpressionMatch m = one.match(a->text());
        QVERIFY2(m.hasMatch(), qPrintable(a->text()));
        QVERIFY2(!letters.contains(m.captured(1).toLower()), qPrintable(a->text()));
        letters << m.captured(1).toLower();
    }
    QCOMPARE(letters, QStringList({"i", "c", "d", "t", "l"}));
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RangeWindowKeysTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "range_window_keys_test.moc"
