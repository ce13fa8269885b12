// The program's own "Save changes?" box: each button gives its answer, Escape gives Cancel.

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/platform/QtPlatform.h"

namespace fenra {

class QtPlatformQuestionTest : public QObject {
    Q_OBJECT

  private:
    // Answers the box once it is shown: a click on button, or Escape when there is none.
    static void AnswerWith(QMessageBox::StandardButton button, QString* shownText) {
        QTimer::singleShot(0, [button, shownText] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            *shownText = box->windowTitle() + QStringLiteral("|") + box->text();
            if (button == QMessageBox::NoButton)
                QTest::keyClick(box, Qt::Key_Escape);
            else
                box->button(button)->click();
        });
    }

  private slots:
    void eachButtonGivesItsAnswer_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("answer");
        QTest::newRow("Save") << int(QMessageBox::Save) << int(SaveChangesAnswer::Save);
        QTest::newRow("Discard") << int(QMessageBox::Discard) << int(SaveChangesAnswer::Discard);
        QTest::newRow("Cancel") << int(QMessageBox::Cancel) << int(SaveChangesAnswer::Cancel);
        QTest::newRow("Escape") << int(QMessageBox::NoButton) << int(SaveChangesAnswer::Cancel);
    }

    void eachButtonGivesItsAnswer() {
        QFETCH(int, button);
        QFETCH(int, answer);
        QtPlatform platform;
        QString shown;
        AnswerWith(static_cast<QMessageBox::StandardButton>(button), &shown);
        const SaveChangesAnswer got = platform.askSaveChanges(nullptr, QStringLiteral("Fenra32"),
                                                              QStringLiteral("Save changes?"));
        QCOMPARE(shown, QStringLiteral("Fenra32|Save changes?"));
        QCOMPARE(int(got), answer);
    }
};

}  // namespace fenra

QTEST_MAIN(fenra::QtPlatformQuestionTest)
#include "qt_platform_question_test.moc"
