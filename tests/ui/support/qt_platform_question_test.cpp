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
    // Answers the box once it is shown: a click on button, or, when there is none, the key
    // (Escape, or a letter with Alt).
    static void AnswerWith(QMessageBox::StandardButton button, QString* shownText,
                           Qt::Key key = Qt::Key_Escape) {
        QTimer::singleShot(0, [button, shownText, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            *shownText = box->windowTitle() + QStringLiteral("|") + box->text();
            if (button == QMessageBox::NoButton) {
                QApplication::setActiveWindow(box);
                QTest::keyClick(box, key, key == Qt::Key_Escape ? Qt::NoModifier : Qt::AltModifier);
                // A key that presses nothing must not leave the test waiting on the box.
                QTimer::singleShot(3000, box, [box] { box->button(QMessageBox::Cancel)->click(); });
            } else
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

    // Alt and the underlined letter press the button, as a click does.
    void eachKeyGivesItsAnswer_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("button");
        QTest::newRow("Alt+D") << int(Qt::Key_D) << int(SaveChangesAnswer::Discard)
                               << QStringLiteral("&Discard");
        QTest::newRow("Alt+S") << int(Qt::Key_S) << int(SaveChangesAnswer::Save)
                               << QStringLiteral("&Save");
    }

    void eachKeyGivesItsAnswer() {
        QFETCH(int, key);
        QFETCH(int, answer);
        QFETCH(QString, button);
        QtPlatform platform;
        QString shown, texts;
        QTimer::singleShot(0, [&texts] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                for (QAbstractButton* b : box->buttons()) texts += b->text() + QLatin1Char('|');
        });
        AnswerWith(QMessageBox::NoButton, &shown, static_cast<Qt::Key>(key));
        const SaveChangesAnswer got = platform.askSaveChanges(nullptr, QStringLiteral("Fenra32"),
                                                              QStringLiteral("Save changes?"));
        QCOMPARE(int(got), answer);
        QVERIFY2(texts.contains(button + QLatin1Char('|')), qPrintable(texts));
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
