// The checker the window tests use: it must find every control a screen reader would speak
// without a name, and nothing else.

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "support/AccessibilityCheck.h"

namespace fenra {

class AccessibilityCheckTest : public QObject {
    Q_OBJECT

  private:
    template <typename T>
    static T* Add(QWidget& window, QFormLayout& form, const QString& name) {
        auto* control = new T(&window);
        control->setObjectName(name);
        form.addRow(control);
        return control;
    }

  private slots:
    void findsOnlyTheControlsWithoutAName() {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Checked"));
        auto* form = new QFormLayout(&window);
        auto* mass = Add<QLineEdit>(window, *form, QStringLiteral("txtMass"));
        auto* label = new QLabel(QStringLiteral("&Mass (amu)"), &window);
        label->setBuddy(mass);
        form->addRow(label);
        Add<QLineEdit>(window, *form, QStringLiteral("txtBare"));
        Add<QLineEdit>(window, *form, QStringLiteral("txtNamed"))
            ->setAccessibleName(QStringLiteral("Energy"));
        Add<QLineEdit>(window, *form, QStringLiteral("txtHidden"))->hide();
        Add<QPushButton>(window, *form, QStringLiteral("cmdOk"))->setText(QStringLiteral("OK"));
        auto* tool = Add<QToolButton>(window, *form, QStringLiteral("toolBare"));
        tool->setFocusPolicy(Qt::NoFocus);  // as in a tool bar
        auto* grid = Add<QTableWidget>(window, *form, QStringLiteral("gridBare"));
        grid->setRowCount(2);
        grid->setColumnCount(2);  // empty cells: read by their contents, not reported
        new QLabel(QStringLiteral("A label is no control"), &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const AccessibilityReport report = CheckAccessibleNames(&window);
        QCOMPARE(report.unnamed, QStringList({QStringLiteral("QLineEdit txtBare"),
                                              QStringLiteral("QToolButton toolBare"),
                                              QStringLiteral("QTableWidget gridBare")}));
        QCOMPARE(report.controlsSeen, 6);

        grid->setAccessibleName(QStringLiteral("Results"));
        tool->setText(QStringLiteral("Calculate"));
        QCOMPARE(CheckAccessibleNames(&window).unnamed,
                 QStringList{QStringLiteral("QLineEdit txtBare")});
    }

    void aLabelWithoutABuddyNamesNothing() {
        QWidget window;
        auto* form = new QFormLayout(&window);
        form->addRow(QStringLiteral("Range"), new QLineEdit(&window));  // a buddy of its own
        auto* loose = new QLineEdit(&window);
        loose->setObjectName(QStringLiteral("txtLoose"));
        form->addRow(new QLabel(QStringLiteral("Loose"), &window));
        form->addRow(loose);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(CheckAccessibleNames(&window).unnamed,
                 QStringList{QStringLiteral("QLineEdit txtLoose")});
    }
};

}  // namespace fenra

QTEST_MAIN(fenra::AccessibilityCheckTest)
#include "accessibility_check_test.moc"
