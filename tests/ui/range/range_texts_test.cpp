// Every text the range window shows a user goes through the translator: with a translator that
// marks each text it is asked for, every caption, heading, button, menu entry and list item
// comes out marked. Numbers and the calculation's own sentences are not captions and are left
// out by name.

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTranslator>
#include <QtTest>

#include "support/MarkingTranslator.h"
#include "support/RangeWindowDriver.h"

namespace {

bool Marked(const QString& text) {
    return text.isEmpty() ||
           (text.contains(QStringLiteral("«")) && text.contains(QStringLiteral("»")));
}

}  // namespace

class RangeTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCaptionIsTranslated();
    void theObjectNameIsNotTranslated();
    void shownNumbers_data();
    void shownNumbers();
    void everyNumberHasTheSameDigits_data();
    void everyNumberHasTheSameDigits();
    void refusalsAndWarningsAreTranslated_data();
    void refusalsAndWarningsAreTranslated();
};

void RangeTextsTest::everyCaptionIsTranslated() {
    MarkingTranslator marker;
    QCoreApplication::installTranslator(&marker);
    range_test::Window t;
    QStringList unmarked;
    for (QLabel* label : t.w->findChildren<QLabel*>())
        // The labels named lbl… hold results, notes and messages, not captions.
        if (!label->objectName().startsWith(QLatin1String("lbl")) && !Marked(label->text()))
            unmarked << label->text();
    for (QAbstractButton* button : t.w->findChildren<QAbstractButton*>())
        if (!button->objectName().startsWith(QLatin1String("qt_")) && !Marked(button->text()))
            unmarked << button->text();
    for (QGroupBox* group : t.w->findChildren<QGroupBox*>())
        if (!Marked(group->title())) unmarked << group->title();
    for (QAction* action : t.w->menuBar()->actions() + t.w->findChildren<QAction*>())
        if (!action->isSeparator() && !Marked(action->text())) unmarked << action->text();
    for (QComboBox* list : t.w->findChildren<QComboBox*>())
        for (int k = 0; k < list->count(); ++k)
            if (!Marked(list->itemText(k))) unmarked << list->itemText(k);
    const auto& layers = t.layers();
    for (int c = 0; c < layers.columnCount(); ++c) {
        const QString heading = layers.headerData(c, Qt::Horizontal).toString();
        if (!Marked(heading)) unmarked << heading;
    }
    if (!Marked(t.w->windowTitle())) unmarked << t.w->windowTitle();
    QCoreApplication::removeTranslator(&marker);
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral(" | "))));
}

void RangeTextsTest::theObjectNameIsNotTranslated() {
    // The window's object name keys its remembered geometry: no translation may change it.
    MarkingTranslator marker;
    QCoreApplication::installTranslator(&marker);
    range_test::Window t;
    QCoreApplication::removeTranslator(&marker);
    QCOMPARE(t.w->objectName(), QStringLiteral("RangeWindow"));
}

void RangeTextsTest::shownNumbers_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::newRow("trailing zeros of a whole number") << 5273.0 << 6 << "5273.00";
    QTest::newRow("trailing zero of a fraction") << 48.679 << 6 << "48.6790";
    QTest::newRow("six digits, no bare point") << 123456.0 << 6 << "123456";
    QTest::newRow("from a million in exponent form") << 1234567.0 << 6 << "1.23457e+06";
    QTest::newRow("rounding up a decade") << 9.9999996 << 6 << "10.0000";
    QTest::newRow("small") << 0.000123 << 6 << "0.000123000";
    QTest::newRow("below 0.0001 in exponent form") << 0.0000123 << 6 << "1.23000e-05";
    QTest::newRow("zero") << 0.0 << 6 << "0.00000";
    QTest::newRow("negative") << -2.5 << 6 << "-2.50000";
    QTest::newRow("four digits") << 48.679 << 4 << "48.68";
    QTest::newRow("four digits of a whole number") << 5273.0 << 4 << "5273";
    QTest::newRow("eight digits") << 2.0 << 8 << "2.0000000";
    QTest::newRow("below the fewest: two") << 48.679 << 0 << "49";
}

void RangeTextsTest::shownNumbers() {
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(QString, text);
    QCOMPARE(fenra::ShownNumber(value, digits), text);
}

namespace {

// The significant digits of a number's text: those of its mantissa, from the first one not 0.
int SignificantDigits(const QString& text) {
    const QString mantissa = text.section(QLatin1Char('e'), 0, 0);
    QString digits;
    for (const QChar c : mantissa)
        if (c.isDigit()) digits += c;
    // Zero is shown with as many zeros as a number has digits ("0.00000").
    if (digits.count(QLatin1Char('0')) == digits.size()) return static_cast<int>(digits.size());
    while (digits.startsWith(QLatin1Char('0'))) digits.remove(0, 1);
    return static_cast<int>(digits.size());
}

}  // namespace

void RangeTextsTest::everyNumberHasTheSameDigits_data() {
    QTest::addColumn<int>("digits");
    QTest::newRow("the default six") << 0;
    QTest::newRow("four") << 4;
    QTest::newRow("nine") << 9;
}

void RangeTextsTest::everyNumberHasTheSameDigits() {
    QFETCH(int, digits);
    range_test::Window t;
    if (digits > 0) t.w->setSignificantDigits(digits);
    const int expected = digits > 0 ? digits : 6;
    QCOMPARE(t.w->significantDigits(), expected);
    t.BuildThreeLayers();
    QStringList wrong;
    for (const char* label : {"lblElectronic", "lblNuclear", "lblTotal", "lblRangeE15",
                              "lblRangeMgCm2", "lblRangeUm", "lblEnergyToPass"}) {
        const QString text = t.Text(label).section(QLatin1Char(' '), 0, 0);
        if (SignificantDigits(text) != expected) wrong << QString("%1: %2").arg(label, text);
    }
    int numbers = 0;
    for (int row = 0; row < t.layers().rowCount(); ++row)
        for (int column = fenra::LayerTableModel::EnergyIn;
             column < fenra::LayerTableModel::ColumnCount; ++column) {
            if (column == fenra::LayerTableModel::Note) continue;
            const QString text = t.Cell(row, column).section(QLatin1Char(' '), 0, 0);
            if (text.isEmpty()) continue;
            // The energy out of the layer the ion stops in is exactly 0, at any digits.
            if (row == 2 && column == fenra::LayerTableModel::EnergyOut) {
                if (text != QLatin1String("0"))
                    wrong << QString("stopped energy out: %1").arg(text);
                continue;
            }
            ++numbers;
            if (SignificantDigits(text) != expected)
                wrong << QString("row %1 column %2: %3").arg(row).arg(column).arg(text);
        }
    QVERIFY(numbers >= 10);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

void RangeTextsTest::refusalsAndWarningsAreTranslated_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("shown");
    // Each sentence of the core is translated as a template, its values filled in after, and
    // a sentence inside a sentence is translated too.
    QTest::newRow("an ion not in the table") << "txtIon"
                                             << "Xx"
                                             << "lblMessages"
                                             << "«the ion \"Xx\" is not in the element table»";
    QTest::newRow("a mass below 0") << "txtMass"
                                    << "-4"
                                    << "lblMessages"
                                    << "«the ion mass is not a positive number»";
    QTest::newRow("a layer's thickness")
        << "thickness"
        << "thin"
        << "note"
        << "««layer 1»: ««the thickness» is not a finite number of at least 0»»";
    QTest::newRow("a compound's range in µm")
        << "txtMaterial"
        << "C10H8O4"
        << "lblRangeNote"
        << "«um needs a density, and the material \"C10H8O4\" has none: give one»";
    QTest::newRow("an energy beyond the model (the first warning)")
        << "txtEnergy"
        << "5e9"
        << "lblMessages"
        << "««the energy» is outside «the model's 1 keV/u to 2 GeV/u»; the result is extrapolated»";
}

void RangeTextsTest::refusalsAndWarningsAreTranslated() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, where);
    QFETCH(QString, shown);
    MarkingTranslator marker;
    QCoreApplication::installTranslator(&marker);
    range_test::Window t;
    if (field == "thickness")
        t.SetCell(0, fenra::LayerTableModel::Thickness, typed);
    else
        t.Type(qPrintable(field), typed);
    const QString text =
        where == "note" ? t.Cell(0, fenra::LayerTableModel::Note) : t.Text(qPrintable(where));
    QCoreApplication::removeTranslator(&marker);
    QCOMPARE(text.section(QLatin1Char('\n'), 0, 0), shown);
}

QTEST_MAIN(RangeTextsTest)
#include "range_texts_test.moc"
